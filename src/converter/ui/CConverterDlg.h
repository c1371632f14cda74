#pragma once

#include <QDialog>

#include <functional>
#include <string_view>

#include "converter/ConverterPanel.h"
#include "shell/SettingsStore.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace zyk {

class CSchemeWindowColors;
class CSkinButton;

// "Converter": the value field, the from list (every position of the unit table), the to list
// (the other units of the from unit's group), the results list, Convert (the default button) and
// Insert, over a ConverterPanel that decides what each shows. Insert hands the last result to the
// calculator's InsertNumberText. A tool window: Esc and the close box hide it.
class CConverterDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 231;
    static constexpr int kHeightUnits = 149;

    // The calculator's InsertNumberText (it normalises the text and does nothing unless the
    // expression line is being edited).
    using InsertNumberText = std::function<void(std::string_view)>;

    CConverterDlg(const SettingsStore& store, InsertNumberText insertNumberText,
                  QWidget* parent = nullptr);

    QLineEdit& ValueField() { return *m_value; }
    QComboBox& FromList() { return *m_from; }
    QComboBox& ToList() { return *m_to; }
    QListWidget& ResultsList() { return *m_results; }
    CSkinButton& ConvertButton() { return *m_convert; }
    CSkinButton& InsertButton() { return *m_insert; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FromChanged(int position);
    void ToChanged(int toListPosition);
    void ConvertClicked();
    void InsertClicked();
    // The to list of the panel's from unit, nothing chosen in it.
    void FillToList();
    // The results list and the buttons' states.
    void ShowPanel();

    ConverterPanel m_panel;
    InsertNumberText m_insertNumberText;
    CSchemeWindowColors* m_colours;
    QLineEdit* m_value;
    QComboBox* m_from;
    QComboBox* m_to;
    QListWidget* m_results;
    CSkinButton* m_convert;
    CSkinButton* m_insert;
};

}  // namespace zyk
