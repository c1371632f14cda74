#include "shell/ColourScheme.h"

#include <algorithm>
#include <cstddef>

#include "shell/SettingsKeys.h"
#include "shell/SkinButtonLook.h"

namespace zyk {
namespace {

int ToStored(ColorRef colour) {
    return static_cast<int>(colour);
}
ColorRef FromStored(int value) {
    return static_cast<ColorRef>(value);
}

ColorRef ReadColour(const SettingsStore& store, const settings::IntEntry& entry) {
    return FromStored(store.Read(entry));
}

void WriteColour(SettingsStore& store, const settings::IntEntry& entry, ColorRef colour) {
    store.Write(entry, ToStored(colour));
}

bool IsTintedScheme(int scheme) {
    return scheme >= 1 && scheme <= 8;
}

}  // namespace

SchemeColours SchemeTableColours(int scheme, const PlatformColours& platform) {
    SchemeColours colours;
    if (IsTintedScheme(scheme)) {
        const SchemeRow& row = kTintedSchemes[static_cast<std::size_t>(scheme - 1)];
        colours.bkc = row.bkc;
        colours.background = row.background;
        colours.darkBackground = row.darkBackground;
        colours.displayBackground = kTintedDisplayBackground;
        colours.families = row.families;
        colours.textColours = kTintedButtonTextColours;
        return colours;
    }
    colours.bkc = 0;
    colours.background = platform.face;
    colours.darkBackground = platform.face;
    colours.displayBackground = kPlainDisplayBackground;
    colours.families.fill(ButtonFamily{platform.face, platform.light, platform.shadow});
    colours.textColours.fill(kPlainButtonTextColour);
    return colours;
}

SchemeColours ReadSchemeColours(const SettingsStore& store) {
    SchemeColours colours;
    colours.bkc = store.Read(settings::kColorsBkc);
    colours.background = ReadColour(store, settings::kClrBk);
    colours.darkBackground = ReadColour(store, settings::kClrBkk);
    colours.displayBackground = ReadColour(store, settings::kClrDisplayBkC);
    for (std::size_t family = 0; family < colours.families.size(); ++family) {
        colours.families[family].face = ReadColour(store, settings::kButtonColors[family * 3]);
        colours.families[family].light = ReadColour(store, settings::kButtonColors[family * 3 + 1]);
        colours.families[family].dark = ReadColour(store, settings::kButtonColors[family * 3 + 2]);
    }
    for (std::size_t text = 0; text < colours.textColours.size(); ++text) {
        colours.textColours[text] = ReadColour(store, settings::kButtonTextColors[text]);
    }
    return colours;
}

void WriteSchemeColours(SettingsStore& store, const SchemeColours& colours) {
    store.Write(settings::kColorsBkc, colours.bkc);
    WriteColour(store, settings::kClrBk, colours.background);
    WriteColour(store, settings::kClrBkk, colours.darkBackground);
    WriteColour(store, settings::kClrDisplayBkC, colours.displayBackground);
    for (std::size_t family = 0; family < colours.families.size(); ++family) {
        WriteColour(store, settings::kButtonColors[family * 3], colours.families[family].face);
        WriteColour(store, settings::kButtonColors[family * 3 + 1], colours.families[family].light);
        WriteColour(store, settings::kButtonColors[family * 3 + 2], colours.families[family].dark);
    }
    for (std::size_t text = 0; text < colours.textColours.size(); ++text) {
        WriteColour(store, settings::kButtonTextColors[text], colours.textColours[text]);
    }
}

int ReadSchemeNumber(const SettingsStore& store) {
    return store.Read(settings::kColorsPreset);
}

AppliedScheme ApplyScheme(SettingsStore& store, const PlatformColours& platform) {
    AppliedScheme applied;
    applied.scheme = ReadSchemeNumber(store);
    WriteSchemeColours(store, SchemeTableColours(applied.scheme, platform));

    // Read back, as every window does: the store is the one place the colours live.
    const SchemeColours stored = ReadSchemeColours(store);
    applied.tintedLayout = applied.scheme > 0;
    applied.displayBackground = stored.displayBackground;
    if (applied.tintedLayout) {
        applied.pictureFile = std::string(BackgroundPictureFile(stored.bkc));
    }
    return applied;
}

AssignedButtonColours AssignButtonColours(const SchemeColours& colours, int family,
                                          int textColour) {
    const auto familyIndex = static_cast<std::size_t>(std::clamp(family, 1, 4) - 1);
    const auto textIndex = static_cast<std::size_t>(std::clamp(textColour, 1, 3) - 1);
    const ButtonFamily& chosen = colours.families[familyIndex];
    return AssignedButtonColours{
        colours.textColours[textIndex],
        chosen.face,
        chosen.face,
        chosen.light,
        chosen.dark,
        chosen.light,
        kSkinStyleHoverFace,
    };
}

std::string_view BackgroundPictureFile(int bkc) {
    const int index = bkc - kFirstPictureNumber;
    if (index < 0 || index >= static_cast<int>(kBackgroundPictureFiles.size())) {
        return {};
    }
    return kBackgroundPictureFiles[static_cast<std::size_t>(index)];
}

std::string_view SchemeName(int scheme) {
    if (scheme < 0 || scheme >= kSchemeCount) {
        return {};
    }
    return kSchemeNames[static_cast<std::size_t>(scheme)];
}

}  // namespace zyk
