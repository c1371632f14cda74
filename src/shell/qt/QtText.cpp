#include "shell/qt/QtText.h"

#include <QList>

#include "charset/Windows1252.h"

namespace zyk {

QString ToQString(std::string_view bytes, bool negationAsMinus) {
    return QString::fromStdString(windows1252::ToUtf8(bytes, negationAsMinus));
}

QString DialogText(std::string_view bytes) {
    return ToQString(bytes, false);
}

std::optional<std::string> FromQString(const QString& text) {
    return windows1252::FromUtf8(text.toStdString());
}

std::string FromQStringLossy(const QString& text) {
    if (auto bytes = FromQString(text)) {
        return *std::move(bytes);
    }
    std::string bytes;
    for (const char32_t codePoint : text.toUcs4()) {
        bytes += windows1252::FromUnicode(codePoint).value_or('?');
    }
    return bytes;
}

}  // namespace zyk
