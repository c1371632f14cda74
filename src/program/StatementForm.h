#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "program/SubstitutionTemplate.h"

namespace zyk {

// The commands of the fourth statement group, by their first word cut at '('.
enum class Command { None, Print, Input, If, ElseIf, Else, End, Do, Loop, Exit };

// What the text of a statement alone decides, worked out once per run instead of at every
// execution: its first word and what that word may start, and for the statements a loop runs
// most (assignments, if, elseif, do) where their parts stand. Whether a word names a declared
// variable, array or function depends on the run; the form remembers the last answer together
// with the declarations it was given for.
struct StatementForm {
    static constexpr std::size_t kNone = std::string_view::npos;

    static StatementForm Classify(std::string_view statement);

    std::string_view statement;
    bool hasWord = false;
    std::string_view first;  // the first word
    std::size_t firstStart = 0;
    std::size_t firstEnd = 0;

    bool declaresVariables = false;  // var, variable
    bool declaresArray = false;      // array
    bool declaresFunctions = false;  // function, fx
    std::string_view arrayName;      // the first word up to its '['
    std::string_view functionName;   // the first word up to its '(', when it has one
    bool hasParenthesis = false;
    Command command = Command::None;
    std::size_t commandColumn = 0;  // after the command word

    // An assignment to a variable: nothing after the name, and the expression after the '='.
    bool nothingAfterName = false;
    std::string_view assignedExpression;
    std::optional<SubstitutionTemplate> assignedTemplate;

    // An assignment to an element: the index text between the first '[' and its ']'
    // (kNone: brackets missing), and the expression after the '='.
    std::size_t indexOpen = kNone;
    std::size_t indexClose = kNone;
    std::string_view elementExpression;
    std::optional<SubstitutionTemplate> indexTemplate;  // variables only
    std::optional<SubstitutionTemplate> elementTemplate;

    // if, elseif and do: the condition; for if, where "then" stands, whether the line opens a
    // block and the statement after "then" (classified when it first runs).
    std::string_view condition;
    std::optional<SubstitutionTemplate> conditionTemplate;
    std::size_t then = kNone;
    bool opensBlock = false;
    std::string_view thenStatement;
    std::unique_ptr<StatementForm> thenForm;
    // do: the loop word (while or until) was found, and which.
    bool hasLoopWord = false;
    bool loopsWhile = false;

    // The declarations the names below were looked up for, and what was found.
    std::uint64_t lookedUpFor = 0;
    std::size_t variable = kNone;
    std::size_t array = kNone;
    std::size_t function = kNone;
};

}  // namespace zyk
