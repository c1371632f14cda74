#include "program/ProgramInterpreter.h"

#include <utility>

#include "expression/ExpressionBytes.h"
#include "program/BlockScanner.h"
#include "program/LanguageWords.h"
#include "program/PreRunCheck.h"
#include "program/TextScan.h"
#include "program/WordReader.h"

namespace zyk {
namespace {

namespace msg = program_messages;
namespace words = language_words;
constexpr std::size_t kNone = std::string_view::npos;

// A string literal item: its text without the quotes, or false when it has no closing quote.
bool StringLiteral(std::string_view word, std::string_view& text) {
    if (word.size() < 2 || word.back() != '"') {
        return false;
    }
    text = word.substr(1, word.size() - 2);
    return true;
}

bool IsStringLiteral(std::string_view word) {
    return !word.empty() && word.front() == '"';
}

}  // namespace

ProgramInterpreter::ProgramInterpreter(ProgramConsole& console)
    : m_console(console),
      m_evaluator(m_data, console, m_error),
      m_conditions(m_evaluator, m_error) {}

void ProgramInterpreter::SetProgram(ProgramText program) {
    m_program = std::move(program);
    m_forms.clear();
}

void ProgramInterpreter::StartProgram() {
    Reset();
    m_state = RunState::Running;
    m_startPending = true;
    m_console.EnterProgramMode();
    Run();
}

void ProgramInterpreter::Reset() {
    ClearRunData();
    m_errorLine.clear();
    m_line = 0;
    m_state = RunState::Idle;
    m_startPending = true;
    m_lastFinish = StepStatus::Idle;
}

bool ProgramInterpreter::IsWaiting() const {
    return m_state == RunState::AwaitInput || m_state == RunState::AwaitFunction;
}

bool ProgramInterpreter::HasEnded() const {
    return m_startPending && m_lastFinish == StepStatus::Ended;
}

bool ProgramInterpreter::IsComputing() const {
    return m_state == RunState::Running && !m_startPending;
}

void ProgramInterpreter::Break() {
    if (!IsComputing()) {
        return;
    }
    m_hold = Hold::None;
    // After an input on the last line the run stands past the end: name the last line.
    if (m_line >= m_program.LineCount() && m_program.LineCount() > 0) {
        m_line = m_program.LineCount() - 1;
    }
    Fail(msg::kStoppedByUser);
    StopRun();
}

void ProgramInterpreter::Run() {
    switch (m_state) {
        case RunState::Running:
            if (m_startPending) {
                StartRun();
            }
            break;
        case RunState::Paused:
            ++m_line;
            m_state = RunState::Running;
            break;
        case RunState::AwaitInput:
            StoreInput();
            break;
        case RunState::AwaitFunction:
            StoreFormula();
            break;
        case RunState::Idle:
        case RunState::Stopped:
            break;
    }
}

void ProgramInterpreter::StartRun() {
    m_failedLine = -1;
    m_console.SetExpressionLine("", true);
    m_console.SetResultLine("", true);
    ClearRunData();
    m_line = 0;
    m_startPending = false;
    if (const auto failure = PreRunCheck::Check(m_program)) {
        m_line = failure->line;
        m_error = failure->error;
        StopRun();
    }
}

void ProgramInterpreter::StoreInput() {
    std::string text;
    if (!m_console.ReadExpressionLine(text) || text.empty()) {
        text.assign(1, '0');  // an empty line reads as 0
    }
    const std::size_t variable = m_data.VariableIndex(m_pendingTarget);
    if (variable == ProgramData::kNotFound) {
        Fail(msg::kInputTargetGone);
        StopRun();
        return;
    }
    std::string echo = m_pendingTarget;
    echo += msg::kVariableEcho;
    echo += text;
    // Stored as typed: "1+2" is worked out where the variable is used.
    if (!m_data.SetValue(variable, std::move(text))) {
        Fail(msg::kOutOfMemory);
        StopRun();
        return;
    }
    m_console.SetResultLine(echo, true);
    m_hold = Hold::Pending;
    ++m_line;
    m_state = RunState::Running;
}

void ProgramInterpreter::StoreFormula() {
    std::string formula;
    const bool typed = m_console.ReadExpressionLine(formula) && !OnlyBlanks(formula);
    const std::size_t index = m_data.FunctionIndex(m_pendingTarget);
    if (!typed || index == ProgramData::kNotFound) {
        Fail(msg::kNoFunctionAdded);
        StopRun();
        return;
    }
    if (!m_data.SetFormula(index, formula)) {
        Fail(msg::kOutOfMemory);
        StopRun();
        return;
    }
    const UserFunction& function = m_data.Functions()[index];
    std::string echo = function.name + "(" + function.parameter;
    echo += msg::kFunctionEcho;
    echo += formula;
    m_console.SetResultLine(echo, true);
    m_hold = Hold::Pending;
    ++m_line;
    m_state = RunState::Running;
}

StepStatus ProgramInterpreter::Step(std::int64_t budget, Answers answers) {
    switch (m_state) {
        case RunState::Idle:
            return StepStatus::Idle;
        case RunState::Paused:
            return StepStatus::Paused;
        case RunState::AwaitInput:
        case RunState::AwaitFunction:
            return StepStatus::Waiting;
        case RunState::Stopped:
            return StepStatus::Failed;
        case RunState::Running:
            break;
    }
    if (m_startPending) {
        return m_lastFinish;
    }
    if (m_hold == Hold::Pending) {
        m_hold = Hold::Shown;
        return StepStatus::Holding;
    }
    // Between two Steps the calculator's modes may have changed.
    if (answers == Answers::Forget) {
        m_evaluator.ForgetAnswers();
    }
    if (m_hold == Hold::Shown) {
        m_hold = Hold::None;
        m_console.SetExpressionLine("", true);
        m_console.SetResultLine("", true);
    }
    for (std::int64_t executed = 0;; ++executed) {
        if (m_line >= m_program.LineCount()) {
            FinishRun();
            return StepStatus::Ended;
        }
        if (executed >= budget && executed > 0) {
            return StepStatus::Continue;
        }
        ++m_executedLines;
        if (!m_program.Line(m_line).empty()) {
            ExecuteStatement(FormOf(m_line), false);
        }
        switch (m_state) {
            case RunState::Stopped: {
                StopRun();
                return StepStatus::Failed;
            }
            case RunState::Paused:
                return StepStatus::Paused;
            case RunState::AwaitInput:
            case RunState::AwaitFunction:
                return StepStatus::Waiting;
            case RunState::Idle:
                return StepStatus::Idle;
            case RunState::Running:
                ++m_line;
                break;
        }
    }
}

void ProgramInterpreter::FinishRun() {
    m_console.SetExpressionLine(msg::kRunAgain, true);
    m_console.SetResultLine("", true);
    PrepareNextRun();
    m_lastFinish = StepStatus::Ended;
}

void ProgramInterpreter::StopRun() {
    const std::string text = m_error.shownText.value_or(std::string(m_program.Line(m_line)));
    m_errorLine = FormatErrorLine(m_line, text, m_error.message);
    m_failedLine = m_line;
    m_console.SetExpressionLine("", false);
    m_console.ShowErrorLine(m_errorLine);
    PrepareNextRun();
    m_lastFinish = StepStatus::Failed;
    // The calculator goes back to calculating when its own evaluator refused a text.
    if (m_error.fromEvaluator) {
        m_console.LeaveProgramMode();
    }
}

void ProgramInterpreter::PrepareNextRun() {
    ClearRunData();
    m_line = 0;
    m_state = RunState::Running;
    m_startPending = true;
}

void ProgramInterpreter::ClearRunData() {
    m_data.Clear();
    m_ifStack.clear();
    m_doStack.clear();
    m_pendingTarget.clear();
    m_hold = Hold::None;
}

bool ProgramInterpreter::Fail(std::string_view message) {
    m_error = ProgramError{std::string(message), std::nullopt, false};
    m_state = RunState::Stopped;
    return false;
}

bool ProgramInterpreter::Fail(std::string_view message, std::string_view shown) {
    m_error = ProgramError{std::string(message), std::string(shown), false};
    m_state = RunState::Stopped;
    return false;
}

StatementForm& ProgramInterpreter::FormOf(int line) {
    if (m_forms.size() != static_cast<std::size_t>(m_program.LineCount())) {
        m_forms.clear();
        m_forms.resize(static_cast<std::size_t>(m_program.LineCount()));
    }
    std::unique_ptr<StatementForm>& form = m_forms[static_cast<std::size_t>(line)];
    if (!form) {
        form = std::make_unique<StatementForm>(StatementForm::Classify(m_program.Line(line)));
    }
    return *form;
}

void ProgramInterpreter::LookUpNames(StatementForm& form) const {
    if (form.lookedUpFor == m_data.Generation()) {
        return;
    }
    form.lookedUpFor = m_data.Generation();
    form.variable = m_data.VariableIndex(form.first);
    form.array = m_data.ArrayIndex(form.arrayName);
    form.function =
        form.hasParenthesis ? m_data.FunctionIndex(form.functionName) : ProgramData::kNotFound;
}

void ProgramInterpreter::ExecuteStatement(StatementForm& form, bool singleLineIf) {
    if (!singleLineIf) {
        m_evaluator.StartStatement();
    }
    if (!form.hasWord) {
        return;
    }
    LookUpNames(form);
    if (TryVariables(form)) {
        return;
    }
    if (singleLineIf) {
        // The statement after "then": variables, commands, functions; no array statement.
        if (TryCommands(form) || TryFunctions(form)) {
            return;
        }
        Fail(msg::kUnknownSingleLineCommand);
        return;
    }
    if (TryArrays(form) || TryFunctions(form) || TryCommands(form)) {
        return;
    }
    Fail(msg::kUnknownCommand);
}

// --- Variables ---------------------------------------------------------------------------

bool ProgramInterpreter::TryVariables(StatementForm& form) {
    if (form.declaresVariables) {
        DeclareVariables(form.statement, form.firstEnd);
        return true;
    }
    if (form.variable != ProgramData::kNotFound) {
        AssignVariable(form);
        return true;
    }
    return false;
}

void ProgramInterpreter::DeclareVariables(std::string_view statement, std::size_t column) {
    WordReader reader(statement, column);
    std::string_view name;
    bool any = false;
    while (reader.Next(name)) {
        any = true;
        if (!IsLegalName(name)) {
            Fail(msg::kIllegalVariableName);
            return;
        }
        if (m_data.FindVariable(name) != nullptr) {
            Fail(msg::kAlreadyExists);
            return;
        }
        if (!m_data.AddVariable(name)) {
            Fail(msg::kOutOfMemory);
            return;
        }
    }
    if (!any) {
        Fail(msg::kNoVariableFound);
    }
}

void ProgramInterpreter::AssignVariable(StatementForm& form) {
    if (form.nothingAfterName) {
        Fail(msg::kEmptyAssignment);
        return;
    }
    if (form.assignedExpression.empty()) {
        Fail(msg::kNoExpressionPresent);
        return;
    }
    std::string value;
    if (!m_evaluator.Evaluate(form.assignedExpression, ProgramEvaluator::kEverything, value,
                              *form.assignedTemplate)) {
        m_state = RunState::Stopped;
        return;
    }
    // Evaluating declares nothing: the variable found before is still the target.
    if (!m_data.SetValue(form.variable, std::move(value))) {
        Fail(msg::kOutOfMemory);
    }
}

// --- Arrays ------------------------------------------------------------------------------

bool ProgramInterpreter::TryArrays(StatementForm& form) {
    if (form.declaresArray) {
        DeclareArray(form.statement, form.firstEnd);
        return true;
    }
    if (form.array != ProgramData::kNotFound) {
        AssignElement(form);
        return true;
    }
    return false;
}

void ProgramInterpreter::DeclareArray(std::string_view statement, std::size_t column) {
    const std::string_view rest = statement.substr(column);
    const std::size_t equals = rest.find('=');
    const std::string_view declaration = TrimBlanks(rest.substr(0, equals));
    const std::size_t open = declaration.find('[');
    const std::size_t close = declaration.find(']');
    if (open == kNone || close == kNone || close < open ||
        !OnlyBlanks(declaration.substr(close + 1))) {
        Fail(msg::kIllegalArray);
        return;
    }
    const std::string_view name = TrimBlanks(declaration.substr(0, open));
    if (!IsLegalName(name)) {
        Fail(msg::kIllegalArrayName);
        return;
    }
    if (m_data.FindArray(name) != nullptr) {
        Fail(msg::kAlreadyExists);
        return;
    }
    const std::size_t size =
        ReadLeadingDigits(TrimBlanks(declaration.substr(open + 1, close - open - 1)),
                          kMaxArraySize + 1)
            .value_or(0);
    if (size > kMaxArraySize) {
        Fail(msg::kOutOfBound);
        return;
    }
    std::vector<std::string> values;
    if (equals != kNone) {
        const std::string_view list = TrimBlanks(rest.substr(equals + 1));
        if (list.size() < 2 || list.front() != '{' || list.back() != '}') {
            Fail(msg::kIllegalArray);
            return;
        }
        std::string_view inner = list.substr(1, list.size() - 2);
        while (true) {
            const std::size_t comma = inner.find(',');
            std::string value(TrimBlanks(inner.substr(0, comma)));
            if (value.empty()) {
                value.assign(1, '0');
            } else if (value.front() == '-') {
                // As the calculator reads a typed value: a leading minus is its sign.
                value.front() = kNegationSign;
            }
            values.push_back(std::move(value));
            if (comma == kNone) {
                break;
            }
            inner = inner.substr(comma + 1);
        }
    }
    if (!m_data.AddArray(name, size, std::move(values))) {
        Fail(msg::kOutOfMemory);
    }
}

void ProgramInterpreter::AssignElement(StatementForm& form) {
    const std::string_view statement = form.statement;
    const std::size_t open = form.indexOpen;
    const std::size_t close = form.indexClose;
    if (close == StatementForm::kNone || OnlyBlanks(statement.substr(open + 1, close - open - 1))) {
        Fail(msg::kNoArrayPosition);
        return;
    }
    std::string indexText;
    if (!m_evaluator.Evaluate(statement.substr(open + 1, close - open - 1),
                              ProgramEvaluator::kVariables, indexText, *form.indexTemplate)) {
        m_state = RunState::Stopped;
        return;
    }
    if (form.elementExpression.empty()) {
        Fail(msg::kNoValue);
        return;
    }
    std::string value;
    if (!m_evaluator.Evaluate(form.elementExpression, ProgramEvaluator::kEverything, value,
                              *form.elementTemplate)) {
        m_state = RunState::Stopped;
        return;
    }
    // A negative index (its text begins with the negation sign) is out of bounds too.
    const auto index = ReadLeadingDigits(indexText, kMaxArraySize + 1);
    if (!index || *index >= m_data.Arrays()[form.array].elements.size()) {
        Fail(msg::kOutOfBound);
        return;
    }
    if (!m_data.SetElement(form.array, *index, std::move(value))) {
        Fail(msg::kOutOfMemory);
    }
}

// --- User functions ------------------------------------------------------------------------

bool ProgramInterpreter::TryFunctions(const StatementForm& form) {
    if (form.declaresFunctions) {
        DeclareFunctions(form.statement, form.firstEnd);
        return true;
    }
    if (form.function != ProgramData::kNotFound) {
        SetFormula(form.statement, form.functionName, form.firstEnd);
        return true;
    }
    return false;
}

void ProgramInterpreter::DeclareFunctions(std::string_view statement, std::size_t column) {
    WordReader reader(statement, column);
    std::string_view word;
    bool any = false;
    while (reader.Next(word)) {
        any = true;
        const std::size_t open = word.find('(');
        const std::string_view name = word.substr(0, open);
        if (!IsLegalName(name)) {
            Fail(msg::kIllegalFunctionName);
            return;
        }
        if (m_data.FindFunction(name) != nullptr) {
            Fail(msg::kAlreadyExists);
            return;
        }
        const std::size_t close = open == kNone ? kNone : word.find(')', open);
        const std::string_view parameter =
            close == kNone ? std::string_view()
                           : TrimBlanks(word.substr(open + 1, close - open - 1));
        if (parameter.empty()) {
            Fail(msg::kNoParameter);
            return;
        }
        if (m_data.FindVariable(parameter) == nullptr) {
            Fail(msg::kParameterNotDeclared);
            return;
        }
        if (!m_data.AddFunction(name, parameter)) {
            Fail(msg::kOutOfMemory);
            return;
        }
    }
    if (!any) {
        Fail(msg::kIllegalFunctionName);
    }
}

void ProgramInterpreter::SetFormula(std::string_view statement, std::string_view name,
                                    std::size_t column) {
    // The first word stopped at '=' or at a blank: the formula follows the next '='.
    const std::string_view formula = AfterEquals(statement, column);
    if (formula.empty()) {
        Fail(msg::kNoFormula);
        return;
    }
    if (!m_data.SetFormula(m_data.FunctionIndex(name), std::string(formula))) {
        Fail(msg::kOutOfMemory);
    }
}

// --- Commands ----------------------------------------------------------------------------

bool ProgramInterpreter::TryCommands(StatementForm& form) {
    const std::string_view statement = form.statement;
    const std::size_t column = form.commandColumn;
    switch (form.command) {
        case Command::Print:
            Print(statement, column);
            break;
        case Command::Input:
            Input(statement, column);
            break;
        case Command::If:
            If(form);
            break;
        case Command::ElseIf:
            ElseIf(form);
            break;
        case Command::Else:
            Else();
            break;
        case Command::End:
            End();
            break;
        case Command::Do:
            Do(form);
            break;
        case Command::Loop:
            Loop();
            break;
        case Command::Exit:
            Exit(statement, column);
            break;
        case Command::None:
            return false;
    }
    return true;
}

void ProgramInterpreter::Print(std::string_view statement, std::size_t column) {
    WordReader reader(statement, column);
    std::string shown;
    std::string_view item;
    while (reader.Next(item)) {
        if (IsStringLiteral(item)) {
            std::string_view text;
            if (!StringLiteral(item, text)) {
                Fail(msg::kNotAString);
                return;
            }
            shown += text;
            continue;
        }
        std::string value;
        if (!m_evaluator.Evaluate(item, ProgramEvaluator::kEverything, value)) {
            m_state = RunState::Stopped;
            return;
        }
        shown += value;
    }
    m_console.SetResultLine(shown, true);
    m_state = RunState::Paused;
}

void ProgramInterpreter::Input(std::string_view statement, std::size_t column) {
    WordReader reader(statement, column);
    std::string_view word;
    if (!reader.Next(word)) {
        Fail(msg::kNothingToInput);
        return;
    }
    std::string_view prompt;
    const bool hasPrompt = IsStringLiteral(word);
    if (hasPrompt) {
        if (!StringLiteral(word, prompt)) {
            Fail(msg::kNotAString);
            return;
        }
        if (!reader.Next(word)) {
            Fail(msg::kNothingToInput);
            return;
        }
    }
    const std::string_view name = CutAt(word, '(');
    if (const UserFunction* function = m_data.FindFunction(name)) {
        std::string shown(prompt);
        if (!hasPrompt) {
            shown = function->name + "(" + function->parameter;
            shown += msg::kFunctionPromptEnd;
        }
        m_pendingTarget = function->name;
        m_console.SetResultLine(shown, true);
        m_console.SetExpressionLine(function->formula, true);
        m_state = RunState::AwaitFunction;
        return;
    }
    if (m_data.FindVariable(name) != nullptr) {
        std::string shown(prompt);
        if (!hasPrompt) {
            shown = std::string(name);
            shown += msg::kVariablePromptEnd;
        }
        m_pendingTarget = std::string(name);
        m_console.SetResultLine(shown, true);
        m_state = RunState::AwaitInput;
        return;
    }
    Fail(msg::kCouldNotInput);
}

bool ProgramInterpreter::Condition(StatementForm& form, bool& holds) {
    if (!m_conditions.Evaluate(form.condition, holds, *form.conditionTemplate)) {
        m_state = RunState::Stopped;
        return false;
    }
    return true;
}

bool ProgramInterpreter::PushIf(int marker) {
    if (m_ifStack.size() >= kMaxBlockDepth) {
        return Fail(msg::kEmptyStack);
    }
    m_ifStack.push_back(marker);
    return true;
}

void ProgramInterpreter::If(StatementForm& form) {
    if (form.then == StatementForm::kNone) {
        Fail(msg::kThenMissing);
        return;
    }
    bool holds = false;
    if (!Condition(form, holds)) {
        return;
    }
    if (form.opensBlock) {
        if (PushIf(holds ? words::kIfBranchRunning : words::kNoBranchYet) && !holds) {
            SkipIfBranch();
        }
        return;
    }
    if (!holds) {
        return;
    }
    // Each nested single-line if is a level of recursion: a line of thousands of them would
    // otherwise exhaust the stack.
    if (m_singleLineIfDepth >= kMaxSingleLineIfNesting) {
        Fail(msg::kNestingTooDeep);
        return;
    }
    if (!form.thenForm) {
        form.thenForm =
            std::make_unique<StatementForm>(StatementForm::Classify(form.thenStatement));
    }
    ++m_singleLineIfDepth;
    ExecuteStatement(*form.thenForm, true);
    --m_singleLineIfDepth;
}

void ProgramInterpreter::ElseIf(StatementForm& form) {
    if (m_ifStack.empty()) {
        Fail(msg::kEmptyStack);
        return;
    }
    const int top = m_ifStack.back();
    if (top == words::kIfBranchRunning || top == words::kElseIfBranchRunning) {
        SkipIfBranch();
        return;
    }
    if (form.then == StatementForm::kNone) {
        Fail(msg::kThenMissing);
        return;
    }
    bool holds = false;
    if (!Condition(form, holds)) {
        return;
    }
    if (holds) {
        m_ifStack.back() = words::kElseIfBranchRunning;
    } else {
        SkipIfBranch();
    }
}

void ProgramInterpreter::Else() {
    if (m_ifStack.empty()) {
        Fail(msg::kEmptyStack);
        return;
    }
    if (m_ifStack.back() == words::kNoBranchYet) {
        m_ifStack.back() = words::kElseBranchRunning;
    } else {
        SkipIfBranch();
    }
}

void ProgramInterpreter::End() {
    if (m_ifStack.empty()) {
        Fail(msg::kEmptyStack);
        return;
    }
    m_ifStack.pop_back();
}

void ProgramInterpreter::SkipIfBranch() {
    const BlockScanner::Target target = BlockScanner::SkipIfBranch(m_program, m_line);
    m_line = target.line;
    switch (target.kind) {
        case BlockScanner::Target::Kind::Branch:
            --m_line;  // the elseif or else runs next
            break;
        case BlockScanner::Target::Kind::End:
            if (!m_ifStack.empty()) {
                m_ifStack.pop_back();
            }
            break;
        case BlockScanner::Target::Kind::EndWithWord:
            Fail(target.word, msg::kLineEndWord);
            break;
        default:
            Fail(msg::kIfWithoutEnd);
            break;
    }
}

void ProgramInterpreter::Do(StatementForm& form) {
    if (!form.hasLoopWord) {
        Fail(msg::kWhileUntilMissing);
        return;
    }
    bool holds = false;
    if (!Condition(form, holds)) {
        return;
    }
    const bool enter = form.loopsWhile ? holds : !holds;
    const bool onTop = !m_doStack.empty() && m_doStack.back().line == m_line;
    if (enter) {
        if (!onTop) {
            if (m_doStack.size() >= kMaxBlockDepth) {
                Fail(msg::kEmptyStack);
                return;
            }
            m_doStack.push_back({m_line, m_ifStack.size()});
        }
        return;
    }
    if (onTop) {
        m_doStack.back().line = words::kLeavingLoop;
    } else {
        m_doStack.push_back({words::kLeavingLoop, m_ifStack.size()});
    }
    SkipToLoop();
}

void ProgramInterpreter::Loop() {
    if (m_doStack.empty()) {
        Fail(msg::kEmptyStack);
        return;
    }
    const LoopEntry entry = m_doStack.back();
    if (entry.line == words::kLeavingLoop) {
        m_doStack.pop_back();
        return;
    }
    // Blocks left open inside the body (a loop inside an if-branch) would pile up otherwise.
    if (m_ifStack.size() > entry.ifDepth) {
        m_ifStack.resize(entry.ifDepth);
    }
    m_line = entry.line - 1;  // the do line runs next and tests again
}

void ProgramInterpreter::Exit(std::string_view statement, std::size_t column) {
    WordReader reader(statement, column);
    std::string_view word;
    if (!reader.Next(word)) {
        // A bare exit ends the program as its last line does.
        m_line = m_program.LineCount() - 1;
        return;
    }
    if (word != words::kDo) {
        Fail(word, msg::kLineExitWord);
        return;
    }
    std::string_view extra;
    if (reader.Next(extra)) {
        Fail(extra, msg::kLineExitDoWord);
        return;
    }
    if (m_doStack.empty()) {
        Fail(msg::kEmptyStack);
        return;
    }
    m_doStack.back().line = words::kLeavingLoop;
    // The if-blocks opened inside the loop are left with it.
    if (m_ifStack.size() > m_doStack.back().ifDepth) {
        m_ifStack.resize(m_doStack.back().ifDepth);
    }
    SkipToLoop();
}

void ProgramInterpreter::SkipToLoop() {
    const BlockScanner::Target target = BlockScanner::SkipToLoop(m_program, m_line);
    m_line = target.line;
    if (target.kind == BlockScanner::Target::Kind::Loop) {
        --m_line;  // the loop runs next and pops the entry
        return;
    }
    Fail(msg::kDoWithoutLoop);
}

}  // namespace zyk
