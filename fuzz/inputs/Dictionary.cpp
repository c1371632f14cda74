#include "Dictionary.h"

#include <cstdio>
#include <set>

namespace zyk::fuzz {
namespace {

// libFuzzer's longest dictionary word.
constexpr std::size_t kLongestEntry = 64;

std::string Quoted(const std::string& entry) {
    std::string line = "\"";
    for (const char c : entry) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            line += '\\';
            line += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            line += escaped;
        } else {
            line += c;
        }
    }
    return line + "\"";
}

}  // namespace

std::string DictionaryText(const Vocabulary& vocabulary) {
    std::set<std::string> entries(vocabulary.units.begin(), vocabulary.units.end());
    for (const auto& [open, close] : vocabulary.wrappers) {
        entries.insert(open);
        entries.insert(close);
    }
    std::string text;
    for (const std::string& entry : entries) {
        if (!entry.empty() && entry.size() <= kLongestEntry) {
            text += Quoted(entry) + "\n";
        }
    }
    return text;
}

}  // namespace zyk::fuzz
