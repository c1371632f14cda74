#include "statistics/PageButtons.h"

namespace zyk {
namespace {

bool Apply(ButtonRule rule, bool before, const PageFacts& facts) {
    switch (rule) {
        case ButtonRule::Keep:
            return before;
        case ButtonRule::On:
            return true;
        case ButtonRule::Off:
            return false;
        case ButtonRule::OnIfFieldHoldsText:
            return facts.fieldHoldsText;
        case ButtonRule::OnIfEntrySelected:
            return facts.entrySelected;
        case ButtonRule::OnIfInsertableLineSelected:
            return facts.insertableLineSelected;
        case ButtonRule::OnIfMoreThanOne:
            return facts.count > 1 || before;
        case ButtonRule::OnIfAny:
            return facts.count >= 1 || before;
        case ButtonRule::OffIfAny:
            return facts.count == 0 && before;
        case ButtonRule::OffIfOneLeft:
            return facts.count != 1 && before;
        case ButtonRule::OffIfEmpty:
            return facts.count != 0 && before;
    }
    return before;
}

}  // namespace

PageButtons ButtonsAfter(PageEvent event, const PageButtons& before, const PageFacts& facts) {
    for (const ButtonRow& row : kButtonTable) {
        if (row.event == event) {
            return PageButtons{
                .add = Apply(row.add, before.add, facts),
                .remove = Apply(row.remove, before.remove, facts),
                .insert = Apply(row.insert, before.insert, facts),
                .calculate = Apply(row.calculate, before.calculate, facts),
                .clear = Apply(row.clear, before.clear, facts),
            };
        }
    }
    return before;
}

}  // namespace zyk
