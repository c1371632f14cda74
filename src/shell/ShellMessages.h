#pragma once

#include <array>
#include <string>
#include <string_view>

// Every text the application shell shows: the tool windows' failure messages, the reasons a
// program or a link could not be opened, the About box and the help topics.
namespace zyk::shell_text {

// Restart and links: the prefix, then the reason text.
inline constexpr std::string_view kCantOpenCalculator = "Can't open the calculator:\n\n";
inline constexpr std::string_view kCantOpenLink = "Can't open link:\n\n";

// Reason 0, and the first cause of a file error.
inline constexpr std::string_view kOutOfResources =
    "The operating system is out\nof memory or resources.";

struct ReasonRow {
    int code;
    std::string_view text;
};

inline constexpr std::array<ReasonRow, 13> kOpenFailureReasons = {{
    {0, kOutOfResources},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
     "processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};
inline constexpr std::string_view kUnknownOpenFailure = "Unknown Error (%d) occurred.";

// Codes used when a start or a link fails here.
inline constexpr int kCodeOutOfResources = 0;
inline constexpr int kCodeFileNotFound = 2;
inline constexpr int kCodePathNotFound = 3;
inline constexpr int kCodeAccessDenied = 5;
inline constexpr int kCodeInvalidProgram = 11;
inline constexpr int kCodeNoAssociation = 31;

// The reason text for a failure code ("Unknown Error (n) occurred." for codes not in the table).
std::string OpenFailureReason(int code);

// The code for a program that could not be started, from what is known about its file.
int LaunchFailureCode(bool folderExists, bool fileExists, bool executable);

// Tool windows that could not be made (allocation) or created (window).
inline constexpr std::string_view kConverterAllocationFailed =
    "Error Creating Converter Window Object!  \nIs Memory Low?";
inline constexpr std::string_view kConverterCreationFailed = "Could Not Create Converter Window!";
inline constexpr std::string_view kConstantsAllocationFailed =
    "Error Creating Constants Window Object!  \nIs Memory Low?";
inline constexpr std::string_view kConstantsCreationFailed = "Could Not Create Constants Window!";
inline constexpr std::string_view kStatisticsAllocationFailed =
    "Error Creating Statistical Window Object!  \nIs Memory Low?";
inline constexpr std::string_view kStatisticsCreationFailed = "Could Not Create Statical Window!";
inline constexpr std::string_view kProgrammingAllocationFailed =
    "Error Creating Programming Window Object!  \nIs Memory Low?";
inline constexpr std::string_view kProgrammingCreationFailed =
    "Could Not Create Programming Window!";

// The About box.
inline constexpr std::string_view kAboutTitle = "About Zyk Calc";
inline constexpr std::string_view kAboutVersion = "Zyk's Calc Version 1.65";
inline constexpr std::string_view kAboutDescription =
    "A scientific calculator with formulas, constants, unit conversion, statistics and programs.";
inline constexpr std::string_view kAboutContactPrompt = "E-mail me or visit my homepage:";
inline constexpr std::string_view kAboutOk = "OK";
// The two link targets, shown as they are and opened as links.
inline constexpr std::string_view kAboutEmail = "zykcalc@example.org";
inline constexpr std::string_view kAboutHomepage = "https://example.org/zykcalc/";
inline constexpr std::string_view kAboutSystemMenuItem = "&About Zyk Calculator...";

// The help window.
inline constexpr std::string_view kHelpWindowTitle = "Zyk Calc Help";
inline constexpr std::string_view kHelpBack = "Back";
inline constexpr std::string_view kHelpForward = "Forward";
inline constexpr std::string_view kHelpContents = "Contents";

// A settings write that did not reach the store: the start, the file, a blank line, the reason,
// then the end.
inline constexpr std::string_view kSettingsNotSaved = "Your settings could not be saved in\n\n";
inline constexpr std::string_view kSettingsNotSavedEnd =
    "\n\nWhat you change now lasts only until Zyk Calc closes.";
inline constexpr std::string_view kSettingsFileIsAFolder = "A folder has the file's name.";
inline constexpr std::string_view kSettingsFolderReadOnly = "The folder cannot be written to.";
inline constexpr std::string_view kSettingsFileReadOnly = "The file is read-only.";
inline constexpr std::string_view kSettingsDiskFull = "The disk may be full.";

// The generic one-line question.
inline constexpr std::string_view kQuestionOk = "OK";
inline constexpr std::string_view kQuestionCancel = "Cancel";

}  // namespace zyk::shell_text
