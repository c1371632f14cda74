#include "shell/HelpTopics.h"

#include <algorithm>

namespace zyk {
namespace {

constexpr std::string_view kTopicPrefix = "ZykCalc.chm::/";
constexpr std::string_view kPageExtension = ".htm";

bool IsPlainPageName(std::string_view page) {
    if (page.size() <= kPageExtension.size() || !page.ends_with(kPageExtension)) {
        return false;
    }
    // A page never reaches outside the help folder.
    const bool hasFolderPart = std::any_of(
        page.begin(), page.end(), [](char c) { return c == '/' || c == '\\' || c == ':'; });
    return !hasFolderPart && !page.starts_with('.');
}

}  // namespace

std::string HelpPageForTopic(std::string_view topic) {
    if (!topic.starts_with(kTopicPrefix)) {
        return {};
    }
    const std::string_view page = topic.substr(kTopicPrefix.size());
    return IsPlainPageName(page) ? std::string(page) : std::string();
}

}  // namespace zyk
