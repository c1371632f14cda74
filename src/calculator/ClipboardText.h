#pragma once

#include <string>
#include <string_view>

// The desktop's clipboard beside the calculator's own paste buffer: Copy Result and Copy
// Expression also put their text there, and Ctrl+Shift+V types the clipboard's text into the
// expression line. Texts are UTF-8 on the clipboard's side and Windows-1252 bytes on the core's.
namespace zyk::clipboard {

// An answer for other programs: the negation sign becomes "-", the sign they read numbers with.
std::string AnswerText(std::string_view bytes);

// An expression: the negation sign stays U+2212, so that it pastes back into the calculator
// with the same meaning.
std::string ExpressionText(std::string_view bytes);

// Clipboard text read as --eval reads its text (U+2212 and U+00AD are the negation sign, "·"
// the function marker); blanks and line breaks around it are dropped.
struct Paste {
    std::string bytes;    // what to type, when problem is empty
    std::string problem;  // Windows-1252 message text, or empty
};
Paste ReadPaste(std::string_view utf8);

inline constexpr std::string_view kCharacterRefused = "The clipboard holds the character ";
inline constexpr std::string_view kCharacterRefusedEnd =
    ", which has no place in an expression.\nOnly characters of the Windows-1252 character set "
    "can be pasted.";
inline constexpr std::string_view kSeveralLines =
    "The clipboard holds more than one line.\nOnly a single line can be pasted into the "
    "expression.";

}  // namespace zyk::clipboard
