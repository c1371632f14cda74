#include <algorithm>
#include <ostream>

#include "charset/Windows1252.h"
#include "console/ConsoleContext.h"
#include "converter/ConverterPanel.h"
#include "converter/UnitLookup.h"
#include "converter/UnitTable.h"

namespace zyk {
namespace {

// The from-list texts are padded to this width in the list of units.
constexpr std::size_t kListNameWidth = 32;

std::string_view FromText(int position) {
    return kUnitTable[static_cast<std::size_t>(position)].fromText;
}

// "Kelvin, Fahrenheit": the to list of a unit, for the messages.
std::string ToListForMessage(int fromPosition) {
    std::string list;
    for (const int position : ToListPositions(fromPosition)) {
        list += (list.empty() ? "" : ", ") +
                windows1252::ToUtf8(kUnitTable[static_cast<std::size_t>(position)].toText);
    }
    return list;
}

}  // namespace

// Picks FROM and TO as the user picks them in the converter window, presses Convert with VALUE
// and prints the results list.
int RunConvertCommand(ConsoleContext& context) {
    const ConsoleOptions& options = context.options;
    const auto value = ConsoleInputText(context, options.argument);
    const auto fromName = value ? ConsoleInputText(context, options.convertFrom) : std::nullopt;
    const auto toName = fromName ? ConsoleInputText(context, options.convertTo) : std::nullopt;
    if (!toName) {
        return kExitUsage;
    }
    const std::optional<int> from = FindUnitPosition(*fromName);
    if (!from) {
        return UsageError(context, "'" + options.convertFrom +
                                       "' is not a unit of the converter; zykcalc --convert "
                                       "--list shows them");
    }
    const std::string fromText = windows1252::ToUtf8(FromText(*from));
    const std::vector<int> toList = ToListPositions(*from);
    const std::optional<int> to = FindUnitPosition(*toName);
    const auto toEntry = std::find(toList.begin(), toList.end(), to.value_or(-1));
    if (toEntry == toList.end()) {
        const std::string offered = fromText + " converts to " + ToListForMessage(*from);
        if (!to) {
            return UsageError(
                context, "'" + options.convertTo + "' is not a unit of the converter; " + offered);
        }
        return UsageError(context, offered + ", not to " + windows1252::ToUtf8(FromText(*to)));
    }

    ConverterPanel panel;
    panel.SelectFrom(*from);
    panel.SelectTo(static_cast<int>(toEntry - toList.begin()));
    const bool converted = panel.Convert(*value);
    for (const std::string& line : panel.ResultLines()) {
        context.out << windows1252::ToUtf8(line) << '\n';
    }
    return converted ? kExitAnswer : kExitErrorText;
}

// Every group with its units (from-list texts) and their marks.
int RunConvertListCommand(ConsoleContext& context) {
    for (int position = 0; position < kUnitPositionCount; ++position) {
        const UnitPosition& entry = kUnitTable[static_cast<std::size_t>(position)];
        if (entry.kind == UnitPositionKind::Header) {
            context.out << UnitGroupName(entry.group) << '\n';
        } else if (entry.kind == UnitPositionKind::Unit) {
            // Padded in bytes, before UTF-8 makes a degree or square sign two bytes long.
            std::string line = "  " + std::string(entry.fromText);
            line.resize(std::max(kListNameWidth, line.size() + 1), ' ');
            line += entry.mark.substr(1);
            context.out << windows1252::ToUtf8(line) << '\n';
        }
    }
    return kExitAnswer;
}

}  // namespace zyk
