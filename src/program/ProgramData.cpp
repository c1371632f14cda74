#include "program/ProgramData.h"

#include <algorithm>

namespace zyk {
namespace {

constexpr std::string_view kInitialValue = "0";

template <typename List>
auto FindByName(List& list, std::string_view name) -> decltype(list.data()) {
    const auto it = std::find_if(list.begin(), list.end(),
                                 [name](const auto& entry) { return entry.name == name; });
    return it == list.end() ? nullptr : &*it;
}

}  // namespace

ProgramVariable* ProgramData::FindVariable(std::string_view name) {
    return FindByName(m_variables, name);
}

const ProgramVariable* ProgramData::FindVariable(std::string_view name) const {
    return FindByName(m_variables, name);
}

ProgramArray* ProgramData::FindArray(std::string_view name) {
    return FindByName(m_arrays, name);
}

UserFunction* ProgramData::FindFunction(std::string_view name) {
    return FindByName(m_functions, name);
}

const UserFunction* ProgramData::FindFunction(std::string_view name) const {
    return FindByName(m_functions, name);
}

void ProgramData::AddVariable(std::string_view name) {
    m_variables.push_back({std::string(name), std::string(kInitialValue)});
}

ProgramArray& ProgramData::AddArray(std::string_view name, std::size_t size) {
    m_arrays.push_back(
        {std::string(name), std::vector<std::string>(size, std::string(kInitialValue))});
    return m_arrays.back();
}

void ProgramData::AddFunction(std::string_view name, std::string_view parameter) {
    m_functions.push_back({std::string(name), std::string(parameter), {}});
}

void ProgramData::Clear() {
    m_variables.clear();
    m_arrays.clear();
    m_functions.clear();
}

}  // namespace zyk
