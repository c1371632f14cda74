#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dictionary.h"
#include "SourceLiterals.h"

namespace zyk::test {
namespace {

using namespace std::string_literals;
using Texts = std::vector<std::string>;

struct LiteralCase {
    const char* what;
    std::string source;
    Texts literals;
};

TEST(StringLiterals, ReadsTheTextsTheCompilerReads) {
    const LiteralCase cases[] = {
        {"escapes", R"(f("a\tb", "c\"d\\");)", {"a\tb", "c\"d\\"}},
        {"adjacent literals join", R"(x = "ab" "cd";)", {"abcd"}},
        {"a comment between joins too", "\"ab\" /* c */ \"cd\" // e\n \"ef\"", {"abcdef"}},
        {"a hex escape ends where its literal ends", R"("\xA6" "M1" "\x41\x42")", {"\xA6M1AB"}},
        {"octal escapes, a zero byte", R"("\101\0B")", {"A\0B"s}},
        {"separated literals stay apart", R"({"a", "b"})", {"a", "b"}},
        {"comments hold no literal", "// \"no\"\n/* \"no\" */ \"yes\"", {"yes"}},
        {"character literals are skipped", R"(c == '"' || c == '\'' ? "x" : "y")", {"x", "y"}},
        {"a digit separator is no quote", R"(n = 1'000'000; s = "z";)", {"z"}},
        {"raw literals as written", R"x(R"(a"b\n)" R"q(p)"r)q")x", {"a\"b\\np)\"r"}},
        {"R ending a name is no raw literal", R"(VAR"ab")", {"ab"}},
    };
    for (const LiteralCase& c : cases) {
        EXPECT_EQ(fuzz::StringLiterals(c.source), c.literals) << c.what;
    }
}

TEST(PreformattedBlocks, TakesTheBlocksTextsWithoutTags) {
    const std::string page =
        "<p>print 1</p><pre>var a\nprint a &lt; 1 &amp;&amp; &quot;q&quot;</pre>"
        "<pre class=\"x\"><b>if</b> (a &gt; 0) then&#39;</pre><pre>unclosed";
    EXPECT_EQ(fuzz::PreformattedBlocks(page),
              (Texts{"var a\nprint a < 1 && \"q\"", "if (a > 0) then'"}));
}

TEST(DictionaryText, QuotesEveryUnitOnceAndEscapesWhatLibFuzzerNeeds) {
    fuzz::Vocabulary vocabulary;
    vocabulary.units = {
        "sin", "say \"hi\"", "a\\b", "\xB7", "", "sin", std::string(65, 'x'), std::string(64, 'y'),
        "\n"};
    vocabulary.wrappers = {{"(", ")"}, {"if", ""}};
    EXPECT_EQ(fuzz::DictionaryText(vocabulary),
              "\"\\x0A\"\n\"(\"\n\")\"\n\"a\\\\b\"\n\"if\"\n\"say \\\"hi\\\"\"\n\"sin\"\n\"" +
                  std::string(64, 'y') + "\"\n\"\\xB7\"\n");
}

}  // namespace
}  // namespace zyk::test
