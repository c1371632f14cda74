#include "program/ProgramData.h"

#include <algorithm>
#include <utility>

#include "program/TextScan.h"

namespace zyk {
namespace {

constexpr std::string_view kInitialValue = "0";

// What one text costs: its object and its characters.
constexpr std::size_t kTextBytes = sizeof(std::string);
// What a declaration costs beyond its texts: its list entry and its node in the name index.
constexpr std::size_t kEntryBytes = 64;

std::size_t TextBytes(std::string_view text) {
    return kTextBytes + text.size();
}

std::size_t Find(const auto& index, std::string_view name) {
    const auto it = index.find(name);
    return it == index.end() ? ProgramData::kNotFound : it->second;
}

}  // namespace

const ProgramVariable* ProgramData::FindVariable(std::string_view name) const {
    const std::size_t index = VariableIndex(name);
    return index == kNotFound ? nullptr : &m_variables[index];
}

const ProgramArray* ProgramData::FindArray(std::string_view name) const {
    const std::size_t index = ArrayIndex(name);
    return index == kNotFound ? nullptr : &m_arrays[index];
}

const UserFunction* ProgramData::FindFunction(std::string_view name) const {
    const std::size_t index = FunctionIndex(name);
    return index == kNotFound ? nullptr : &m_functions[index];
}

std::size_t ProgramData::VariableIndex(std::string_view name) const {
    return Find(m_variableIndex, name);
}

std::size_t ProgramData::ArrayIndex(std::string_view name) const {
    return Find(m_arrayIndex, name);
}

std::size_t ProgramData::FunctionIndex(std::string_view name) const {
    return Find(m_functionIndex, name);
}

bool ProgramData::Resize(std::size_t freed, std::size_t added) {
    const std::size_t kept = m_bytes - freed;
    if (added > kMaxBytes || kept > kMaxBytes - added) {
        return false;
    }
    m_bytes = kept + added;
    return true;
}

bool ProgramData::AddVariable(std::string_view name) {
    if (!Resize(0, kEntryBytes + 2 * TextBytes(name) + TextBytes(kInitialValue))) {
        return false;
    }
    ++m_generation;
    m_variableIndex.emplace(std::string(name), m_variables.size());
    m_variables.push_back({std::string(name), std::string(kInitialValue)});
    m_valueHasLetter.push_back(0);
    return true;
}

bool ProgramData::AddArray(std::string_view name, std::size_t size,
                           std::vector<std::string> values) {
    // Counted before anything is allocated: a huge array is refused, not attempted.
    const bool fill = values.size() == 1 && size > 1;
    std::size_t valueBytes = 0;
    for (std::size_t i = 0; i < values.size() && i < size; ++i) {
        valueBytes += values[i].size();
    }
    if (fill) {
        const std::size_t each = values.front().size();
        if (each != 0 && size > kMaxBytes / each) {
            return false;
        }
        valueBytes = size * each;
    }
    const std::size_t defaults = fill ? 0 : size - std::min(size, values.size());
    if (size > kMaxBytes / kTextBytes || valueBytes > kMaxBytes ||
        !Resize(0, kEntryBytes + 2 * TextBytes(name) + size * kTextBytes + valueBytes +
                       defaults * kInitialValue.size())) {
        return false;
    }
    ProgramArray array{std::string(name), {}};
    if (fill) {
        array.elements.assign(size, values.front());
    } else {
        array.elements.assign(size, std::string(kInitialValue));
        for (std::size_t i = 0; i < values.size() && i < size; ++i) {
            array.elements[i] = std::move(values[i]);
        }
    }
    ++m_generation;
    m_arrayIndex.emplace(array.name, m_arrays.size());
    m_arrays.push_back(std::move(array));
    return true;
}

bool ProgramData::AddFunction(std::string_view name, std::string_view parameter) {
    if (!Resize(0, kEntryBytes + 3 * TextBytes(name) + TextBytes(parameter))) {
        return false;
    }
    ++m_generation;
    m_functionIndex.emplace(std::string(name), m_functions.size());
    m_functions.push_back({std::string(name), std::string(parameter), {}});
    return true;
}

bool ProgramData::SetValue(std::size_t variable, std::string value) {
    std::string& stored = m_variables[variable].value;
    if (!Resize(stored.size(), value.size())) {
        return false;
    }
    m_valueHasLetter[variable] = HasLetter(value) ? 1 : 0;
    stored = std::move(value);
    return true;
}

bool ProgramData::SetElement(std::size_t array, std::size_t element, std::string value) {
    std::string& stored = m_arrays[array].elements[element];
    if (!Resize(stored.size(), value.size())) {
        return false;
    }
    stored = std::move(value);
    return true;
}

bool ProgramData::SetFormula(std::size_t function, std::string formula) {
    std::string& stored = m_functions[function].formula;
    if (!Resize(stored.size(), formula.size())) {
        return false;
    }
    stored = std::move(formula);
    return true;
}

void ProgramData::Clear() {
    m_variables.clear();
    m_valueHasLetter.clear();
    m_arrays.clear();
    m_functions.clear();
    m_variableIndex.clear();
    m_arrayIndex.clear();
    m_functionIndex.clear();
    m_bytes = 0;
    ++m_generation;
}

}  // namespace zyk
