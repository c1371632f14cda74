#pragma once

#include <array>
#include <string_view>

// The programming window's texts, control ids and command ids, byte for byte.
namespace zyk::program_window_text {

inline constexpr std::string_view kTitle = "Programming";

// Controls (ids kept as object names, so that tests and tools find them).
inline constexpr int kIdcEditor = 1205;
inline constexpr int kIdcKeywordList = 1009;
inline constexpr int kIdcFunctionList = 1187;
inline constexpr int kIdcRun = 1159;
inline constexpr int kIdcKeyWordsLabel = 1201;
inline constexpr int kIdcFunctionsLabel = 1202;
inline constexpr int kIdcFileMenu = 1207;
inline constexpr int kIdcEditMenu = 1208;
inline constexpr int kIdcHelpMenu = 1211;

inline constexpr std::string_view kRun = "Run";
inline constexpr std::string_view kKeyWords = "Key Words:";
inline constexpr std::string_view kFunctions = "Functions:";
inline constexpr std::string_view kFileMenu = "&File";
inline constexpr std::string_view kEditMenu = "&Edit";
inline constexpr std::string_view kHelpMenu = "&Help";

// The six insert buttons: id, caption and the text inserted.
struct InsertButton {
    int id;
    std::string_view text;
};
inline constexpr std::array<InsertButton, 6> kInsertButtons = {{
    {1155, "<"},
    {1156, ">"},
    {1157, "<>"},
    {1154, "="},
    {1153, "\""},
    {1162, "'"},
}};

// Commands of the menus.
inline constexpr int kIdOpen = 57601;
inline constexpr int kIdClose = 57602;
inline constexpr int kIdSave = 57603;
inline constexpr int kIdSaveAs = 57604;
inline constexpr int kIdHelp = 222;
inline constexpr int kIdClear = 57632;
inline constexpr int kIdClearAll = 57633;
inline constexpr int kIdCopy = 57634;
inline constexpr int kIdCut = 57635;
inline constexpr int kIdPaste = 57637;
inline constexpr int kIdSelectAll = 57642;
inline constexpr int kIdUndo = 57643;
inline constexpr int kIdRedo = 57644;

struct MenuItem {
    int id;
    std::string_view text;
};
// The right-click menu ("Programming").
inline constexpr std::array<MenuItem, 5> kContextMenu = {{
    {kIdOpen, "&Open"},
    {kIdSave, "&Save"},
    {kIdSaveAs, "Save &As"},
    {kIdHelp, "&Help"},
    {kIdClose, "&Close"},
}};
inline constexpr std::array<MenuItem, 4> kFileMenuItems = {{
    {kIdOpen, "&Open"},
    {kIdSave, "&Save"},
    {kIdSaveAs, "Save &As"},
    {kIdClose, "&Close"},
}};
inline constexpr std::array<MenuItem, 8> kEditMenuItems = {{
    {kIdUndo, "&Undo \tCtrl+Z"},
    {kIdRedo, "&Redo \tCtrl+Y"},
    {kIdCut, "Cu&t \tCtrl+X"},
    {kIdCopy, "&Copy \tCtrl+C"},
    {kIdPaste, "&Paste \tCtrl+V"},
    {kIdClear, "Clear"},
    {kIdSelectAll, "Select All"},
    {kIdClearAll, "Clear All"},
}};
inline constexpr std::array<MenuItem, 1> kHelpMenuItems = {{
    {kIdHelp, "Help\tF1"},
}};

// Entries that begin with '-' are headings; the blanks at the end of entries are inserted too.
inline constexpr std::array<std::string_view, 21> kKeywordEntries = {
    "----- Declaration -----",
    "var ",
    "variable ",
    "array ",
    "fx ",
    "function ",
    "----- if...else...end ---",
    "if ",
    "then ",
    "elseif ",
    "else",
    "end",
    "----- do...loop --------",
    "do while ",
    "do until ",
    "loop",
    "exit do",
    "----- Commands -----",
    "print ",
    "input ",
    "exit",
};
inline constexpr std::array<std::string_view, 36> kFunctionEntries = {
    "----- Trigonometric ---",
    "sin(",
    "cos(",
    "tan(",
    "asin(",
    "acos(",
    "atan(",
    "----- Hyperbolic -------",
    "sinh(",
    "cosh(",
    "tanh(",
    "asinh(",
    "acosh(",
    "atanh(",
    "----- Logaritmic -------",
    "exp(",
    "log(",
    "log10(",
    "----- Other math ------",
    "abs(",
    "ceil(",
    "fix(",
    "floor(",
    "gcd(",
    "round(",
    "sqrt(",
    "----- Statistic ----------",
    "mean(",
    "median(",
    "prod(",
    "std(",
    "std2(",
    "sum(",
};
inline constexpr char kHeadingMark = '-';

// File dialogs. Qt writes a filter as "Name (*.ext)", several joined by ";;".
inline constexpr std::string_view kOpenTitle = "Open basic file";
inline constexpr std::string_view kSaveTitle = "Save basic file";
inline constexpr std::string_view kWindowFilter = "Basic files (*.bas)";
inline constexpr std::string_view kGetProgramFilter = "Basic Files (*.bas);;All Files (*.*)";
inline constexpr std::string_view kDefaultSuffix = "bas";

// Messages of our own: the file dialogs' question, and files that cannot be read or written
// (the editor then stays as it was).
inline constexpr std::string_view kCreatePrompt =
    "\nThis file does not exist.\nDo you want to create it?";
inline constexpr std::string_view kCannotRead = "Can't read the program file:\n\n";
inline constexpr std::string_view kCannotWrite = "Can't save the program file:\n\n";
inline constexpr std::string_view kUnstorableCharacter =
    "A program file cannot hold the character %1 (line %2).\nThe program was not saved.";

}  // namespace zyk::program_window_text
