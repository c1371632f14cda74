#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include <QPointer>

#include "app/OptionsPageData.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/COptionSheet.h"
#include "shell/ui/ResourceLocator.h"

namespace zyk {

class CPageDisplay;
class CPageFolders;
class CPageView;

// What the Options dialog is opened with.
struct OptionsContext {
    const SettingsStore& store;
    const ResourceLocator& resources;     // the help pages
    std::filesystem::path programFolder;  // what an empty folder setting shows
    UserMessages* messages = nullptr;     // nullptr: message boxes over the dialog and picker
    FontCatalogue::Source fonts = {};     // nothing: the installed fonts
};

// "Zyk Calculator options...": the Display, Folders and View pages with OK, Cancel and Help.
// The pages edit a copy of the current options; OK leaves it in Choice() for the calculator
// window to apply, Cancel drops it. Help and F1 anywhere in the dialog open the Options topic in
// a help window of the dialog's own: the dialog blocks the calculator window and everything it
// owns, its help included, while it is open.
class COptions : public COptionSheet {
    Q_OBJECT

public:
    COptions(const OptionsContext& context, const OptionsChoice& current,
             QWidget* parent = nullptr);
    ~COptions() override;

    const OptionsChoice& Choice() const { return m_choice; }
    CPageDisplay& DisplayPage() const { return *m_display; }
    CPageFolders& FoldersPage() const { return *m_folders; }
    CPageView& ViewPage() const { return *m_view; }
    // Nothing until help was first asked for.
    CHelpViewer* HelpViewer() const { return m_help; }

private:
    void ShowHelp();

    std::unique_ptr<UserMessages> m_ownMessages;
    ResourceLocator m_resources;
    QPointer<CHelpViewer> m_help;
    OptionsChoice m_choice;
    FontCatalogue m_fonts;
    OptionsPageData m_data;
    CPageDisplay* m_display;
    CPageFolders* m_folders;
    CPageView* m_view;
};

}  // namespace zyk
