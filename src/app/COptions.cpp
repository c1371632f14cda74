#include "app/COptions.h"

#include <QShortcut>

#include <algorithm>

#include "app/CPageDisplay.h"
#include "app/CPageFolders.h"
#include "app/CPageView.h"
#include "app/OptionsPageParts.h"
#include "app/OptionsTexts.h"
#include "shell/HelpTopics.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/DialogParts.h"
#include "shell/ui/QtUserMessages.h"

namespace zyk {
namespace {

// The settings keep font names as Windows-1252 text: a family it cannot name is not offered.
FontCatalogue::Source StorableFonts(FontCatalogue::Source source) {
    return [source = std::move(source)] {
        std::vector<FontFace> faces = source ? source() : FontCatalogue::InstalledFonts();
        faces.erase(std::remove_if(
                        faces.begin(), faces.end(),
                        [](const FontFace& face) { return !FromQString(face.family).has_value(); }),
                    faces.end());
        return faces;
    };
}

}  // namespace

COptions::COptions(const OptionsContext& context, const OptionsChoice& current, QWidget* parent)
    : COptionSheet(
          DialogText(options_text::kCaption), context.store,
          SheetStyle{
              .buttonRow = true, .noApply = true, .hasHelp = true, .listLook = PageListLook::Dark},
          parent),
      m_ownMessages(context.messages == nullptr ? std::make_unique<QtUserMessages>(this) : nullptr),
      m_resources(context.resources),
      m_choice(current),
      m_fonts(StorableFonts(context.fonts)),
      m_data{m_choice,
             m_fonts,
             context.messages == nullptr ? *m_ownMessages : *context.messages,
             context.messages,
             context.store,
             context.programFolder},
      m_display(new CPageDisplay(m_data)),
      m_folders(new CPageFolders(m_data)),
      m_view(new CPageView(m_data)) {
    // The View page's changed flag starts clear each time.
    m_choice.viewChanged = false;
    // A dialog of fixed size: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(SystemDialogFont());
    AddPage(m_display);
    AddPage(m_folders);
    AddPage(m_view);
    connect(this, &COptionSheet::HelpRequested, this, &COptions::ShowHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &COptions::ShowHelp);
}

COptions::~COptions() = default;

void COptions::ShowHelp() {
    if (!m_help) {
        m_help = new CHelpViewer(m_resources, this);
    }
    m_help->OpenTopic(kHelpOptions);
}

}  // namespace zyk
