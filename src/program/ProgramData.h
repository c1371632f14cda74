#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyk {

struct ProgramVariable {
    std::string name;
    std::string value;  // the evaluator's result text (or an input text as typed)
};

struct ProgramArray {
    std::string name;
    std::vector<std::string> elements;
};

struct UserFunction {
    std::string name;
    std::string parameter;  // a declared variable
    std::string formula;    // empty until given
};

// What a running program has declared: variables, arrays and user functions, each list in
// declaration order, looked up by exact, case-sensitive name.
class ProgramData {
public:
    ProgramVariable* FindVariable(std::string_view name);
    const ProgramVariable* FindVariable(std::string_view name) const;
    ProgramArray* FindArray(std::string_view name);
    UserFunction* FindFunction(std::string_view name);
    const UserFunction* FindFunction(std::string_view name) const;

    void AddVariable(std::string_view name);
    ProgramArray& AddArray(std::string_view name, std::size_t size);
    void AddFunction(std::string_view name, std::string_view parameter);

    const std::vector<ProgramVariable>& Variables() const { return m_variables; }
    const std::vector<ProgramArray>& Arrays() const { return m_arrays; }
    const std::vector<UserFunction>& Functions() const { return m_functions; }

    void Clear();

private:
    std::vector<ProgramVariable> m_variables;
    std::vector<ProgramArray> m_arrays;
    std::vector<UserFunction> m_functions;
};

}  // namespace zyk
