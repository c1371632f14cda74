#include <gtest/gtest.h>

#include <string>

#include "shell/ColourScheme.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"

namespace zyk {
namespace {

constexpr PlatformColours kPlatform{0xD4D0C8, 0xFFFFFF, 0x808080};

int Stored(const MemorySettingsStore& store, std::string_view entry) {
    const auto value = store.Find("Colors", entry);
    EXPECT_TRUE(value.has_value()) << entry << " was not written";
    if (!value || !std::holds_alternative<int>(*value)) {
        return -1;
    }
    return std::get<int>(*value);
}

// The plain scheme, the first and last tinted ones, and numbers outside the table: plain colours,
// the tinted layout still applying above 0 while picture number 0 names no file, so the built-in
// picture is drawn.
TEST(ApplyScheme, WritesItsRowAndReportsWhatToDraw) {
    const struct {
        int preset, bkc, clrBk, clrBkk, btnC2, btnC4D, btnTextC3, display;
        bool tinted;
        std::string picture;
    } rows[] = {
        // clang-format off
        // preset Bkc clrBk   clrBkk    btnC2     btnC4D    btnTextC3 display   tinted picture
        {0,  0,    0xD4D0C8, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x3C3C3C, 0x645A50, false, ""},
        {1,  4141, 0xA5B4B2, 0x788A8C, 0x96A59B, 0x8C8C96, 0x8CF0F0, 0x50463C, true,  "images/Bkc_gold.bmp"},
        {8,  4148, 0xA5B4AA, 0x788C78, 0x91A096, 0x788C8C, 0x8CF0F0, 0x50463C, true,  "images/Bkc_green.bmp"},
        {9,  0,    0xD4D0C8, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x3C3C3C, 0x645A50, true,  ""},
        {-1, 0,    0xD4D0C8, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x3C3C3C, 0x645A50, false, ""},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.preset);
        MemorySettingsStore store;
        store.WriteInt("Colors", "Preset", row.preset);
        const AppliedScheme applied = ApplyScheme(store, kPlatform);
        EXPECT_EQ(Stored(store, "Bkc"), row.bkc);
        EXPECT_EQ(Stored(store, "clrBk"), row.clrBk);
        EXPECT_EQ(Stored(store, "clrBkk"), row.clrBkk);
        EXPECT_EQ(Stored(store, "btnC2"), row.btnC2);
        EXPECT_EQ(Stored(store, "btnC4D"), row.btnC4D);
        EXPECT_EQ(Stored(store, "btnTextC3"), row.btnTextC3);
        EXPECT_EQ(Stored(store, "clrDisplayBkC"), row.display);
        EXPECT_EQ(applied.scheme, row.preset);
        EXPECT_EQ(applied.tintedLayout, row.tinted);
        EXPECT_EQ(applied.pictureFile, row.picture);
        EXPECT_EQ(applied.displayBackground, static_cast<ColorRef>(row.display));
    }
}

TEST(ApplyScheme, EmptyStoreAppliesGoldAndWritesEveryColourEntry) {
    MemorySettingsStore store;
    const AppliedScheme applied = ApplyScheme(store, kPlatform);
    EXPECT_EQ(applied.scheme, 1);
    EXPECT_FALSE(store.Find("Colors", "Preset").has_value()) << "the preset is only read";
    for (const auto& entry : settings::kButtonColors) {
        EXPECT_EQ(Stored(store, entry.entry), entry.defaultValue) << entry.entry;
    }
    for (const auto& entry : settings::kButtonTextColors) {
        EXPECT_EQ(Stored(store, entry.entry), entry.defaultValue) << entry.entry;
    }
    EXPECT_EQ(Stored(store, "clrBk"), settings::kClrBk.defaultValue);
}

TEST(ApplyScheme, HandEditedColoursAreOverwritten) {
    MemorySettingsStore store;
    store.WriteInt("Colors", "Preset", 8);
    store.WriteInt("Colors", "clrBk", 0x123456);
    store.WriteInt("Colors", "btnC1H", 0x000001);
    store.WriteInt("Colors", "Bkc", 4141);
    const AppliedScheme applied = ApplyScheme(store, kPlatform);
    EXPECT_EQ(Stored(store, "clrBk"), 0xA5B4AA);
    EXPECT_EQ(Stored(store, "btnC1H"), 0x969682);
    EXPECT_EQ(Stored(store, "Bkc"), 4148);
    EXPECT_EQ(applied.pictureFile, "images/Bkc_green.bmp");
}

TEST(SchemeColours, ReadingAnEmptyStoreGivesTheGoldRow) {
    const MemorySettingsStore store;
    EXPECT_EQ(ReadSchemeColours(store), SchemeTableColours(1, kPlatform));
}

// Royal Blue: the family gives face, edges and hover face; the text entry gives the text.
TEST(AssignButtonColours, FamilyAndTextEntryAreClampedIntoRange) {
    const struct {
        int family, text;
        ColorRef face, light, dark, textColour;
    } rows[] = {
        {1, 2, 0xA08C96, 0xAA96A0, 0x96828C, 0xF0F0F0},  // ">>"
        {3, 1, 0xA0A096, 0xAAAAA0, 0x96968C, 0x3C3C3C},  // Add, Delete
        {4, 3, 0xA0A0AA, 0xAAAAB4, 0x9696A0, 0x8CF0F0},  // "?"
        {0, 0, 0xA08C96, 0xAA96A0, 0x96828C, 0x3C3C3C},  // clamped up
        {7, 9, 0xA0A0AA, 0xAAAAB4, 0x9696A0, 0x8CF0F0},  // clamped down
    };
    const SchemeColours royal = SchemeTableColours(3, kPlatform);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.family);
        const AssignedButtonColours colours = AssignButtonColours(royal, row.family, row.text);
        EXPECT_EQ(colours.face, row.face);
        EXPECT_EQ(colours.disabledFace, row.face);
        EXPECT_EQ(colours.light, row.light);
        EXPECT_EQ(colours.hoverFace, row.light);
        EXPECT_EQ(colours.shadow, row.dark);
        EXPECT_EQ(colours.text, row.textColour);
        EXPECT_EQ(colours.style, 202);
    }
}

TEST(BackgroundPictureFile, NumbersAroundTheTableNameNoFile) {
    EXPECT_EQ(BackgroundPictureFile(4140), "");
    EXPECT_EQ(BackgroundPictureFile(4149), "");
    EXPECT_EQ(BackgroundPictureFile(0), "");
}

TEST(ColorRef, RedSitsInTheLowByte) {
    EXPECT_EQ(Rgb(60, 80, 100), 0x64503Cu);
    EXPECT_EQ(RedOf(0xA5B4B2), 0xB2);
    EXPECT_EQ(BlueOf(0xA5B4B2), 0xA5);
}

}  // namespace
}  // namespace zyk
