#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "converter/CUnitConverter.h"

namespace zyk {

// The model behind the converter window (and the console's --convert): the from and to
// selections, the to list, the results list, which buttons are enabled and the last result that
// Insert hands on. The window shows it and forwards the user's picks; it decides nothing itself.
class ConverterPanel {
public:
    // "None" selected, the to list empty, Convert and Insert disabled, the results list asking
    // for a value and units.
    ConverterPanel();

    // The from list's selection changed to table position `position`: the to list becomes the
    // other units of its group (empty for "None" and the headers), nothing is chosen in it and
    // Convert is disabled.
    void SelectFrom(int position);
    // The to list's selection changed to its entry `toListPosition`: Convert is enabled.
    void SelectTo(int toListPosition);
    // Convert pressed with the value field's text; true when the results list shows a result.
    bool Convert(std::string_view valueText);

    int FromPosition() const { return m_fromPosition; }
    int ToListPosition() const { return m_toListPosition; }
    // The to list's entries: table positions and their to-list texts.
    const std::vector<int>& ToList() const { return m_toList; }
    std::vector<std::string_view> ToListTexts() const;

    const std::vector<std::string>& ResultLines() const { return m_resultLines; }
    bool IsConvertEnabled() const { return m_convertEnabled; }
    bool IsInsertEnabled() const { return m_insertEnabled; }
    // What Insert hands to the calculator: the last result text.
    const std::string& LastResult() const { return m_lastResult; }

private:
    void AskForValueAndUnits();
    void ShowFailure(std::string_view line);

    CUnitConverter m_converter;
    int m_fromPosition = 0;
    int m_toListPosition = -1;
    std::vector<int> m_toList;
    std::vector<std::string> m_resultLines;
    bool m_convertEnabled = false;
    bool m_insertEnabled = false;
    std::string m_lastResult;
};

}  // namespace zyk
