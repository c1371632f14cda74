#pragma once

#include <array>
#include <string_view>

#include "shell/ShellMessages.h"

// Every text the formula library, the special-formula solvers, the two data files and the
// constants list show, byte for byte (trailing spaces and line breaks included).
namespace zyk::formula_text {

// Solvers.
inline constexpr std::string_view kMaError = "Ma Error";

// Data files.
inline constexpr std::string_view kFormulaFileName = "UserEq.dat";
inline constexpr std::string_view kOldFormulaFileName = "UserEq.old";
inline constexpr std::string_view kConstantFileName = "UserConstants.dat";
inline constexpr std::string_view kBadConstantFileName = "UserConstants.bad";
inline constexpr std::string_view kFormulaFileHeader =
    "0015: User formulas to be used with Zyk Calculator!";
inline constexpr std::string_view kConstantFileHeader =
    "1025: User constants to be used with Zyk Calculator!";
inline constexpr std::string_view kLineEnd = "\r\n";

inline constexpr std::string_view kFileCorrupt = "The file is corrupt!";
inline constexpr std::string_view kFormulaFileRenewed =
    "Your formula file has been renamed to UserEq.old \n and a new one has been created!\n\n "
    "Sorry for the inconvenience!\n";
inline constexpr std::string_view kSavingFormulaFileFailed = "Error saving to file <UserEq.dat> ";
inline constexpr std::string_view kSavingConstantFileFailed =
    "Error saving to file <UserConstants.dat> ";
inline constexpr std::string_view kSavingBadConstantFileFailed =
    "Error saving to file <UserConstants.bad> ";
inline constexpr std::string_view kCouldNotRename = "Could not rename the formula!   \n\n";
inline constexpr std::string_view kUnknownRecordName = "Unknown";

// A failed rename of the outdated formula file (the calculator's own system error report),
// followed by the cause text.
inline constexpr std::string_view kRenameOutdatedFailed =
    "Can't rename UserEq.dat to UserEq.old:\n\n";

// Open errors: kCantOpenFile followed by the text of the cause.
inline constexpr std::string_view kCantOpenFile = "Can't open file:\n\n";
inline constexpr std::array<std::string_view, 15> kFileErrorCauses = {
    shell_text::kOutOfResources,
    "An unspecified error occurred.",
    "The file could not be located.",
    "The path is invalid.",
    "The permitted number of open files was exceeded.",
    "The file could not be accessed.",
    "There was an attempt to use an invalid file handle.",
    "The current working directory cannot be removed.",
    "There are no more directory entries.",
    "There was an error trying to set the file pointer.",
    "There was a hardware error.",
    "A sharing violation occurred.",
    "There was an attempt to lock a region that was already locked. ",
    "The disk is full. ",
    "The end of file was reached. ",
};
// For a cause outside the table; %d is the cause number. The same text as an unknown failure to
// open a program or a link.
inline constexpr std::string_view kUnknownFileErrorCause = shell_text::kUnknownOpenFailure;

// Formula library.
inline constexpr std::string_view kNoFormulaDisplayForm = "No selected formula";
inline constexpr std::string_view kUserSuffix = ": (User)";
inline constexpr std::string_view kBuiltInSuffix = ": (Built in)";
inline constexpr std::string_view kNoFormulaSelected = "There is no formula selected!";
inline constexpr std::string_view kCanNotRemove = "You can not remove this formula!  ";
inline constexpr std::string_view kCanNotRemoveCaption = "Error";
inline constexpr std::string_view kCanNotRename =
    "Sorry! But you can not rename this formula!   \n\n";

// Constants list.
inline constexpr std::string_view kNoConstantSelected = "No constant selected!";
inline constexpr std::string_view kNoneConstant = "None";
inline constexpr std::string_view kFieldsMissing =
    "You have to enter both a name and a value for the constant!\n";
inline constexpr std::string_view kAddNameTaken =
    "This constant name is taken!\n\nA (+) was added to the name.     \n";
inline constexpr std::string_view kAddSymbolTaken =
    "This constant symbol is taken!\n\nA (+) was added to the name.     \n";
inline constexpr std::string_view kEditNameTaken =
    "This constant name is taken!\n\nA (+) was added to the name\n";
inline constexpr std::string_view kEditSymbolTaken =
    "This constant symbol is taken!\n\nA (+) was added to the name\n";
inline constexpr std::string_view kConstantFileMayBeCorrupt =
    "The file (UserConstants.dat) may be corrupt!\n\nTry edit the file with Notepad to repair "
    "it.   \n";
inline constexpr std::string_view kTakenSuffix = "+";

}  // namespace zyk::formula_text
