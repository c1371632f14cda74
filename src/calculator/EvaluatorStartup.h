#pragma once

namespace zyk {

class ExpressionEvaluator;
class SettingsStore;

// The calculator's evaluator as it starts: the thirteen built-in constants, memories M0-M9 read
// from the store's "User Constants" entries "0"-"9", and every later memory store written back
// to its entry in the format the store rule asks for. `store` must outlive `evaluator`.
void SetUpEvaluator(ExpressionEvaluator& evaluator, SettingsStore& store);

}  // namespace zyk
