#pragma once

#include <string>

#include "StructureMutator.h"

namespace zyk::fuzz {

// A libFuzzer dictionary of the vocabulary's units and enclosing pairs: one quoted entry per
// line, bytes outside printable ASCII written as \xNN. Entries longer than libFuzzer takes are
// left out.
std::string DictionaryText(const Vocabulary& vocabulary);

}  // namespace zyk::fuzz
