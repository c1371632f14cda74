// Apply on OK: which entries the Options dialog writes, and whether the calculator starts again,
// re-lays its captions or only takes the new values.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "calculator/CalculatorSettings.h"
#include "calculator/OptionsChoice.h"
#include "shell/MemorySettingsStore.h"

namespace zyk {
namespace {

TEST(ApplyOptions, ChangesDecideTheEntriesWrittenAndTheRestart) {
    struct Row {
        const char* name;
        std::function<void(OptionsChoice&)> change;
        bool restart;
        bool relayout;
        bool schemeChanged;
        std::map<std::string, std::string> written;  // "Section/Entry" -> value, beyond the four
    };
    const Row rows[] = {
        // clang-format off
        {"nothing", [](OptionsChoice&) {}, false, false, false, {}},
        {"Scientific", [](OptionsChoice& c) { c.format = AnswerFormat::Scientific; }, false, false, false, {{"Display/Format", "502"}}},
        {"scheme", [](OptionsChoice& c) { c.scheme = 7; }, false, false, true, {{"Colors/Preset", "7"}}},
        {"programs folder", [](OptionsChoice& c) { c.programsFolder = "/data/progs"; }, false, false, false, {{"Folders/Programs", "/data/progs"}}},
        {"new calculator font", [](OptionsChoice& c) { c.viewFont = "DejaVu Sans"; c.viewChanged = true; }, true, false, false,
         {{"View/Font", "DejaVu Sans"}, {"View/FontSize", "9"}, {"View/Font Offset", "1"}}},
        {"new size with a new offset", [](OptionsChoice& c) { c.viewFontSize = 12; c.fontOffset = 3; c.viewChanged = true; }, true, false, false,
         {{"View/Font", "Arial"}, {"View/FontSize", "12"}, {"View/Font Offset", "3"}}},
        {"font picked, then the same one again", [](OptionsChoice& c) { c.viewChanged = true; }, false, false, false, {}},
        {"only the offset", [](OptionsChoice& c) { c.fontOffset = 4; }, false, true, false, {{"View/Font Offset", "4"}}},
        // clang-format on
    };
    for (const Row& row : rows) {
        MemorySettingsStore store;
        CalculatorSettings current;
        current.programsFolder = "/p";
        current.statisticalFolder = "/s";
        OptionsChoice choice = OptionsChoice::FromCurrent(current, 1);
        row.change(choice);
        const OptionsOutcome outcome = ApplyOptions(choice, 1, current, store);
        EXPECT_EQ(outcome.restart, row.restart) << row.name;
        EXPECT_EQ(outcome.relayoutCaptions, row.relayout) << row.name;
        EXPECT_EQ(outcome.schemeChanged, row.schemeChanged) << row.name;

        // The Display page's four entries are always written; the rest only when they changed.
        std::map<std::string, std::string> expected = {{"Display/Decimals", "10"},
                                                       {"Display/Format", "501"},
                                                       {"Display/Font", "Arial"},
                                                       {"Colors/Preset", "1"}};
        for (const auto& [key, value] : row.written) {
            expected[key] = value;
        }
        std::map<std::string, std::string> actual;
        for (const char* key : {"Display/Decimals", "Display/Format", "Display/Font",
                                "Colors/Preset", "Folders/Programs", "Folders/Statistical",
                                "View/Font", "View/FontSize", "View/Font Offset"}) {
            const std::string name(key);
            const std::size_t slash = name.find('/');
            if (const auto value = store.Find(name.substr(0, slash), name.substr(slash + 1))) {
                actual[name] = std::holds_alternative<int>(*value)
                                   ? std::to_string(std::get<int>(*value))
                                   : std::get<std::string>(*value);
            }
        }
        EXPECT_EQ(actual, expected) << row.name;
        // The calculator's own values follow what was written.
        EXPECT_EQ(current.fontOffset, choice.fontOffset) << row.name;
        EXPECT_EQ(current.programsFolder, choice.programsFolder) << row.name;
    }
}

}  // namespace
}  // namespace zyk
