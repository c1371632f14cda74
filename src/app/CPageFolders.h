#pragma once

#include <string>

#include "app/OptionsPageData.h"
#include "shell/ui/COptionPage.h"

class QLineEdit;

namespace zyk {

class CSkinButton;

// "Folders": where the statistics window and the programming window keep their files. Typed text
// is taken as it is (a file dialog simply starts elsewhere when the folder is missing); "..."
// opens the folder picker, which checks the folder and offers to create it.
class CPageFolders : public COptionPage {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 212;
    static constexpr int kHeightUnits = 132;

    explicit CPageFolders(OptionsPageData& data);

    QLineEdit& StatisticalField() const { return *m_statistical; }
    QLineEdit& ProgramsField() const { return *m_programs; }
    CSkinButton& StatisticalBrowse() const { return *m_statisticalBrowse; }
    CSkinButton& ProgramsBrowse() const { return *m_programsBrowse; }

protected:
    void OnInitPage() override;

private:
    QLineEdit* MakeField(int controlId, std::string& folder, int y);
    CSkinButton* MakeBrowse(int controlId, QLineEdit& field, std::string_view caption, int y);

    OptionsPageData& m_data;
    QLineEdit* m_statistical = nullptr;
    QLineEdit* m_programs = nullptr;
    CSkinButton* m_statisticalBrowse = nullptr;
    CSkinButton* m_programsBrowse = nullptr;
};

}  // namespace zyk
