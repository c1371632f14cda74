#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "calculator/KeypadTable.h"
#include "calculator/ui/KeypadColours.h"

namespace zyk {
namespace {

// A key left out of the colour table would keep the scheme's colours; one in two groups would
// take whichever comes first.
TEST(KeypadColours, EveryKeyIsInExactlyOneGroup) {
    std::size_t members = 0;
    for (const KeypadColourGroup& group : kKeypadColourGroups) {
        members += group.keys.size();
    }
    EXPECT_EQ(members, kKeypadKeys.size());
    for (const KeypadKey& key : kKeypadKeys) {
        const auto groups = std::count_if(kKeypadColourGroups.begin(), kKeypadColourGroups.end(),
                                          [&key](const KeypadColourGroup& group) {
                                              return std::find(group.keys.begin(), group.keys.end(),
                                                               key.command) != group.keys.end();
                                          });
        EXPECT_EQ(groups, 1) << key.label;
    }
    EXPECT_FALSE(KeypadColoursFor(CalculatorCommand::Clear).has_value()) << "a menu item";
}

// The table is checked at its ends: the first group and the last, named by a key's label.
TEST(KeypadColours, EachGroupHasItsDocumentedColours) {
    constexpr ColorRef kNone = 0xFFFFFFFF;
    const struct {
        std::string_view label;
        ColorRef text, face, light, shadow, hover;
    } rows[] = {
        {"7", 0xC8F0C8, 0x3C3C3C, 0x505050, 0x282828, kNone},
        {"?", 0xF0F0F0, 0x8C8CA0, 0xA0A0B4, 0x78788C, 0xA0A0B4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const auto key = std::find_if(kKeypadKeys.begin(), kKeypadKeys.end(),
                                      [&row](const KeypadKey& k) { return k.label == row.label; });
        ASSERT_NE(key, kKeypadKeys.end());
        const auto colours = KeypadColoursFor(key->command);
        ASSERT_TRUE(colours.has_value());
        EXPECT_EQ(colours->text, row.text);
        EXPECT_EQ(colours->face, row.face);
        EXPECT_EQ(colours->light, row.light);
        EXPECT_EQ(colours->shadow, row.shadow);
        EXPECT_EQ(colours->hoverFace.value_or(kNone), row.hover);
    }
}

}  // namespace
}  // namespace zyk
