#include "shell/KeypadColours.h"

#include <algorithm>
#include <array>

namespace zyk {
namespace {

constexpr ColorRef kNoHover = 0xFFFFFFFF;

struct KeyGroupRow {
    ColorRef text, face, light, shadow, hover;
    std::array<int, 20> ids;  // zero-padded
};

constexpr std::array<KeyGroupRow, 9> kKeyGroups = {{
    // digits 0-9
    {0xC8F0C8,
     0x3C3C3C,
     0x505050,
     0x282828,
     kNoHover,
     {1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031}},
    // hex digits A-F
    {0x8CC8C8, 0x3C3C3C, 0x505050, 0x282828, kNoHover, {1044, 1045, 1046, 1047, 1048, 1049}},
    // + - * / . Exp
    {0xF0F0F0, 0x3C3C3C, 0x505050, 0x282828, kNoHover, {1037, 1036, 1035, 1034, 1032, 1138}},
    // the function keys
    {0x00283C, 0xC8C8C8, 0xDCDCDC, 0xB4B4B4, kNoHover, {1141, 1139, 1140, 1039, 1040, 1142, 1146,
                                                        1147, 1148, 1145, 1144, 1011, 1010, 1012,
                                                        1159, 1143, 1041, 1050, 1051, 1052}},
    // editing keys
    {0xF0F0F0, 0x646464, 0x787878, 0x505050, kNoHover, {1080, 1021, 32868, 32869}},
    // EXE, AC
    {0xF0F0F0, 0x646464, 0x787878, 0x505050, 0x787878, {1033, 1020}},
    // SHIFT, Frm
    {0xF0F0F0, 0x8CA0B4, 0xA0B4C8, 0x788CA0, 0xA0B4C8, {1059, 1007}},
    // Mode, Const
    {0xF0F0F0, 0xA08C8C, 0xB4A0A0, 0x8C7878, 0xB4A0A0, {1073, 1004}},
    // ?
    {0xF0F0F0, 0x8C8CA0, 0xA0A0B4, 0x78788C, 0xA0A0B4, {1003}},
}};

}  // namespace

std::optional<KeypadKeyColours> KeypadColoursForKey(int controlId) {
    if (controlId <= 0) {
        return std::nullopt;
    }
    for (const KeyGroupRow& row : kKeyGroups) {
        if (std::find(row.ids.begin(), row.ids.end(), controlId) == row.ids.end()) {
            continue;
        }
        KeypadKeyColours colours{row.text, row.face, row.light, row.shadow, std::nullopt};
        if (row.hover != kNoHover) {
            colours.hoverFace = row.hover;
        }
        return colours;
    }
    return std::nullopt;
}

}  // namespace zyk
