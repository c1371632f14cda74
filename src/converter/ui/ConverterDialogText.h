#pragma once

#include <string_view>

// The texts and control ids of the converter window, byte for byte.
namespace zyk::converter_dialog_text {

inline constexpr std::string_view kTitle = "Converter";
inline constexpr std::string_view kTypeAValue = "Type a value you want to convert.";
inline constexpr std::string_view kConvertFrom = "Convert from:";
inline constexpr std::string_view kConvertTo = "Convert to:";
inline constexpr std::string_view kResult = "Result :";
inline constexpr std::string_view kConvert = "Convert";
inline constexpr std::string_view kInsert = "Insert";

// Control ids, kept as the controls' object names so that tests and tools can find them.
inline constexpr int kIdcValue = 1069;
inline constexpr int kIdcFromList = 1067;
inline constexpr int kIdcToList = 1068;
inline constexpr int kIdcResults = 1200;
inline constexpr int kIdcConvert = 1071;
inline constexpr int kIdcInsert = 1072;

}  // namespace zyk::converter_dialog_text
