#include "calculator/EvaluatorStartup.h"

#include <cstdlib>
#include <string>

#include "calculator/BuiltInConstants.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/NumberFormat.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

namespace zyk {

void SetUpEvaluator(ExpressionEvaluator& evaluator, SettingsStore& store) {
    for (char digit = '0'; digit <= '9'; ++digit) {
        const std::string entry(1, digit);
        const std::string value =
            store.ReadText(settings::kUserConstants, entry, settings::kMemoryDefault);
        evaluator.SetMemory("M" + entry, std::atof(value.c_str()));
    }
    for (const auto& constant : kBuiltInConstants) {
        evaluator.SetConstant(constant.name, constant.value);
    }
    evaluator.SetMemoryStoreCallback([&store](const MemoryStoreReport& report) {
        store.WriteText(settings::kUserConstants, std::string_view(&report.digit, 1),
                        FormatDouble(report.format, report.value));
    });
}

}  // namespace zyk
