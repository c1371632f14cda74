#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zyk {

// Windows-1252 bytes of the core to a QString; the negation sign shows as U+2212 unless asked.
QString ToQString(std::string_view bytes, bool negationAsMinus = true);
// A fixed text of the windows (a title, a caption, a menu item), byte for byte as it is written.
QString DialogText(std::string_view bytes);

// A QString to Windows-1252 bytes (U+2212 and U+00AD become the negation sign); nothing when a
// character has no byte.
std::optional<std::string> FromQString(const QString& text);
// The same for text that must go through whatever it holds (a pasted field, a file name in a
// message): a character without a byte becomes '?'.
std::string FromQStringLossy(const QString& text);

}  // namespace zyk
