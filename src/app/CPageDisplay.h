#pragma once

#include "app/OptionsPageData.h"
#include "shell/ui/COptionPage.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zyk {

class CFontList;
class CSpinBuddy;

// "Display": the answer format (three radio buttons), the maximum decimals (a number field with
// spin arrows, 0-15), the display font and the colour scheme. A decimals value outside 0-15
// keeps the page current with the range message.
class CPageDisplay : public COptionPage {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 212;
    static constexpr int kHeightUnits = 132;

    explicit CPageDisplay(OptionsPageData& data);

    QRadioButton& FormatButton(AnswerFormat format) const;
    QLineEdit& DecimalsField() const { return *m_decimals; }
    CSpinBuddy& DecimalsSpin() const { return *m_spin; }
    CFontList& FontList() const { return *m_fonts; }
    QComboBox& SchemeList() const { return *m_schemes; }

    // Takes the decimals; false (after the range message) when they are not 0-15.
    bool OnKillActive() override;

protected:
    void OnInitPage() override;

private:
    OptionsPageData& m_data;
    QButtonGroup* m_format = nullptr;
    QLineEdit* m_decimals = nullptr;
    CSpinBuddy* m_spin = nullptr;
    CFontList* m_fonts = nullptr;
    QComboBox* m_schemes = nullptr;
};

}  // namespace zyk
