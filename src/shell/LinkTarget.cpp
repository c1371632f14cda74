#include "shell/LinkTarget.h"

#include <algorithm>
#include <cctype>

namespace zyk {
namespace {

bool HasScheme(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0) {
        return false;
    }
    const std::string_view scheme = text.substr(0, colon);
    const bool schemeChars = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) || c == '+' || c == '-';
    });
    // "mailto:" has no slashes; a one-letter scheme would be a drive letter, and a dotted one a
    // host name with a port.
    return schemeChars && scheme.size() > 1 && std::isalpha(static_cast<unsigned char>(text[0]));
}

std::string_view Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string LinkTargetForText(std::string_view text) {
    const std::string_view link = Trimmed(text);
    if (link.empty()) {
        return {};
    }
    if (HasScheme(link)) {
        return std::string(link);
    }
    if (link.find('@') != std::string_view::npos && link.find('/') == std::string_view::npos) {
        return "mailto:" + std::string(link);
    }
    return "http://" + std::string(link);
}

}  // namespace zyk
