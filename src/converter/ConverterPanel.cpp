#include "converter/ConverterPanel.h"

#include <algorithm>

#include "converter/ConverterMessages.h"
#include "converter/UnitTable.h"

namespace zyk {
namespace {

namespace text = converter_text;

}  // namespace

ConverterPanel::ConverterPanel() {
    AskForValueAndUnits();
}

void ConverterPanel::SelectFrom(int position) {
    m_fromPosition = position;
    m_toListPosition = -1;
    m_convertEnabled = false;
    m_toList = ToListPositions(position);
    AskForValueAndUnits();
}

void ConverterPanel::SelectTo(int toListPosition) {
    m_convertEnabled = true;
    m_toListPosition = toListPosition;
    AskForValueAndUnits();
}

bool ConverterPanel::Convert(std::string_view valueText) {
    if (valueText.empty()) {
        ShowFailure(text::kNoValue);
        return false;
    }
    m_lastResult = m_converter.Convert(valueText, m_fromPosition, m_toListPosition);
    if (!m_lastResult.empty() && m_lastResult.front() == text::kErrorMark) {
        std::erase(m_lastResult, text::kErrorMark);
        ShowFailure(std::string(text::kErrorLinePrefix) + m_lastResult);
        return false;
    }
    const UnitPosition& from = kUnitTable[static_cast<std::size_t>(m_fromPosition)];
    const UnitPosition& to =
        kUnitTable[static_cast<std::size_t>(m_toList[static_cast<std::size_t>(m_toListPosition)])];
    std::string conversion(text::kResultIndent);
    conversion.append(valueText)
        .append(m_converter.FromMark())
        .append(text::kEquals)
        .append(m_lastResult)
        .append(m_converter.ToMark());
    m_resultLines = {
        std::string(from.fromText)
            .append(text::kUnitsArrow)
            .append(to.toText)
            .append(text::kUnitsColon),
        "",
        conversion,
    };
    m_insertEnabled = true;
    return true;
}

std::vector<std::string_view> ConverterPanel::ToListTexts() const {
    std::vector<std::string_view> texts;
    for (const int position : m_toList) {
        texts.push_back(kUnitTable[static_cast<std::size_t>(position)].toText);
    }
    return texts;
}

void ConverterPanel::AskForValueAndUnits() {
    m_resultLines = {std::string(text::kEnterValueAndUnits)};
}

void ConverterPanel::ShowFailure(std::string_view line) {
    m_resultLines = {std::string(text::kConversionFailed), "", std::string(line)};
    m_insertEnabled = false;
}

}  // namespace zyk
