#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

class QWidget;

namespace zyk {

// The file dialogs of Open and Save As (the platform's own unless a test gives others).
class DataFileDialogs {
public:
    struct Request {
        QString title;
        QString folder;  // where the dialog starts
        QString filter;  // "Data files (*.ssd)"
        QString suffix;  // added to a name typed without one: "ssd"
    };

    virtual ~DataFileDialogs() = default;
    // The chosen existing file, or nothing when cancelled.
    virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const Request& request) = 0;
    // The chosen file (a new name confirmed), or nothing when cancelled.
    virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const Request& request) = 0;
};

// What the statistics window is made with: the settings store, the program folder (the data
// folder's fallback), message boxes, and the calculator's operations the pages call.
struct StatisticsWindowContext {
    SettingsStore& store;
    std::filesystem::path programFolder{};
    UserMessages* messages = nullptr;  // nullptr: message boxes owned by the window
    // The calculator's InsertNumberText and InsertFormulaWithValues; either may be empty.
    std::function<void(std::string_view)> insertNumberText{};
    std::function<void(std::string_view, double, double)> insertFormulaWithValues{};
    // Shows a help topic ("ZykCalc.chm::/Statistics.htm"); may be empty.
    std::function<void(std::string_view)> openHelpTopic{};
    DataFileDialogs* fileDialogs = nullptr;  // nullptr: the platform's file dialogs
};

}  // namespace zyk
