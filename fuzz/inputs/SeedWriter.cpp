#include "SeedWriter.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "SourceLiterals.h"
#include "calculator/KeyScript.h"
#include "charset/Windows1252.h"
#include "converter/UnitTable.h"
#include "expression/ExpressionBytes.h"
#include "formulas/BuiltInFormulas.h"
#include "formulas/DefaultConstants.h"
#include "formulas/FormulaMessages.h"
#include "program/LanguageWords.h"
#include "shell/SettingsKeys.h"

namespace zyk::fuzz {
namespace {

namespace fs = std::filesystem;

// The targets' own size bounds.
constexpr std::size_t kLongestText = 4096;
constexpr std::size_t kLongestFile = 8192;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Test texts are UTF-8 with the calculator's own characters; other bytes stay as they are.
std::string CalculatorBytes(const std::string& text) {
    return windows1252::FromUtf8(text).value_or(text);
}

// Seeds of one target, each kept once, in files named after a hash of their bytes.
class SeedFolder {
public:
    SeedFolder(const fs::path& root, const char* target, std::size_t longest)
        : m_folder(root / target), m_longest(longest) {
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }

    void Add(const std::string& seed) {
        if (seed.size() > m_longest || !m_seen.insert(seed).second) {
            return;
        }
        std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
        for (const char c : seed) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        char name[17];
        std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
        std::ofstream(m_folder / name, std::ios::binary) << seed;
    }

private:
    fs::path m_folder;
    std::size_t m_longest;
    std::set<std::string> m_seen;
};

std::vector<std::string> LiteralsOf(const fs::path& folder) {
    std::vector<std::string> literals;
    if (!fs::is_directory(folder)) {
        return literals;
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto extension = entry.path().extension();
        if (entry.is_regular_file() && (extension == ".cpp" || extension == ".h")) {
            for (std::string& literal : StringLiterals(ReadFile(entry.path()))) {
                literals.push_back(CalculatorBytes(literal));
            }
        }
    }
    return literals;
}

std::string Repeat(const std::string& unit, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

void ExpressionSeeds(const fs::path& source, SeedFolder& seeds) {
    // Selector bytes: ten decimals, degrees, Normal; in the decimal, hexadecimal and binary base.
    constexpr char kSelectors[] = {'\xA0', '\xA1', '\xA2'};
    std::vector<std::string> texts;
    for (const char* area : {"expression", "calculator", "console"}) {
        for (std::string& literal : LiteralsOf(source / "tests" / area)) {
            if (literal.find('\n') == std::string::npos) {
                texts.push_back(std::move(literal));
            }
        }
    }
    const std::string marker(1, kFunctionMarker);
    for (const std::size_t n : {10, 63, 64, 65, 200, 449, 450, 1000}) {
        texts.push_back(Repeat("1*", n) + "1");
        texts.push_back(Repeat("2^", n) + "1");
        texts.push_back(Repeat("(", n) + "1" + Repeat(")", n));
        texts.push_back(Repeat(marker + "sqrt(", n) + "2" + Repeat(")", n));
        texts.push_back(Repeat(std::string(1, kNegationSign), n) + "1");
        texts.push_back(Repeat("9", n));
    }
    for (const std::string& text : texts) {
        for (const char selector : kSelectors) {
            seeds.Add(selector + text);
        }
    }
}

bool LooksLikeProgram(const std::string& text) {
    namespace w = language_words;
    for (const std::string_view word : {w::kVar, w::kVariable, w::kArray, w::kFunction, w::kFx,
                                        w::kPrint, w::kInput, w::kIf, w::kDo}) {
        if (text.rfind(word, 0) == 0 || text.find("\n" + std::string(word)) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void ProgramSeeds(const fs::path& source, SeedFolder& seeds) {
    namespace w = language_words;
    for (const std::string& literal : LiteralsOf(source / "tests" / "program")) {
        if (LooksLikeProgram(literal)) {
            seeds.Add(literal);
        }
    }
    if (fs::is_directory(source / "examples")) {
        for (const auto& entry : fs::directory_iterator(source / "examples")) {
            if (entry.path().extension() == ".bas") {
                seeds.Add(ReadFile(entry.path()));
            }
        }
    }
    for (const auto& entry : fs::directory_iterator(source / "resources" / "help")) {
        for (const std::string& block : PreformattedBlocks(ReadFile(entry.path()))) {
            if (LooksLikeProgram(block)) {
                seeds.Add(CalculatorBytes(block));
            }
        }
    }
    const std::string ifOpen = std::string(w::kIf) + " (i < 9) " + std::string(w::kThen) + "\n";
    const std::string loopOpen =
        std::string(w::kDo) + " " + std::string(w::kWhile) + " (i < 3)\ni = i+1\n";
    for (const std::size_t depth : {2, 20, 100}) {
        const std::string head = "var i, n\n";
        seeds.Add(head + Repeat(ifOpen, depth) + "print i\n" + Repeat("end\n", depth));
        seeds.Add(head + Repeat(loopOpen, depth) + "n = n+1\n" + Repeat("loop\n", depth));
        seeds.Add(head +
                  Repeat(std::string(w::kIf) + " (0=0) " + std::string(w::kThen) + " ", depth) +
                  "print 1\n");
        seeds.Add(head + Repeat("n = n+1\nprint n\n", depth));
    }
    seeds.Add("var x\nfunction f(x) g(x)\nf(x) = x*2\ng(x) = sqrt(x)+1\nprint f(g(f(2)))\n" +
              Repeat("print f(x) g(x)\n", 30));
    seeds.Add("var i\narray a[10] = {1,2,3}\narray b[4] = {-1}\n" +
              Repeat("a[i] = b[i%4]+i\ni = i+1\n", 20) + "print mean(a) median(a) std(a) " +
              "std2(a) sum(a) prod(a)\n");
    seeds.Add("var f\ninput \"f(x)? \" f\nfunction g(f)\ninput g\nprint g(2)\n");
}

void KeySeeds(const fs::path& source, SeedFolder& seeds) {
    for (const char* area : {"calculator", "console", "ui"}) {
        for (const std::string& literal : LiteralsOf(source / "tests" / area)) {
            const ParsedKeyScript parsed = ParseKeyScript(literal);
            if (parsed.error.empty() && !parsed.keys.empty()) {
                seeds.Add(literal);
            }
        }
    }
    seeds.Add("1 2 + 3" + Repeat(" CopyExpression Paste", 18) + " EXE");
    seeds.Add(Repeat("( ", 70) + "1" + Repeat(" )", 70) + " EXE");
    seeds.Add(Repeat("1 * ", 500) + "1 EXE");
    for (int index = 0; index <= kFirstUserFormulaIndex + 1; ++index) {
        seeds.Add("frm:" + std::to_string(index) +
                  " 2 EXE 3 EXE 4 EXE 5 EXE EditFormula < < "
                  "Del> 7 EXE SaveAs:f" +
                  std::to_string(index) + " Save EXE");
    }
    seeds.Add("2 var:x + 1 SaveAs:line EXE 3 EXE frm:51 4 EXE Esc 5 Mx 3 EXE SHIFT EXE");
    seeds.Add("mode:Hexadecimal F F + 1 EXE mode:Binary 1 0 1 EXE mode:Decimal SHIFT BIN 1 0 EXE");
}

std::string RecordFileText(std::string_view header,
                           const std::vector<std::array<std::string, 3>>& records) {
    std::string text = std::string(header) + "\r\n";
    for (const auto& record : records) {
        for (const std::string& line : record) {
            text += line + "\r\n";
        }
    }
    return text;
}

// A file in its variants: as it is, without its last line end, with a record cut short, with
// LF line ends, with a header of another version; each followed by what the user does.
void RecordFileSeeds(std::string_view header, const std::vector<std::array<std::string, 3>>& all,
                     SeedFolder& seeds) {
    const std::string actions = std::string(1, '\0') + "\x02New name\x01[x]*2\x01[x]*2";
    std::vector<std::string> files;
    files.push_back(RecordFileText(header, all));
    files.push_back(RecordFileText(header, {}));
    for (std::size_t i = 0; i < all.size(); i += 7) {
        files.push_back(RecordFileText(header, {all[i]}));
    }
    std::string whole = files.front();
    files.push_back(whole.substr(0, whole.size() - 2));
    files.push_back(whole + all.front()[0] + "\r\n");
    std::string lf = whole;
    std::erase(lf, '\r');
    files.push_back(lf);
    std::string other = whole;
    other[3] = static_cast<char>(other[3] == '9' ? '0' : other[3] + 1);
    files.push_back(other);
    files.push_back("");
    for (const std::string& file : files) {
        seeds.Add(file);
        seeds.Add(file + actions);
    }
}

void FormulaFileSeeds(const fs::path& source, SeedFolder& seeds) {
    std::vector<std::array<std::string, 3>> records;
    const auto formulas = BuiltInFormulas();
    for (int i = kFirstPlainFormulaIndex; i < kBuiltInFormulaCount; ++i) {
        const BuiltInFormula& f = formulas[static_cast<std::size_t>(i)];
        records.push_back(
            {std::string(f.name), std::string(f.displayForm), std::string(f.calculatorForm)});
    }
    RecordFileSeeds(formula_text::kFormulaFileHeader, records, seeds);
    const std::string header(formula_text::kFormulaFileHeader);
    for (const std::string& literal : LiteralsOf(source / "tests" / "formulas")) {
        if (literal.rfind(header, 0) == 0) {
            seeds.Add(literal);
        }
    }
}

void ConstantFileSeeds(const fs::path& source, SeedFolder& seeds) {
    std::vector<std::array<std::string, 3>> records;
    for (const DefaultConstant& c : kDefaultConstants) {
        records.push_back({std::string(c.name), std::string(c.symbol), std::string(c.value)});
    }
    RecordFileSeeds(formula_text::kConstantFileHeader, records, seeds);
    const std::string header(formula_text::kConstantFileHeader);
    for (const std::string& literal : LiteralsOf(source / "tests" / "formulas")) {
        if (literal.rfind(header, 0) == 0) {
            seeds.Add(literal);
        }
    }
}

void SettingsSeeds(SeedFolder& seeds) {
    namespace s = settings;
    std::string ini = "[" + std::string(s::kSettings) + "]\n";
    for (const s::IntEntry& e : {s::kLeft, s::kTop, s::kConstantsLeft, s::kConstantsTop,
                                 s::kProgrammingLeft, s::kProgrammingTop}) {
        ini += std::string(e.entry) + "=" + std::to_string(e.defaultValue) + "\n";
    }
    ini += "\n[" + std::string(s::kView) + "]\nFont=Arial\nFontSize=9\nFont%20Offset=1\n";
    ini += "\n[" + std::string(s::kDisplay) + "]\nFont=Courier New\nDecimals=12\nFormat=502\n";
    ini += "\n[" + std::string(s::kFolders) + "]\nPrograms=/tmp/p\nStatistical=\n";
    ini += "\n[" + std::string(s::kColors) + "]\nPreset=3\nBkc=4143\nclrBk=11053224\n";
    for (const auto& e : s::kButtonColors) {
        ini += std::string(e.entry) + "=" + std::to_string(e.defaultValue) + "\n";
    }
    ini += "\n[User%20Constants]\n0=1.5\n1=-2.25e+300\n2=abc\n3=\n9=1e999\n";
    const std::string text = std::string(1, '\0') + "Courier New";
    seeds.Add(ini);
    seeds.Add(ini + text);
    seeds.Add("[Display]\nDecimals=-1\nFormat=0x1f5\nFont=\"a, b\"\n" + text);
    seeds.Add("[Display]\nDecimals=99999999999\nFormat=@Invalid()\n[Colors]\nPreset=-7\n");
    seeds.Add("[View]\nFontSize=\xE9\xE8\nFont=\\x20ac\\0\n[Folders]\nPrograms=\"\"\n");
    seeds.Add(std::string("[Settings]\nLeft=1\n") + '\0' + "\xA6M1\xA6 \xAD" + "5 \x81\x8D\x90");
}

void ConverterSeeds(const fs::path& source, SeedFolder& seeds) {
    const std::vector<std::string> values = {"1",     "0",      "-40", "-273.15", "-459.67",
                                             "1e300", "1.5e-3", "abc", ".5",      "  7 m"};
    for (int from = 0; from <= kUnitPositionCount; ++from) {
        const int entries = static_cast<int>(ToListPositions(from).size());
        for (const int to : {0, entries - 1, entries}) {
            for (const std::string& value : values) {
                seeds.Add(std::string{static_cast<char>(from), static_cast<char>(to)} + value);
            }
        }
    }
    for (const std::string& literal : LiteralsOf(source / "tests" / "converter")) {
        if (literal.find('\n') == std::string::npos) {
            seeds.Add(std::string{static_cast<char>(kCelsiusPosition), '\0'} + literal);
            seeds.Add(std::string{'\x06', '\x01', '1', '\0'} + literal);
        }
    }
}

void StatisticsSeeds(const fs::path& source, SeedFolder& seeds) {
    // Selector bytes: the Standard Deviation page; the Regression page with each model.
    constexpr char kValues = '\0';
    constexpr char kPairs[] = {'\x01', '\x03', '\x05', '\x07'};
    std::vector<std::string> files;
    for (const std::string& literal : LiteralsOf(source / "tests" / "statistics")) {
        files.push_back(literal);
    }
    std::string values, pairs, duplicates;
    for (int i = 1; i <= 400; ++i) {
        values += std::to_string(i * 37 % 101) + ".5\r\n";
        pairs += std::to_string(i) + ";" + std::to_string(2 * i + i % 3) + "\r\n";
        duplicates += (i % 2 ? "1\n" : "1.0\n");
    }
    files.insert(files.end(), {values, pairs, duplicates, "1e308\n1e308\n-1e308\n", "1;1\n1;1\n",
                               "0;0\n\n", "x\r\ny\r\n"});
    const std::string actions = std::string(1, '\0') +
                                "2.5\x01"
                                "3";
    const std::string pairAction = std::string(1, '\0') + "4;9";
    for (const std::string& file : files) {
        seeds.Add(kValues + file);
        seeds.Add(kValues + file + actions);
        for (const char pair : kPairs) {
            seeds.Add(pair + file + pairAction);
        }
    }
}

}  // namespace

void WriteSeeds(const fs::path& source, const fs::path& out) {
    SeedFolder expression(out, "evaluator", kLongestText + 1);
    ExpressionSeeds(source, expression);
    SeedFolder program(out, "program", kLongestText);
    ProgramSeeds(source, program);
    SeedFolder keys(out, "keys", kLongestText);
    KeySeeds(source, keys);
    SeedFolder formulaFile(out, "formula_file", kLongestFile);
    FormulaFileSeeds(source, formulaFile);
    SeedFolder constantFile(out, "constant_file", kLongestFile);
    ConstantFileSeeds(source, constantFile);
    SeedFolder settingsFile(out, "settings", kLongestFile);
    SettingsSeeds(settingsFile);
    SeedFolder converter(out, "converter", 1024);
    ConverterSeeds(source, converter);
    SeedFolder statistics(out, "statistics", kLongestFile);
    StatisticsSeeds(source, statistics);
}

}  // namespace zyk::fuzz
