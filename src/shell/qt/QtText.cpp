#include "shell/qt/QtText.h"

#include "charset/Windows1252.h"

namespace zyk {

QString ToQString(std::string_view bytes, bool negationAsMinus) {
    return QString::fromStdString(windows1252::ToUtf8(bytes, negationAsMinus));
}

std::optional<std::string> FromQString(const QString& text) {
    return windows1252::FromUtf8(text.toStdString());
}

}  // namespace zyk
