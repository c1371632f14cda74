#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "app/OptionsPageData.h"
#include "shell/ui/COptionSheet.h"

namespace zyk {

class CPageDisplay;
class CPageFolders;
class CPageView;

// What the Options dialog is opened with.
struct OptionsContext {
    const SettingsStore& store;
    std::filesystem::path programFolder;  // what an empty folder setting shows
    UserMessages* messages = nullptr;     // nullptr: message boxes over the dialog and picker
    std::function<void(std::string_view topic)> openHelpTopic = {};
    FontCatalogue::Source fonts = {};  // nothing: the installed fonts
};

// "Zyk Calculator options...": the Display, Folders and View pages with OK, Cancel and Help.
// The pages edit a copy of the current options; OK leaves it in Choice() for the calculator
// window to apply, Cancel drops it. Help and F1 anywhere in the dialog open the Options topic.
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

private:
    void ShowHelp();

    std::unique_ptr<UserMessages> m_ownMessages;
    std::function<void(std::string_view)> m_openHelpTopic;
    OptionsChoice m_choice;
    FontCatalogue m_fonts;
    OptionsPageData m_data;
    CPageDisplay* m_display;
    CPageFolders* m_folders;
    CPageView* m_view;
};

}  // namespace zyk
