#pragma once

#include <array>
#include <string_view>

#include "program/CodeColourScanner.h"
#include "shell/ColourScheme.h"

// How the programming window sets up its code editor: font, tab stops, colours and the colouring
// rules, as the window's design gives them.
namespace zyk::code_editor {

inline constexpr std::string_view kFontFace = "Courier New";
inline constexpr int kFontPoints = 10;
inline constexpr int kTabStopPixels = 30;

inline constexpr ColorRef kBackground = Rgb(60, 70, 80);

// Indexed by CodeToken. None of them is bold.
inline constexpr std::array<ColorRef, kCodeTokenCount> kTokenColours = {
    Rgb(80, 240, 80),    // plain text, operators, names in no list
    Rgb(60, 255, 255),   // keyword
    Rgb(200, 240, 220),  // word of the second list
    Rgb(255, 255, 0),    // comment
    Rgb(240, 180, 240),  // number
    Rgb(255, 180, 60),   // string
};

inline constexpr std::string_view kKeywords =
    " var variable do while until loop exit for to step next if then elseif else end fx function "
    "array ";
inline constexpr std::string_view kCommentCharacters = "'";
inline constexpr std::string_view kCommentWord = "rem";
inline constexpr char kStringDelimiter = '"';

inline CodeColourRules ProgramRules() {
    CodeColourRules rules;
    rules.commentCharacters = std::string(kCommentCharacters);
    rules.commentWord = std::string(kCommentWord);
    rules.stringDelimiter = kStringDelimiter;
    rules.keywords = std::string(kKeywords);
    rules.caseSensitive = true;
    return rules;
}

}  // namespace zyk::code_editor
