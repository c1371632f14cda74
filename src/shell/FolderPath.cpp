#include "shell/FolderPath.h"

#include <filesystem>
#include <system_error>

#include "charset/Windows1252.h"

namespace zyk::folder_path {
namespace {

constexpr std::string_view kForbidden = "\"*:<>?\\|";

bool ValidComponent(std::string_view part) {
    if (part.empty()) {
        return false;
    }
    const auto edge = [](char c) { return c == '\t' || c == ' ' || c == '.'; };
    return !edge(part.front()) && !edge(part.back()) &&
           part.find_first_of(kForbidden) == std::string_view::npos;
}

std::string WithPath(std::string_view pattern, std::string_view utf8Path) {
    std::string shown;
    std::string_view rest = utf8Path;
    while (!rest.empty()) {
        // One UTF-8 sequence at a time, so that a character without a byte becomes one '?'.
        std::size_t length = 1;
        while (length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80) {
            ++length;
        }
        shown += windows1252::FromUtf8(rest.substr(0, length)).value_or("?");
        rest.remove_prefix(length);
    }
    std::string text(pattern);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) {
        text.replace(at, 2, shown);
    }
    return text;
}

bool IsFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
}

}  // namespace

Check CheckSyntax(std::string_view path) {
    if (path.empty() || path.front() != '/') {
        return Check::Invalid;
    }
    std::string_view rest = path.substr(1);
    if (!rest.empty() && rest.back() == '/') {
        rest.remove_suffix(1);
    }
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        if (!ValidComponent(rest.substr(0, slash))) {
            return Check::Invalid;
        }
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    return Check::Valid;
}

Outcome CheckAndCreate(std::string_view path, UserMessages& messages) {
    if (CheckSyntax(path) == Check::Invalid) {
        messages.ShowMessage(WithPath(kInvalid, path), "", MessageIcon::Warning,
                             MessageButtons::Ok);
        return Outcome::Invalid;
    }
    const std::filesystem::path target{std::string(path)};
    if (IsFolder(target)) {
        return Outcome::Ready;
    }
    if (messages.ShowMessage(WithPath(kMissing, path), "", MessageIcon::Question,
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
        return Outcome::Declined;
    }
    std::filesystem::path folder;
    for (const std::filesystem::path& part : target.lexically_normal()) {
        if (part.empty()) {
            continue;  // the empty name after a trailing slash
        }
        folder /= part;
        if (IsFolder(folder)) {
            continue;
        }
        std::error_code error;
        std::filesystem::create_directory(folder, error);
        if (!IsFolder(folder)) {
            messages.ShowMessage(WithPath(kNotCreated, path), "", MessageIcon::Warning,
                                 MessageButtons::Ok);
            return Outcome::NotCreated;
        }
    }
    return Outcome::Ready;
}

}  // namespace zyk::folder_path
