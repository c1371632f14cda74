#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversion between the core's Windows-1252 byte strings and Unicode, used only at the edges
// (windows, console, settings file). One byte is one character, so caret positions map 1:1.
namespace zyk::windows1252 {

// The Unicode character of a byte. Bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 control of the same number, as Windows does.
char32_t ToUnicode(unsigned char byte);

// The byte of a Unicode character, or nothing when Windows-1252 has no such character.
// U+2212 (minus sign) maps to the negation sign 0xAD, as does U+00AD itself.
std::optional<char> FromUnicode(char32_t codePoint);

// Bytes to UTF-8. The negation sign 0xAD is written U+2212, since fonts draw the soft hyphen
// as nothing; pass false to keep it U+00AD.
std::string ToUtf8(std::string_view bytes, bool negationAsMinus = true);

// UTF-8 to bytes; nothing when the text is not valid UTF-8 or holds a character without a byte.
std::optional<std::string> FromUtf8(std::string_view utf8);

// The first character of valid UTF-8 text that has no Windows-1252 byte (for error messages);
// nothing when every character converts. Invalid UTF-8 reports U+FFFD.
std::optional<char32_t> FirstUnmappable(std::string_view utf8);

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace zyk::windows1252
