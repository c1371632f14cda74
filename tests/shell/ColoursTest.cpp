#include <gtest/gtest.h>

#include <string>

#include "shell/ColourScheme.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "shell/SkinButtonLook.h"

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

// text 1, face 2, disabled face 3, light 4, shadow 5, dark frame 6, hover face 7, hover frame 8,
// focus frame 9
constexpr SkinButtonColours kColours{1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr ColorRef kBlack = 0;
constexpr ColorRef kGrey = 0x808080;

TEST(SkinButtonLook, StateDecidesFaceEdgesAndText) {
    const struct {
        const char* what;
        int style;
        bool showFocus;
        SkinButtonState state;
        ColorRef face, outerFrame, topLeft, bottomRight;
        bool embossed;
        ColorRef text;
        bool hoverFrame, focusFrame;
    } rows[] = {
        // Colours 1-9 are the ones of kColours, by field order; 0 is black.
        // clang-format off
        // what                          style focus {enabled, pressed, hovered, focused} face frame TL BR emboss text hoverF focusF
        {"resting",                      200, false, {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
        {"pressed: dark frame, sunken",  200, false, {true,  true,  false, false}, 2, 6,      5, 4, false, 1,     false, false},
        {"disabled: embossed grey",      200, false, {false, false, false, false}, 3, kBlack, 4, 5, true,  kGrey, false, false},
        {"hovered, style 200: no change",200, false, {true,  false, true,  false}, 2, kBlack, 4, 5, false, 1,     false, false},
        {"hovered, style 201: frame",    201, false, {true,  false, true,  false}, 2, kBlack, 4, 5, false, 1,     true,  false},
        {"hovered, style 202: face",     202, false, {true,  false, true,  false}, 7, kBlack, 4, 5, false, 1,     false, false},
        {"style 202 resting",            202, false, {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
        {"disabled beats hover",         202, false, {false, false, true,  false}, 3, kBlack, 4, 5, true,  kGrey, false, false},
        {"disabled, hovered, style 201", 201, false, {false, false, true,  false}, 3, kBlack, 4, 5, true,  kGrey, true,  false},
        {"pressed while hovered",        202, false, {true,  true,  true,  false}, 7, 6,      5, 4, false, 1,     false, false},
        {"focus without the flag",       200, false, {true,  false, false, true }, 2, kBlack, 4, 5, false, 1,     false, false},
        {"focus with the flag",          200, true,  {true,  false, false, true }, 2, kBlack, 4, 5, false, 1,     false, true },
        {"flag without focus",           200, true,  {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const SkinButtonLook look =
            ComputeSkinButtonLook(kColours, row.style, row.showFocus, row.state);
        EXPECT_EQ(look.face, row.face);
        EXPECT_EQ(look.outerFrame, row.outerFrame);
        EXPECT_EQ(look.topLeftEdge, row.topLeft);
        EXPECT_EQ(look.bottomRightEdge, row.bottomRight);
        EXPECT_EQ(look.sunken, row.state.pressed);
        EXPECT_EQ(look.embossedText, row.embossed);
        EXPECT_EQ(look.textColour, row.text);
        EXPECT_EQ(look.hoverFrame, row.hoverFrame);
        EXPECT_EQ(look.focusFrame, row.focusFrame);
    }
}

}  // namespace
}  // namespace zyk
