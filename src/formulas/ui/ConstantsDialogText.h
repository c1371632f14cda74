#pragma once

#include <string_view>

// The texts and control ids of the constants window and its edit dialog, byte for byte.
namespace zyk::constants_dialog_text {

// "Handle your constants...": the title is the tool window's own (ToolWindowTable.h).
inline constexpr std::string_view kSelectConstant = "Select a constant:";
inline constexpr std::string_view kConstant = "Constant:";
inline constexpr std::string_view kAdd = "Add";
inline constexpr std::string_view kEdit = "Edit";
inline constexpr std::string_view kDelete = "Delete";
inline constexpr std::string_view kInsert = "Insert";

// "Add/Edit Constant".
inline constexpr std::string_view kEditTitle = "Add/Edit Constant";
inline constexpr std::string_view kEnterName = "Enter a new name for the constant:";
inline constexpr std::string_view kEnterSymbolAndValue =
    "Enter a new symbol and value for the constant:";
inline constexpr std::string_view kSymbol = "Symbol:";
inline constexpr std::string_view kValue = "Value";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Cancel";

// Control ids, kept as the controls' object names so that tests and tools can find them.
inline constexpr int kIdcConstantCombo = 1085;
inline constexpr int kIdcInfoList = 1200;
inline constexpr int kIdcAdd = 1087;
inline constexpr int kIdcEdit = 1088;
inline constexpr int kIdcDelete = 1089;
inline constexpr int kIdcInsert = 1090;
inline constexpr int kIdcName = 1091;
inline constexpr int kIdcValue = 1092;
inline constexpr int kIdcSymbol = 1093;

}  // namespace zyk::constants_dialog_text
