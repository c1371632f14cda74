#include "FuzzVocabulary.h"

#include <string>
#include <string_view>

#include "calculator/BuiltInConstants.h"
#include "calculator/KeyScript.h"
#include "calculator/KeypadTable.h"
#include "converter/UnitTable.h"
#include "expression/ExpressionBytes.h"
#include "expression/MathFunctions.h"
#include "formulas/BuiltInFormulas.h"
#include "formulas/DefaultConstants.h"
#include "formulas/FormulaMessages.h"
#include "program/BuiltInFunctions.h"
#include "program/LanguageWords.h"
#include "shell/SettingsKeys.h"

namespace zyk::fuzz {
namespace {

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text += part;
    }
    return text;
}

const std::string kMarker(1, kFunctionMarker);
const std::string kBar(1, kMemoryBar);

// Values that test the edges of number reading, in every target that reads numbers.
constexpr std::string_view kEdgeNumbers[] = {
    "0",      "1",     "2",   "10",  "0.5",        ".5",         "1e3",         "1e308",
    "1e-308", "1e999", "170", "171", "9999999999", "2147483648", "-2147483649", "0x7fffffff",
};

}  // namespace

Vocabulary ExpressionVocabulary() {
    Vocabulary v;
    v.separator = '\0';
    for (const FunctionName& function : kFunctionNames) {
        v.units.push_back(kMarker + std::string(function.name));
        v.units.push_back(Cat({kMarker, function.name, "("}));
        if (function.takesHyperbolic) {
            v.units.push_back(Cat({kMarker, function.name, "h("}));
        }
    }
    for (const std::string_view prefix : {"d", "h", "b"}) {
        v.units.push_back(kMarker + std::string(prefix));
    }
    for (const NamedConstant& constant : kBuiltInConstants) {
        v.units.push_back(Cat({"{", constant.name, "}"}));
    }
    for (const ConstantMenuItem& item : kConstantsMenu) {
        v.units.push_back(Cat({"{", item.symbol, "}"}));
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        const std::string memory = kBar + "M" + digit + kBar;
        v.units.push_back(memory);
        v.units.push_back("=" + memory);
    }
    for (const std::string_view name : {"a", "b"}) {
        v.units.push_back(Cat({kBar, name, kBar}));
    }
    for (const std::string_view variable : {"[x]", "[y]", "[A]", "[]"}) {
        v.units.emplace_back(variable);
    }
    for (const char op : std::string_view("+-*/%&|^!=().e")) {
        v.units.emplace_back(1, op);
    }
    for (const char special : {kNegationSign, kXorSign, kSquareSign, kNoResultVariable}) {
        v.units.emplace_back(1, special);
    }
    for (const std::string_view number : kEdgeNumbers) {
        v.units.emplace_back(number);
    }
    for (const std::string_view hex : {"FF", "7FFFFFFF", "80000000", "101", "11111111111"}) {
        v.units.emplace_back(hex);
    }
    v.wrappers = {{"(", ")"},
                  {kMarker + "sqrt(", ")"},
                  {kMarker + "sin(", ")"},
                  {kMarker + "arctanh(", ")"},
                  {kMarker + "ln(", ")"},
                  {"2^(", ")"},
                  {std::string(1, kNegationSign) + "(", ")"},
                  {"1*", ""},
                  {"(", ")" + kBar + "M0" + kBar}};
    return v;
}

Vocabulary ProgramVocabulary() {
    namespace w = language_words;
    Vocabulary v;
    v.separator = '\n';
    const auto line = [&](std::initializer_list<std::string_view> parts) {
        v.units.push_back(Cat(parts));
    };
    line({w::kVar, " x"});
    line({w::kVar, " i, n"});
    line({w::kVariable, " s t"});
    line({w::kArray, " a[3] = {1,2,3}"});
    line({w::kArray, " b[2]"});
    line({w::kArray, " c[5] = {-1}"});
    line({w::kArray, " d[0]"});
    line({w::kFunction, " f(x)"});
    line({w::kFx, " g(i)"});
    line({"f(x) = x*2+1"});
    line({"g(i) = i^2"});
    line({"x = 1"});
    line({"x = x+1"});
    line({"i = i+1"});
    line({"n = f(2)+g(n)"});
    line({"a[1] = x"});
    line({"a[i] = i*2"});
    line({"x = a[0]+a[2]"});
    line({"x = ", "(-x)"});
    for (const InterpreterFunctionEntry& entry : kInterpreterFunctions) {
        line({"x = ", entry.name, entry.overArray ? "(a)" : "(x)"});
    }
    for (const FunctionMapping& mapping : kFunctionMappings) {
        line({"x = ", mapping.programName, "x)"});
    }
    line({w::kPrint, " x"});
    line({w::kPrint, " \"x = \" x"});
    line({w::kPrint, " (x*2) \"!\" a[1]"});
    line({w::kInput, " x"});
    line({w::kInput, " \"Value? \" n"});
    line({w::kInput, " f"});
    line({w::kIf, " (x > 1) ", w::kThen});
    line({w::kIf, " (x = 0) ", w::kThen, " ", w::kPrint, " x"});
    line({w::kIf, " ((x >= 1) & (i <> 2)) ", w::kThen, " x = 2"});
    line({w::kElseIf, " (x < 0) ", w::kThen});
    line({w::kElse});
    line({w::kEnd});
    line({w::kDo, " ", w::kWhile, " (i < 3)"});
    line({w::kDo, " ", w::kUntil, " (i >= 3)"});
    line({w::kLoop});
    line({w::kExit, " ", w::kDo});
    line({w::kExit});
    line({"' a comment"});
    line({""});
    v.wrappers = {
        {Cat({w::kIf, " (x > 0) ", w::kThen}), std::string(w::kEnd)},
        {Cat({w::kIf, " (i < 2) ", w::kThen}), Cat({w::kElse, "\n", w::kPrint, " i\n", w::kEnd})},
        {Cat({w::kDo, " ", w::kWhile, " (i < 3)\ni = i+1"}), std::string(w::kLoop)},
        {Cat({w::kDo, " ", w::kUntil, " (i > 2)"}), Cat({"i = i+1\n", w::kLoop})},
    };
    return v;
}

Vocabulary KeyVocabulary() {
    Vocabulary v;
    v.separator = ' ';
    std::vector<std::string> names;
    for (const KeypadKey& key : kKeypadKeys) {
        names.emplace_back(key.label);
    }
    for (const std::string_view extra : {"X2", "(-)", "CopyResult", "CopyExpression", "Paste",
                                         "Clear", "EditFormula", "Save", "Esc", "or", "xor"}) {
        names.emplace_back(extra);
    }
    for (const MenuItem& item : kModeMenu) {
        names.push_back(Cat({"mode:", item.text}));
    }
    for (const ConstantMenuItem& item : kConstantsMenu) {
        names.push_back(Cat({"const:", item.symbol}));
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        names.push_back(std::string("mem:") + digit);
    }
    for (const char letter : {'a', 'x', 'y', 'Z'}) {
        names.push_back(std::string("var:") + letter);
    }
    for (const int index : {0, 1, 5, 9, 10, 23, 50, kFirstUserFormulaIndex, 52}) {
        names.push_back("frm:" + std::to_string(index));
    }
    for (const std::string_view name : {"SaveAs:f", "SaveAs:", "SaveAs:area"}) {
        names.emplace_back(name);
    }
    // Only names that the script reader takes as one key: the table labels of menu buttons and
    // labels with blanks are not key names.
    for (std::string& name : names) {
        const ParsedKeyScript parsed = ParseKeyScript(name);
        if (parsed.error.empty() && parsed.keys.size() == 1) {
            v.units.push_back(std::move(name));
        }
    }
    v.wrappers = {{"(", ")"},
                  {"Sqrt (", ")"},
                  {"SHIFT sin (", ")"},
                  {"CopyExpression", "Paste"},
                  {"mode:Formula", "EXE"}};
    return v;
}

Vocabulary FormulaFileVocabulary() {
    Vocabulary v;
    v.separator = '\n';
    v.units.push_back(Cat({formula_text::kFormulaFileHeader, "\r"}));
    v.units.emplace_back(formula_text::kFormulaFileHeader);
    const auto formulas = BuiltInFormulas();
    for (int i = kFirstPlainFormulaIndex; i < kBuiltInFormulaCount; ++i) {
        const BuiltInFormula& formula = formulas[static_cast<std::size_t>(i)];
        v.units.push_back(Cat({formula.name, "\r"}));
        v.units.push_back(Cat({formula.displayForm, "\r"}));
        v.units.push_back(Cat({formula.calculatorForm, "\r"}));
    }
    v.units.emplace_back("\r");
    v.units.emplace_back("");
    v.units.emplace_back(formula_text::kUnknownRecordName);
    return v;
}

Vocabulary ConstantFileVocabulary() {
    Vocabulary v;
    v.separator = '\n';
    v.units.push_back(Cat({formula_text::kConstantFileHeader, "\r"}));
    v.units.emplace_back(formula_text::kConstantFileHeader);
    for (const DefaultConstant& constant : kDefaultConstants) {
        v.units.push_back(Cat({constant.name, "\r"}));
        v.units.push_back(Cat({constant.symbol, "\r"}));
        v.units.push_back(Cat({constant.value, "\r"}));
    }
    for (const std::string_view number : kEdgeNumbers) {
        v.units.push_back(Cat({number, "\r"}));
    }
    v.units.emplace_back("\r");
    v.units.emplace_back("");
    return v;
}

Vocabulary SettingsVocabulary() {
    namespace s = settings;
    Vocabulary v;
    v.separator = '\n';
    for (const std::string_view section :
         {s::kSettings, s::kView, s::kDisplay, s::kFolders, s::kColors}) {
        v.units.push_back(Cat({"[", section, "]"}));
    }
    // QSettings writes a blank of a section or entry name as %20.
    v.units.emplace_back("[User%20Constants]");
    v.units.push_back(Cat({"[", s::kUserConstants, "]"}));
    v.units.emplace_back("[General]");

    std::vector<std::string> entries;
    for (const s::IntEntry& entry :
         {s::kLeft, s::kTop, s::kConstantsLeft, s::kConstantsTop, s::kConvertLeft, s::kConvertTop,
          s::kProgrammingLeft, s::kProgrammingTop, s::kStaticLeft, s::kStaticTop,
          s::kViewFontOffset, s::kDisplayDecimals, s::kDisplayFormat, s::kColorsPreset,
          s::kColorsBkc, s::kClrBk, s::kClrBkk, s::kClrDisplayBkC}) {
        entries.emplace_back(entry.entry);
    }
    for (const auto& entry : s::kButtonColors) {
        entries.emplace_back(entry.entry);
    }
    for (const auto& entry : s::kButtonTextColors) {
        entries.emplace_back(entry.entry);
    }
    for (const s::TextEntry& entry : {s::kViewFont, s::kViewFontSize, s::kDisplayFont,
                                      s::kFoldersPrograms, s::kFoldersStatistical}) {
        entries.emplace_back(entry.entry);
    }
    entries.emplace_back(s::kProgrammingRight);
    entries.emplace_back(s::kProgrammingBottom);
    entries.emplace_back("Font%20Offset");
    for (char digit = '0'; digit <= '9'; ++digit) {
        entries.emplace_back(1, digit);
    }
    constexpr std::string_view kOddValues[] = {
        "",        "-1",         "abc",      "0x10",
        " 12 ",    "@Invalid()", "\"a; b\"", "@Variant(\\0\\0\\0\\x2\\0)",
        "\\x20ac", "1.5e+003",   "a, b",
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        v.units.push_back(entries[i] + "=" +
                          std::string(kEdgeNumbers[i % std::size(kEdgeNumbers)]));
        v.units.push_back(entries[i] + "=" + std::string(kOddValues[i % std::size(kOddValues)]));
    }
    for (const std::string_view value : kOddValues) {
        v.units.emplace_back(value);
    }
    return v;
}

Vocabulary ConverterVocabulary() {
    Vocabulary v;
    v.separator = '\0';
    for (const UnitPosition& position : kUnitTable) {
        for (const std::string_view text : {position.fromText, position.toText, position.mark}) {
            if (!text.empty()) {
                v.units.emplace_back(text);
            }
        }
    }
    for (const std::string_view number : kEdgeNumbers) {
        v.units.emplace_back(number);
    }
    for (const std::string_view part : {"-", "+", "e", "e-", ".", " ", "-273.15", "-459.67"}) {
        v.units.emplace_back(part);
    }
    return v;
}

Vocabulary StatisticsVocabulary() {
    Vocabulary v;
    v.separator = '\n';
    for (const std::string_view number : kEdgeNumbers) {
        v.units.emplace_back(number);
        v.units.push_back(std::string(number) + ";2\r");
        v.units.push_back("-" + std::string(number) + ";" + std::string(number));
    }
    for (const std::string_view line :
         {"", "\r", ";", "1;", ";1", "0.0", "-0", "abc", "1;2;3", "1e-300;1e300", "-1;-1", "0;0"}) {
        v.units.emplace_back(line);
    }
    return v;
}

}  // namespace zyk::fuzz
