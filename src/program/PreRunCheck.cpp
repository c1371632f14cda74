#include "program/PreRunCheck.h"

#include <algorithm>

#include "program/LanguageWords.h"
#include "program/TextScan.h"

namespace zyk {
namespace {

namespace msg = program_messages;
namespace words = language_words;
constexpr std::size_t kNone = std::string_view::npos;

ProgramError Error(std::string_view message) {
    return ProgramError{std::string(message), {}};
}

ProgramError Error(std::string_view message, std::string_view shown) {
    return ProgramError{std::string(message), std::string(shown)};
}

bool BalancedPair(std::string_view line, char open, char close) {
    return std::count(line.begin(), line.end(), open) ==
           std::count(line.begin(), line.end(), close);
}

// Only blanks and tabs after the keyword that starts at pos.
bool NothingAfter(std::string_view line, std::size_t pos, std::string_view keyword) {
    return OnlyBlanks(line.substr(pos + keyword.size()));
}

}  // namespace

std::optional<PreRunFailure> PreRunCheck::Check(const ProgramText& program) {
    Counter ifs;
    Counter loops;
    for (int index = 0; index < program.LineCount(); ++index) {
        if (auto error = CheckLine(program.Line(index), index, ifs, loops)) {
            return PreRunFailure{index, std::move(*error)};
        }
    }
    if (loops.open != 0) {
        return PreRunFailure{loops.lastLine, Error(msg::kUnclosedLoop, msg::kLineDo)};
    }
    if (ifs.open != 0) {
        return PreRunFailure{ifs.lastLine, Error(msg::kUnclosedIf, msg::kLineIf)};
    }
    return std::nullopt;
}

std::optional<ProgramError> PreRunCheck::CheckLine(std::string_view line, int index, Counter& ifs,
                                                   Counter& loops) {
    if (auto error = CheckBrackets(line)) {
        return error;
    }
    if (auto error = CheckIf(line, index, ifs)) {
        return error;
    }
    const std::size_t elsePos = FindKeyword(line, words::kElse);
    if (elsePos != kNone && !NothingAfter(line, elsePos, words::kElse)) {
        return Error(msg::kAfterElse);
    }
    return CheckDo(line, index, loops);
}

std::optional<ProgramError> PreRunCheck::CheckBrackets(std::string_view line) {
    if (!BalancedPair(line, '(', ')')) {
        return Error(msg::kRoundBrackets);
    }
    if (!BalancedPair(line, '[', ']')) {
        return Error(msg::kSquareBrackets);
    }
    if (!BalancedPair(line, '{', '}')) {
        return Error(msg::kBraces);
    }
    return std::nullopt;
}

std::optional<ProgramError> PreRunCheck::CheckCondition(std::string_view line,
                                                        std::size_t keywordEnd,
                                                        std::size_t lastClose) {
    const std::size_t open = line.find('(', keywordEnd);
    if (open == kNone || !OnlyBlanks(line.substr(keywordEnd, open - keywordEnd)) ||
        lastClose == kNone || lastClose < open) {
        return Error(msg::kConditionBrackets);
    }
    return std::nullopt;
}

std::optional<ProgramError> PreRunCheck::CheckIf(std::string_view line, int index, Counter& ifs) {
    // The first occurrence of "if" inside "elseif" has a letter before it and does not count.
    std::size_t keyword = FindKeyword(line, words::kIf);
    std::size_t keywordLength = words::kIf.size();
    const bool isIf = keyword != kNone;
    if (!isIf) {
        keyword = FindKeyword(line, words::kElseIf);
        keywordLength = words::kElseIf.size();
    }
    const std::size_t then = FindKeyword(line, words::kThen);
    if ((keyword != kNone) != (then != kNone) ||
        (keyword != kNone && then < keyword + keywordLength)) {
        return Error(msg::kIfThen);
    }
    if (keyword != kNone) {
        const std::size_t keywordEnd = keyword + keywordLength;
        const std::size_t lastClose = then == 0 ? kNone : line.rfind(')', then - 1);
        if (auto error = CheckCondition(line, keywordEnd, lastClose)) {
            return error;
        }
        if (!OnlyBlanks(line.substr(lastClose + 1, then - lastClose - 1))) {
            return Error(msg::kAfterCondition);
        }
        if (isIf && NothingAfter(line, then, words::kThen)) {
            ++ifs.open;
            ifs.lastLine = index;
        }
    }
    const std::size_t end = FindKeyword(line, words::kEnd);
    if (end != kNone) {
        if (!NothingAfter(line, end, words::kEnd)) {
            return Error(msg::kAfterEnd, msg::kLineIfEnd);
        }
        --ifs.open;
        ifs.lastLine = index;
    }
    return std::nullopt;
}

std::optional<ProgramError> PreRunCheck::CheckDo(std::string_view line, int index, Counter& loops) {
    std::size_t doPos = FindKeyword(line, words::kDo);
    // The "do" of "exit do" leaves a loop; it opens none.
    const std::size_t exitPos = FindKeyword(line, words::kExit);
    if (doPos != kNone && exitPos != kNone && exitPos < doPos &&
        OnlyBlanks(
            line.substr(exitPos + words::kExit.size(), doPos - exitPos - words::kExit.size()))) {
        doPos = kNone;
    }
    const std::size_t whilePos = FindKeyword(line, words::kWhile);
    const std::size_t untilPos = FindKeyword(line, words::kUntil);
    if (whilePos != kNone && (doPos == kNone || doPos > whilePos)) {
        return Error(msg::kDoWithout);
    }
    if (doPos != kNone) {
        // The loop word: the first of while/until that stands after the do.
        std::size_t word = kNone;
        std::size_t wordLength = 0;
        if (whilePos != kNone && whilePos > doPos) {
            word = whilePos;
            wordLength = words::kWhile.size();
        }
        if (untilPos != kNone && untilPos > doPos && untilPos < word) {
            word = untilPos;
            wordLength = words::kUntil.size();
        }
        if (word == kNone) {
            return Error(msg::kDoWithout);
        }
        const std::size_t lastClose = line.rfind(')');
        if (auto error = CheckCondition(line, word + wordLength, lastClose)) {
            return error;
        }
        if (!OnlyBlanks(line.substr(lastClose + 1))) {
            return Error(msg::kAfterCondition);
        }
        ++loops.open;
        loops.lastLine = index;
    }
    const std::size_t loop = FindKeyword(line, words::kLoop);
    if (loop != kNone) {
        if (!NothingAfter(line, loop, words::kLoop)) {
            return Error(msg::kAfterLoop, msg::kLineDoLoop);
        }
        --loops.open;
        loops.lastLine = index;
    }
    return std::nullopt;
}

}  // namespace zyk
