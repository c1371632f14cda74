#include "app/CPageFolders.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "app/OptionsPageParts.h"
#include "app/OptionsTexts.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CFolderPicker.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk {
namespace {

namespace text = options_text;
using options_page::MakeLabel;
using options_page::SetControlId;

}  // namespace

CPageFolders::CPageFolders(OptionsPageData& data)
    : COptionPage(DialogText(text::kFoldersPage), QSize(kWidthUnits, kHeightUnits)), m_data(data) {
    setFont(SystemDialogFont());
}

void CPageFolders::OnInitPage() {
    const DialogUnitMapper units(font());
    auto* colours = new CSchemeWindowColors(*this, m_data.store);

    auto* intro = MakeLabel(text::kFoldersIntro, *this);
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    units.Place(*intro, 7, 7, 198, 18);

    units.Place(*MakeLabel(text::kStatisticalPath, *this), 7, 32, 198, 9);
    m_statistical = MakeField(text::kIdcStatisticalPath, m_data.choice.statisticalFolder, 42);
    m_statisticalBrowse =
        MakeBrowse(text::kIdcStatisticalBrowse, *m_statistical, text::kPickerStatistical, 42);
    units.Place(*MakeLabel(text::kProgramsPath, *this), 7, 62, 198, 9);
    m_programs = MakeField(text::kIdcProgramsPath, m_data.choice.programsFolder, 72);
    m_programsBrowse = MakeBrowse(text::kIdcProgramsBrowse, *m_programs, text::kPickerPrograms, 72);

    for (CSkinButton* browse : {m_statisticalBrowse, m_programsBrowse}) {
        colours->AssignButton(*browse, kEditLook);
        browse->SetShowFocusFrame(true);
    }
    // Tab goes from a field to its button, then to the next field.
    setTabOrder(m_statistical, m_statisticalBrowse);
    setTabOrder(m_statisticalBrowse, m_programs);
    setTabOrder(m_programs, m_programsBrowse);
}

QLineEdit* CPageFolders::MakeField(int controlId, std::string& folder, int y) {
    // An empty setting shows the program's own folder.
    const QString shown =
        folder.empty() ? QFile::decodeName(QByteArray::fromStdString(m_data.programFolder.string()))
                       : DialogText(folder);
    auto* field = new QLineEdit(shown, this);
    SetControlId(*field, controlId);
    DialogUnitMapper(font()).Place(*field, 7, y, 178, 12);
    folder = FromQStringLossy(shown);
    connect(field, &QLineEdit::textChanged, this,
            [&folder](const QString& text) { folder = FromQStringLossy(text); });
    return field;
}

CSkinButton* CPageFolders::MakeBrowse(int controlId, QLineEdit& field, std::string_view caption,
                                      int y) {
    auto* browse = new CSkinButton(DialogText(text::kBrowse), this);
    SetControlId(*browse, controlId);
    DialogUnitMapper(font()).Place(*browse, 188, y, 17, 12);
    connect(browse, &CSkinButton::clicked, this, [this, &field, caption] {
        const std::optional<QString> chosen =
            CFolderPicker::Choose(DialogText(caption), DialogText(text::kPickerTitle), field.text(),
                                  m_data.pickerMessages, this);
        if (chosen) {
            field.setText(*chosen);
        }
    });
    return browse;
}

}  // namespace zyk
