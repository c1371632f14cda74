// The example programs shipped in examples/ run as a user runs them with zykcalc --run, with
// the inputs a user would type, and show what they promise.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "console/ConsoleFrontEnd.h"
#include "console/ConsoleOptions.h"
#include "support/TempFolder.h"

namespace zyk::test {
namespace {

TEST(Examples, EveryExampleRunsToItsEnd) {
    const struct {
        const char* file;
        const char* input;  // one answer per line
        const char* output;
    } rows[] = {
        {"square.bas", "3\n", "How many? \nn = 3\n1\u00B2 = 1\n2\u00B2 = 4\n3\u00B2 = 9\nDone\n"},
        {"primes.bas", "12\n",
         "Primes up to? \nn = 12\nPrime 1: 2\nPrime 2: 3\nPrime 3: 5\nPrime 4: 7\nPrime 5: 11\n"
         "5 primes up to 12\n"},
        {"primes.bas", "1\n", "Primes up to? \nn = 1\n0 primes up to 1\n"},
        {"gcd_lcm.bas", "12\n18\n",
         "First number? \na = 12\nSecond number? \nb = 18\ngcd = 6\nlcm = 36\n"},
        {"newton.bas", "2\n",
         "Square root of? \na = 2\nStep 1: 1.5\nStep 2: 1.416666667\nStep 3: 1.414215686\n"
         "Step 4: 1.414213562\nStep 5: 1.414213562\nsqrt(2) = 1.414213562\n"},
        {"newton.bas", "-4\n", "Square root of? \na = \u22124\nPlease enter a positive number\n"},
        {"unit_price.bas", "2.49\n0.5\n3.99\n1\n",
         "Price of pack 1? \nprice1 = 2.49\nSize of pack 1? \nsize1 = 0.5\n"
         "Price of pack 2? \nprice2 = 3.99\nSize of pack 2? \nsize2 = 1\n"
         "Pack 1: 4.98 per unit\nPack 2: 3.99 per unit\nPack 2 is the better buy\n"},
        {"unit_price.bas", "2\n1\n4\n2\n",
         "Price of pack 1? \nprice1 = 2\nSize of pack 1? \nsize1 = 1\nPrice of pack 2? \n"
         "price2 = 4\nSize of pack 2? \nsize2 = 2\nPack 1: 2 per unit\nPack 2: 2 per unit\n"
         "Both cost the same per unit\n"},
        {"statistics.bas", "",
         "8 values from 2 to 9\nSum: 40   Product: 201600\nMean: 5   Median: 4.5\n"
         "Standard deviation: 2.138089935 (sample), 2 (population)\n"},
    };
    TempFolder data;
    for (const auto& row : rows) {
        ConsoleOptions options;
        options.command = ConsoleOptions::Command::Run;
        options.argument = (std::filesystem::path(ZYK_SOURCE_DIR) / "examples" / row.file).string();
        options.dataDir = data.Path().string();
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in(row.input);
        EXPECT_EQ(RunConsole(options, out, err, in), 0) << row.file << "\n" << out.str();
        EXPECT_EQ(out.str(), row.output) << row.file;
        EXPECT_EQ(err.str(), "") << row.file;
    }
}

}  // namespace
}  // namespace zyk::test
