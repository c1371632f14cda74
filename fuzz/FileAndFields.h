#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DataFiles.h"
#include "InputParts.h"

namespace zyk::fuzz {

// A data file and what the user then does in its window, from one input: the file's bytes, a
// zero byte, then (for a target that takes one) a choice byte and the fields typed, separated by
// 0x01 bytes. An input without a zero byte is all file.
class FileAndFields {
public:
    FileAndFields(std::string_view input, bool withChoice, std::size_t fieldCount) {
        const auto parts = SplitInput(input, '\0', 2);
        m_fileBytes = parts[0];
        std::string_view actions = parts.size() > 1 ? parts[1] : std::string_view();
        if (withChoice && !actions.empty()) {
            m_choice = static_cast<std::uint8_t>(actions[0]);
            m_hasChoice = true;
            actions.remove_prefix(1);
        }
        m_fields = SplitInput(actions, '\x01', fieldCount);
    }

    std::string_view FileBytes() const { return m_fileBytes; }
    // The choice byte taken modulo `count`; 0 when the input stops at the file.
    int Choice(int count) const { return m_hasChoice ? m_choice % count : 0; }
    // Field `i` as typed into a one-line field; empty past the typed ones.
    std::string Field(std::size_t i) const {
        return DialogField(i < m_fields.size() ? m_fields[i] : std::string_view());
    }

private:
    std::string_view m_fileBytes;
    std::vector<std::string_view> m_fields;
    int m_choice = 0;
    bool m_hasChoice = false;
};

}  // namespace zyk::fuzz
