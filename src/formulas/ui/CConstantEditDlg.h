#pragma once

#include <QDialog>

#include "formulas/ConstantsList.h"
#include "shell/SettingsStore.h"

class QLineEdit;

namespace zyk {

class CNumEdit;
class CSchemeWindowColors;
class CSkinButton;

// "Add/Edit Constant": the name, symbol and value fields (the value a number field), OK and
// Cancel. The fields start with the caller's texts and the name field has the focus; OK takes the
// three texts as they stand, but is refused with a beep while a field holds a character that the
// constants file cannot store (it is Windows-1252 text).
class CConstantEditDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 199;
    static constexpr int kHeightUnits = 113;

    CConstantEditDlg(const SettingsStore& store, const ConstantRecord& initial,
                     QWidget* parent = nullptr);

    // The accepted texts as Windows-1252 bytes.
    const ConstantRecord& Fields() const { return m_fields; }

    QLineEdit& NameField() { return *m_name; }
    QLineEdit& SymbolField() { return *m_symbol; }
    CNumEdit& ValueField() { return *m_value; }
    CSkinButton& OkButton() { return *m_ok; }
    CSkinButton& CancelButton() { return *m_cancel; }

    void accept() override;

private:
    CSchemeWindowColors* m_colours;
    QLineEdit* m_name;
    QLineEdit* m_symbol;
    CNumEdit* m_value;
    CSkinButton* m_ok;
    CSkinButton* m_cancel;
    ConstantRecord m_fields;
};

}  // namespace zyk
