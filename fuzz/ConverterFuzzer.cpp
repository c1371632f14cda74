// The unit converter over any value text and any pair of list positions. Input: the from-list
// position byte, the to-list entry byte (one past the list: no entry), then the value text (and,
// after a zero byte, a unit name as the console takes it). The to list holds the other units of the
// chosen unit's group; a conversion shows a finite result exactly when it enables Insert, and
// converting that result back gives the value again within the seven digits shown.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "FuzzVocabulary.h"
#include "InputParts.h"
#include "LibFuzzer.h"
#include "converter/CUnitConverter.h"
#include "converter/ConverterPanel.h"
#include "converter/UnitLookup.h"
#include "converter/UnitTable.h"
#include "shell/LeadingNumber.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

constexpr std::size_t kMaxInput = 1024;

void CheckToList(const ConverterPanel& panel, int from) {
    const bool unit = IsUnitPosition(from);
    Require(unit || panel.ToList().empty(), "None and the headers offer no unit to convert to");
    for (const int to : panel.ToList()) {
        Require(to != from && IsUnitPosition(to) &&
                    kUnitTable[static_cast<std::size_t>(to)].group ==
                        kUnitTable[static_cast<std::size_t>(from)].group,
                "the to list holds the other units of the chosen unit's group");
    }
    Require(panel.ToListTexts().size() == panel.ToList().size(), "every to entry has its text");
    Require(!panel.IsConvertEnabled(), "a new from unit waits for its to unit");
}

// The result converted back to the from unit.
void CheckRoundTrip(double value, const std::string& result, int from, int to) {
    const std::vector<int> back = ToListPositions(to);
    const auto entry = std::find(back.begin(), back.end(), from);
    Require(entry != back.end(), "a unit converts back to the unit it came from");
    CUnitConverter converter;
    const std::string again = converter.Convert(result, to, static_cast<int>(entry - back.begin()));
    if (again.empty() || again.front() == '#') {
        return;  // the way back may leave the doubles' range or reach absolute zero
    }
    const double returned = ReadLeadingNumber(again);
    // Seven digits each way, the table's factors, and the offsets of the temperatures.
    Require(std::abs(returned - value) <= 1e-5 * std::abs(value) + 1e-3,
            "converting the result back gives the value again");
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::ConverterVocabulary(), LLVMFuzzerMutate, 2);
    return mutator.Mutate(data, size, maxSize, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > kMaxInput) {
        return -1;
    }
    const int from = data[0] % (kUnitPositionCount + 1);
    const auto parts = fuzz::SplitInput(fuzz::AsText(data + 2, size - 2), '\0', 2);
    const std::string_view valueText = parts[0];

    if (parts.size() > 1) {
        const auto named = FindUnitPosition(parts[1]);
        Require(!named || IsUnitPosition(*named), "a unit name finds a unit");
    }

    ConverterPanel panel;
    panel.SelectFrom(from);
    CheckToList(panel, from);
    const int entries = static_cast<int>(panel.ToList().size());
    const int toEntry = data[1] % (entries + 1);
    panel.SelectTo(toEntry);
    Require(toEntry == entries || panel.IsConvertEnabled(),
            "Convert is enabled once a to unit is chosen");

    const bool converted = panel.Convert(valueText);
    Require(!panel.ResultLines().empty(), "the results list always says something");
    Require(converted == panel.IsInsertEnabled(), "Insert is enabled exactly after a result");
    if (!converted) {
        return 0;
    }
    Require(toEntry < entries, "only a unit of the to list gives a result");
    const std::string& result = panel.LastResult();
    char* end = nullptr;
    const double number = std::strtod(result.c_str(), &end);
    Require(!result.empty() && *end == '\0' && std::isfinite(number),
            "a result is a whole, finite number text");
    CheckRoundTrip(ReadLeadingNumber(valueText), result, from,
                   panel.ToList()[static_cast<std::size_t>(toEntry)]);
    return 0;
}
