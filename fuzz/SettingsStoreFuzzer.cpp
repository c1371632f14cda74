// The settings file from any INI text, through the settings store the application uses. Input:
// the file, a zero byte, then a text to store. A start over it reads settings within their
// ranges; a stored text and number read back as written; a second start over a copy of the file
// reads the same settings, memories and colours.
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "CountingMessages.h"
#include "DataFiles.h"
#include "FuzzCheck.h"
#include "FuzzVocabulary.h"
#include "InputParts.h"
#include "LibFuzzer.h"
#include "ScratchFolder.h"
#include "calculator/Calculator.h"
#include "shell/ColourScheme.h"
#include "shell/SettingsKeys.h"
#include "shell/qt/QSettingsStore.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

constexpr std::size_t kMaxInput = 8192;
constexpr PlatformColours kPlatform{0xF0F0F0, 0xFFFFFF, 0xA0A0A0};

bool SameValue(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameSettings(const CalculatorSettings& a, const CalculatorSettings& b) {
    return a.format == b.format && a.maxDecimals == b.maxDecimals &&
           a.displayFont == b.displayFont && a.viewFont == b.viewFont &&
           a.viewFontSize == b.viewFontSize && a.fontOffset == b.fontOffset && a.left == b.left &&
           a.top == b.top && a.programsFolder == b.programsFolder &&
           a.statisticalFolder == b.statisticalFolder;
}

struct Start {
    CalculatorSettings settings;
    double memories[10];
    SchemeColours colours;
};

// What a start of the application reads: the calculator's settings and memories, then the
// colour scheme applied over the colour entries.
Start StartOver(SettingsStore& store, const std::filesystem::path& folder) {
    fuzz::CountingMessages messages;
    Calculator calculator(store, messages, folder);
    Start start;
    start.settings = calculator.Settings();
    for (int digit = 0; digit < 10; ++digit) {
        start.memories[digit] =
            calculator.Evaluator().Memory("M" + std::to_string(digit)).value_or(-1.0);
    }
    Require(start.settings.maxDecimals >= CalculatorSettings::kMinDecimals &&
                start.settings.maxDecimals <= CalculatorSettings::kMaxDecimals,
            "the decimals read are within 0-15");
    Require(start.settings.format ==
                CalculatorSettings::ValidFormat(static_cast<int>(start.settings.format)),
            "the answer format read is one of the three");
    ApplyScheme(store, kPlatform);
    start.colours = ReadSchemeColours(store);
    return start;
}

QString FilePath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::SettingsVocabulary(), LLVMFuzzerMutate);
    return mutator.Mutate(data, size, maxSize, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) {
        return -1;
    }
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), '\0', 2);
    // A stored text never holds a zero byte: the core's texts are C strings at the edges.
    std::string text = parts.size() > 1 ? std::string(parts[1]) : std::string("Arial");
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());

    static fuzz::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.Emptied();
    // QSettings keeps the files it has read: a new name for every input, so none is stale.
    static unsigned long long run = 0;
    ++run;
    const std::filesystem::path file = folder / ("first-" + std::to_string(run) + ".ini");
    const std::filesystem::path copy = folder / ("second-" + std::to_string(run) + ".ini");
    fuzz::WriteBytes(file, parts[0]);

    Start first;
    {
        QSettingsStore store(FilePath(file));
        first = StartOver(store, folder);
        store.WriteText(settings::kDisplayFont.section, settings::kDisplayFont.entry, text);
        Require(store.ReadText(settings::kDisplayFont.section, settings::kDisplayFont.entry, "") ==
                    text,
                "a stored text reads back as written");
        const int number = static_cast<int>(std::hash<std::string>()(text) % 31) - 8;
        store.WriteInt(settings::kDisplayDecimals.section, settings::kDisplayDecimals.entry,
                       number);
        Require(store.ReadInt(settings::kDisplayDecimals.section, settings::kDisplayDecimals.entry,
                              99) == number,
                "a stored number reads back as written");
        first.settings.displayFont = text;
        first.settings.maxDecimals = CalculatorSettings::ValidDecimals(number);
    }
    std::filesystem::copy_file(file, copy);
    QSettingsStore next(FilePath(copy));
    const Start second = StartOver(next, folder);
    Require(SameSettings(first.settings, second.settings),
            "the next start reads the settings the first left");
    for (int digit = 0; digit < 10; ++digit) {
        Require(SameValue(first.memories[digit], second.memories[digit]),
                "the next start reads the same memories");
    }
    Require(first.colours == second.colours, "the next start applies the same colours");
    return 0;
}
