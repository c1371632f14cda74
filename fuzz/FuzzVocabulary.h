#pragma once

#include "StructureMutator.h"

// The words each target's inputs are built from, taken from the calculator's own tables: the
// function names and constants of the evaluator, the program language's words and functions,
// the key names of key scripts, the built-in formulas and default constants, the settings
// entries. The custom mutators insert them, and the dictionaries are written from them.
namespace zyk::fuzz {

Vocabulary ExpressionVocabulary();
Vocabulary ProgramVocabulary();
Vocabulary KeyVocabulary();
Vocabulary FormulaFileVocabulary();
Vocabulary ConstantFileVocabulary();
Vocabulary SettingsVocabulary();
Vocabulary ConverterVocabulary();
Vocabulary StatisticsVocabulary();

}  // namespace zyk::fuzz
