#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
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
// declaration order (which decides the order of substitution), looked up by exact,
// case-sensitive name. Every change goes through this class, which keeps the size of the whole
// data below kMaxBytes: a change that would pass it is refused and changes nothing.
class ProgramData {
public:
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    const ProgramVariable* FindVariable(std::string_view name) const;
    const ProgramArray* FindArray(std::string_view name) const;
    const UserFunction* FindFunction(std::string_view name) const;

    // Declaration-order positions, kNotFound for a name not declared.
    std::size_t VariableIndex(std::string_view name) const;
    std::size_t ArrayIndex(std::string_view name) const;
    std::size_t FunctionIndex(std::string_view name) const;

    // A new variable holds "0"; a new array of `size` elements takes `values` in order, except
    // that a single value fills every element; the others hold "0". False: over kMaxBytes.
    bool AddVariable(std::string_view name);
    bool AddArray(std::string_view name, std::size_t size, std::vector<std::string> values);
    bool AddFunction(std::string_view name, std::string_view parameter);

    // False, nothing changed: the data would pass kMaxBytes.
    bool SetValue(std::size_t variable, std::string value);
    bool SetElement(std::size_t array, std::size_t element, std::string value);
    bool SetFormula(std::size_t function, std::string formula);

    const std::vector<ProgramVariable>& Variables() const { return m_variables; }
    // The variable's value holds a letter (an input or a value in exponent notation).
    bool ValueHasLetter(std::size_t variable) const { return m_valueHasLetter[variable] != 0; }
    const std::vector<ProgramArray>& Arrays() const { return m_arrays; }
    const std::vector<UserFunction>& Functions() const { return m_functions; }

    // Changes whenever a declaration is added or all are cleared: names looked up for one
    // generation stay valid while it lasts.
    std::uint64_t Generation() const { return m_generation; }

    // The estimated memory of all declarations and values.
    std::size_t Bytes() const { return m_bytes; }

    void Clear();

private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>>;

    // Takes `added` bytes and gives back `freed`, unless the total would pass kMaxBytes.
    bool Resize(std::size_t freed, std::size_t added);

    std::vector<ProgramVariable> m_variables;
    std::vector<char> m_valueHasLetter;  // by variable
    std::vector<ProgramArray> m_arrays;
    std::vector<UserFunction> m_functions;
    NameIndex m_variableIndex;
    NameIndex m_arrayIndex;
    NameIndex m_functionIndex;
    std::size_t m_bytes = 0;
    std::uint64_t m_generation = 1;
};

}  // namespace zyk
