#include "program/StatementForm.h"

#include <array>
#include <utility>

#include "program/ConditionEvaluator.h"
#include "program/LanguageWords.h"
#include "program/TextScan.h"
#include "program/WordReader.h"

namespace zyk {
namespace {

namespace words = language_words;

constexpr std::array<std::pair<std::string_view, Command>, 9> kCommands = {{
    {words::kPrint, Command::Print},
    {words::kInput, Command::Input},
    {words::kIf, Command::If},
    {words::kElseIf, Command::ElseIf},
    {words::kElse, Command::Else},
    {words::kEnd, Command::End},
    {words::kDo, Command::Do},
    {words::kLoop, Command::Loop},
    {words::kExit, Command::Exit},
}};

}  // namespace

StatementForm StatementForm::Classify(std::string_view statement) {
    StatementForm form;
    form.statement = statement;
    WordReader reader(statement);
    form.hasWord = reader.Next(form.first);
    if (!form.hasWord) {
        return form;
    }
    form.firstStart = reader.WordStart();
    form.firstEnd = reader.Column();
    const std::string_view first = form.first;
    form.declaresVariables = first == words::kVar || first == words::kVariable;
    form.declaresArray = first == words::kArray;
    form.declaresFunctions = first == words::kFunction || first == words::kFx;
    form.arrayName = CutAt(first, '[');
    const std::size_t open = first.find('(');
    form.hasParenthesis = open != kNone;
    form.functionName = first.substr(0, open);

    const std::string_view rest = statement.substr(form.firstEnd);
    form.nothingAfterName = OnlyBlanks(rest);
    form.assignedExpression = AfterEquals(rest, 0);
    form.assignedTemplate.emplace(form.assignedExpression, true);

    form.indexOpen = statement.find('[');
    form.indexClose = form.indexOpen == kNone ? kNone : statement.find(']', form.indexOpen);
    if (form.indexClose != kNone) {
        form.elementExpression = AfterEquals(statement, form.indexClose);
        form.indexTemplate.emplace(
            statement.substr(form.indexOpen + 1, form.indexClose - form.indexOpen - 1), false);
        form.elementTemplate.emplace(form.elementExpression, true);
    }

    const std::string_view command = CutAt(first, '(');
    form.commandColumn = form.firstStart + command.size();
    for (const auto& [word, kind] : kCommands) {
        if (command == word) {
            form.command = kind;
        }
    }
    if (form.command == Command::If || form.command == Command::ElseIf) {
        form.then = FindKeyword(statement, words::kThen, form.commandColumn);
        form.condition = ConditionEvaluator::ConditionText(statement, form.commandColumn);
        form.conditionTemplate.emplace(form.condition, true);
        if (form.then != kNone) {
            form.thenStatement = statement.substr(form.then + words::kThen.size());
            form.opensBlock = OnlyBlanks(form.thenStatement);
        }
    } else if (form.command == Command::Do) {
        WordReader loopReader(statement, form.commandColumn);
        std::string_view word;
        const bool found = loopReader.Next(word);
        const std::string_view keyword = CutAt(word, '(');
        form.hasLoopWord = found && (keyword == words::kWhile || keyword == words::kUntil);
        form.loopsWhile = keyword == words::kWhile;
        form.condition =
            ConditionEvaluator::ConditionText(statement, loopReader.WordStart() + keyword.size());
        form.conditionTemplate.emplace(form.condition, true);
    }
    return form;
}

}  // namespace zyk
