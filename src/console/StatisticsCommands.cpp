#include <ostream>
#include <string>
#include <vector>

#include "console/ConsoleContext.h"
#include "charset/Windows1252.h"
#include "statistics/RegressionPage.h"
#include "statistics/StatisticsPage.h"
#include "statistics/StatisticsTexts.h"

namespace zyk {
namespace {

// Loads the file as the page's Open does; false (reported) when it cannot be read.
bool OpenDataFile(ConsoleContext& context, DataPage& page) {
    const std::string& path = context.options.argument;
    if (!page.Open(path)) {
        UsageError(context, "cannot read the data file '" + path + "'");
        return false;
    }
    return true;
}

void PrintLines(ConsoleContext& context, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        context.out << windows1252::ToUtf8(line) << '\n';
    }
}

}  // namespace

// Opens a value file on a fresh "Standard Deviation" page, presses Calculate and prints the
// seven result lines.
int RunStatsCommand(ConsoleContext& context) {
    StatisticsPage page;
    if (!OpenDataFile(context, page)) {
        return kExitUsage;
    }
    page.Calculate();
    PrintLines(context, page.Results());
    return kExitAnswer;
}

// Chooses the model and opens a pair file on a fresh "Regression" page, presses Calculate and
// prints the six result lines, or the message of a pair without ';'.
int RunRegressionCommand(ConsoleContext& context) {
    const std::optional<RegressionType> type = TypeNamed(context.options.model);
    if (!type) {
        return UsageError(context,
                          "--regression takes linear, logarithmic, exponential or power, "
                          "not '" +
                              context.options.model + "'");
    }
    RegressionPage page;
    page.SetType(*type);
    if (!OpenDataFile(context, page)) {
        return kExitUsage;
    }
    if (!page.Calculate()) {
        context.err << statistics_text::kNoSemicolon;
        return kExitErrorText;
    }
    PrintLines(context, page.Results());
    return kExitAnswer;
}

}  // namespace zyk
