#pragma once

#include <string_view>

// The words of the program language, as the interpreter and the pre-run check look for them.
namespace zyk::language_words {

inline constexpr std::string_view kVar = "var";
inline constexpr std::string_view kVariable = "variable";
inline constexpr std::string_view kArray = "array";
inline constexpr std::string_view kFunction = "function";
inline constexpr std::string_view kFx = "fx";
inline constexpr std::string_view kPrint = "print";
inline constexpr std::string_view kInput = "input";
inline constexpr std::string_view kIf = "if";
inline constexpr std::string_view kThen = "then";
inline constexpr std::string_view kElseIf = "elseif";
inline constexpr std::string_view kElse = "else";
inline constexpr std::string_view kEnd = "end";
inline constexpr std::string_view kDo = "do";
inline constexpr std::string_view kWhile = "while";
inline constexpr std::string_view kUntil = "until";
inline constexpr std::string_view kLoop = "loop";
inline constexpr std::string_view kExit = "exit";

// If-stack markers: which branch of an open if-block runs.
inline constexpr int kIfBranchRunning = 11000;
inline constexpr int kElseIfBranchRunning = 11001;
inline constexpr int kElseBranchRunning = 11002;
inline constexpr int kNoBranchYet = 11005;

// Do-stack entry of a loop that is being left.
inline constexpr int kLeavingLoop = -1;

}  // namespace zyk::language_words
