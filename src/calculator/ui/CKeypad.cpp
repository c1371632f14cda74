#include "calculator/ui/CKeypad.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "calculator/KeypadTable.h"
#include "calculator/ui/KeypadColours.h"
#include "calculator/ui/KeypadLayout.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

// Second functions in a dark amber, readable over every background picture and on the plain
// window colour.
constexpr ColorRef kCaptionColour = Rgb(150, 70, 10);
constexpr int kMinimumCaptionPoints = 5;
// The number block's keys are larger and bolder, as on a hand-held; EXE and AC more so.
constexpr int kNumberPointsExtra = 2;
constexpr int kMainKeyPointsExtra = 1;

bool IsNumberBlockKey(CalculatorCommand command) {
    return std::any_of(kNumberBlock.begin(), kNumberBlock.end(),
                       [command](const KeyPlacement& p) { return p.command == command; });
}

// The x position and width of a cell in a row of `columns` equal cells filling `width`.
std::pair<int, int> Cell(int column, int span, int columns, int width, int gap) {
    const int left = column * (width + gap) / columns;
    const int right = (column + span) * (width + gap) / columns - gap;
    return {left, right - left};
}

}  // namespace

CKeypad::CKeypad(const QFont& keyFont, int captionPoints, QWidget* parent)
    : QWidget(parent), m_keyFont(keyFont), m_numberFont(keyFont), m_captionFont(keyFont) {
    m_captionFont.setPointSize(std::max(kMinimumCaptionPoints, captionPoints));
    m_numberFont.setPointSize(keyFont.pointSize() + kNumberPointsExtra);
    m_numberFont.setBold(true);

    QFont mainKeyFont = m_numberFont;
    mainKeyFont.setPointSize(m_numberFont.pointSize() + kMainKeyPointsExtra);

    for (const KeypadKey& key : kKeypadKeys) {
        const bool mainKey =
            key.command == CalculatorCommand::Exe || key.command == CalculatorCommand::AllClear;
        MakeKey(key,
                mainKey ? mainKeyFont : (IsNumberBlockKey(key.command) ? m_numberFont : keyFont));
    }
    Arrange(m_keyFont, m_numberFont);
}

void CKeypad::SetCaptionPoints(int captionPoints) {
    m_captionFont.setPointSize(std::max(kMinimumCaptionPoints, captionPoints));
    Arrange(m_keyFont, m_numberFont);
    update();
}

CSkinButton* CKeypad::Button(CalculatorCommand command) const {
    const auto found = m_keys.find(command);
    return found == m_keys.end() ? nullptr : found->second.button;
}

std::optional<CKeypad::Caption> CKeypad::CaptionOf(CalculatorCommand command) const {
    const auto found = m_keys.find(command);
    return found == m_keys.end() ? std::nullopt : found->second.caption;
}

std::vector<CalculatorCommand> CKeypad::Commands() const {
    std::vector<CalculatorCommand> commands;
    commands.reserve(m_keys.size());
    for (const auto& entry : m_keys) {
        commands.push_back(entry.first);
    }
    return commands;
}

void CKeypad::MakeKey(const KeypadKey& entry, const QFont& font) {
    const CalculatorCommand command = entry.command;
    Key key;
    key.button = new CSkinButton(ToQString(entry.label), this);
    if (const std::optional<KeyPlacement> place = PlacementOf(command)) {
        key.button->setObjectName(QString::number(place->controlId));
    }
    key.button->setFont(font);
    key.button->setFocusPolicy(Qt::NoFocus);
    key.button->setAutoDefault(false);
    key.button->setDefault(false);
    if (const std::optional<KeypadKeyColours> colours = KeypadColoursFor(command)) {
        key.button->SetColours(colours->text, colours->face);
        key.button->SetEdgeColours(colours->light, colours->shadow);
        if (colours->hoverFace) {
            key.button->SetHoverFaceStyle(*colours->hoverFace, *colours->hoverFace);
        } else {
            key.button->SetStyle(kSkinStyleNoHover);
        }
    }
    connect(key.button, &CSkinButton::clicked, this, [this, command] { emit KeyClicked(command); });

    if (!entry.shiftLabel.empty()) {
        key.caption = Caption{ToQString(entry.shiftLabel), QRect()};
    }
    m_keys[command] = key;
}

void CKeypad::Arrange(const QFont& functionFont, const QFont& numberFont) {
    const QFontMetrics functionMetrics(functionFont);
    const QFontMetrics numberMetrics(numberFont);
    const QFontMetrics captionMetrics(m_captionFont);

    const int gap = std::max(4, functionMetrics.height() / 3);
    const int captionHeight = captionMetrics.height();
    const int functionHeight = functionMetrics.height() * 9 / 5;
    const int numberHeight = numberMetrics.height() * 2;
    const int blockGap = gap * 2;

    // Wide enough for the widest label and the widest caption of a one-column key.
    int functionWidth = functionHeight * 2;
    for (const KeyPlacement& place : kFunctionBlock) {
        const KeypadKey key = *KeyForCommand(place.command);
        const int label = functionMetrics.horizontalAdvance(ToQString(key.label)) + 12;
        const int caption = captionMetrics.horizontalAdvance(ToQString(key.shiftLabel));
        functionWidth = std::max({functionWidth, (label + place.columnSpan - 1) / place.columnSpan,
                                  caption / place.columnSpan});
    }
    int numberWidth = numberHeight * 3 / 2;
    for (const KeyPlacement& place : kNumberBlock) {
        const KeypadKey key = *KeyForCommand(place.command);
        numberWidth =
            std::max(numberWidth, numberMetrics.horizontalAdvance(ToQString(key.label)) + 12);
    }
    const int width = std::max(kFunctionColumns * functionWidth + (kFunctionColumns - 1) * gap,
                               kNumberColumns * numberWidth + (kNumberColumns - 1) * gap);

    const auto place = [&](const KeyPlacement& p, int columns, int top, int height) {
        Key& key = m_keys.at(p.command);
        const auto [left, keyWidth] = Cell(p.column, p.columnSpan, columns, width, gap);
        key.button->setGeometry(left, top, keyWidth, height);
        if (key.caption) {
            // The caption may reach into the gaps beside its key.
            key.caption->area =
                QRect(left - gap / 2, top - captionHeight, keyWidth + gap, captionHeight);
        }
    };

    const auto rowTop = [&](int row, int keyHeight) {
        return row * (captionHeight + keyHeight + gap) + captionHeight;
    };
    for (const KeyPlacement& p : kFunctionBlock) {
        place(p, kFunctionColumns, rowTop(p.row, functionHeight), functionHeight);
    }
    const int numberTop = kFunctionRows * (captionHeight + functionHeight + gap) + blockGap;
    for (const KeyPlacement& p : kNumberBlock) {
        place(p, kNumberColumns, numberTop + rowTop(p.row, numberHeight), numberHeight);
    }
    const int height = numberTop + kNumberRows * (captionHeight + numberHeight + gap) - gap;
    m_size = QSize(width, height);
    setFixedSize(m_size);
}

void CKeypad::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(m_captionFont);
    painter.setPen(ToQColor(kCaptionColour));
    for (const auto& entry : m_keys) {
        if (const std::optional<Caption>& caption = entry.second.caption) {
            painter.drawText(caption->area, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                             caption->text);
        }
    }
}

}  // namespace zyk
