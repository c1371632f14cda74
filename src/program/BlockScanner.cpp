#include "program/BlockScanner.h"

#include "program/LanguageWords.h"
#include "program/TextScan.h"
#include "program/WordReader.h"

namespace zyk {

namespace words = language_words;

std::string_view BlockScanner::CommandWord(std::string_view statement, std::size_t& start) {
    WordReader reader(statement);
    std::string_view word;
    if (!reader.Next(word)) {
        start = statement.size();
        return {};
    }
    start = reader.WordStart();
    return CutAt(word, '(');
}

bool BlockScanner::OpensIfBlock(std::string_view statement, std::size_t ifStart) {
    const std::size_t then = FindKeyword(statement, words::kThen, ifStart + words::kIf.size());
    return then != std::string_view::npos &&
           OnlyBlanks(statement.substr(then + words::kThen.size()));
}

BlockScanner::Target BlockScanner::SkipIfBranch(const ProgramText& program, int from) {
    int depth = 0;
    for (int line = from + 1; line < program.LineCount(); ++line) {
        const std::string_view text = program.Line(line);
        std::size_t start = 0;
        const std::string_view command = CommandWord(text, start);
        if (command == words::kIf) {
            if (OpensIfBlock(text, start)) {
                ++depth;
            }
        } else if (command == words::kElseIf || command == words::kElse) {
            if (depth == 0) {
                return {Target::Kind::Branch, line, {}};
            }
        } else if (command == words::kEnd) {
            WordReader reader(text, start + words::kEnd.size());
            std::string_view extra;
            if (reader.Next(extra)) {
                return {Target::Kind::EndWithWord, line, std::string(extra)};
            }
            if (depth == 0) {
                return {Target::Kind::End, line, {}};
            }
            --depth;
        }
    }
    return {Target::Kind::NotFound, program.LineCount() - 1, {}};
}

BlockScanner::Target BlockScanner::SkipToLoop(const ProgramText& program, int from) {
    int depth = 0;
    for (int line = from + 1; line < program.LineCount(); ++line) {
        std::size_t start = 0;
        const std::string_view command = CommandWord(program.Line(line), start);
        if (command == words::kDo) {
            ++depth;
        } else if (command == words::kLoop) {
            if (depth == 0) {
                return {Target::Kind::Loop, line, {}};
            }
            --depth;
        }
    }
    return {Target::Kind::NotFound, program.LineCount() - 1, {}};
}

}  // namespace zyk
