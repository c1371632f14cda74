#pragma once

#include <string_view>

// The texts and control ids of the formula dialogs, byte for byte.
namespace zyk::formula_dialog_text {

// "Get a formula".
inline constexpr std::string_view kGetFormulaTitle = "Get a formula";
inline constexpr std::string_view kChooseFormula = "Choose a formula:";
inline constexpr std::string_view kRename = "Rename";
inline constexpr std::string_view kDelete = "Delete";

// "Formula name ?" takes its title and prompt from shell/UserMessages.h, where the question is.
// A name with a character the Windows-1252 formula file cannot hold, named as "U+03A9".
inline constexpr std::string_view kNameCharacterRefused =
    "The formula file cannot store the character ";
inline constexpr std::string_view kNameCharacterRefusedEnd =
    " in a name.\nUse the letters, digits and signs of the Windows-1252 character set.";

inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Cancel";

// Control ids, kept as the controls' object names so that tests and tools can find them.
inline constexpr int kIdcFormulaCombo = 1009;
inline constexpr int kIdcRename = 1083;
inline constexpr int kIdcDelete = 1056;
inline constexpr int kIdcInfoList = 1198;
inline constexpr int kIdcFormulaName = 1054;

}  // namespace zyk::formula_dialog_text
