#pragma once

#include <array>
#include <cstddef>

// When the buttons of the two statistics pages are enabled: one table of events, read by both
// pages. A rule looks at the page after the event (field text, selections, entry count).
namespace zyk {

struct PageButtons {
    bool add = false;
    bool remove = false;  // Delete
    bool insert = false;  // >>
    bool calculate = false;
    bool clear = false;

    bool operator==(const PageButtons&) const = default;
};

enum class PageEvent {
    Created,
    FieldChanged,
    AddAccepted,
    DataSelectionChanged,
    ResultSelectionChanged,
    Calculated,
    Deleted,
    Cleared,
    FileLoaded,
};

enum class ButtonRule {
    Keep,
    On,
    Off,
    OnIfFieldHoldsText,
    OnIfEntrySelected,
    OnIfInsertableLineSelected,
    OnIfMoreThanOne,  // else kept
    OnIfAny,          // else kept
    OffIfAny,         // else kept
    OffIfOneLeft,     // else kept
    OffIfEmpty,       // else kept
};

struct PageFacts {
    bool fieldHoldsText = false;
    bool entrySelected = false;
    bool insertableLineSelected = false;  // a line >> can hand over
    std::size_t count = 0;
};

struct ButtonRow {
    PageEvent event;
    ButtonRule add;
    ButtonRule remove;
    ButtonRule insert;
    ButtonRule calculate;
    ButtonRule clear;
};

inline constexpr std::array<ButtonRow, 9> kButtonTable = {{
    // clang-format off
    //  event                              Add                              Delete                          >>                                       Calculate                     Clear
    {PageEvent::Created,                ButtonRule::Off,                ButtonRule::Off,                ButtonRule::Off,                         ButtonRule::Off,              ButtonRule::Off},
    {PageEvent::FieldChanged,           ButtonRule::OnIfFieldHoldsText, ButtonRule::Keep,               ButtonRule::Keep,                        ButtonRule::Keep,             ButtonRule::Keep},
    {PageEvent::AddAccepted,            ButtonRule::OnIfFieldHoldsText, ButtonRule::Off,                ButtonRule::Off,                         ButtonRule::OnIfMoreThanOne,  ButtonRule::On},
    {PageEvent::DataSelectionChanged,   ButtonRule::Keep,               ButtonRule::OnIfEntrySelected,  ButtonRule::Keep,                        ButtonRule::Keep,             ButtonRule::Keep},
    {PageEvent::ResultSelectionChanged, ButtonRule::Keep,               ButtonRule::Keep,               ButtonRule::OnIfInsertableLineSelected,  ButtonRule::Keep,             ButtonRule::Keep},
    {PageEvent::Calculated,             ButtonRule::Keep,               ButtonRule::Off,                ButtonRule::Off,                         ButtonRule::Keep,             ButtonRule::Keep},
    {PageEvent::Deleted,                ButtonRule::Keep,               ButtonRule::Off,                ButtonRule::Off,                         ButtonRule::OffIfOneLeft,     ButtonRule::OffIfEmpty},
    {PageEvent::Cleared,                ButtonRule::Keep,               ButtonRule::Off,                ButtonRule::Off,                         ButtonRule::Off,              ButtonRule::Off},
    {PageEvent::FileLoaded,             ButtonRule::Keep,               ButtonRule::OffIfAny,           ButtonRule::OffIfAny,                    ButtonRule::OnIfMoreThanOne,  ButtonRule::OnIfAny},
    // clang-format on
}};

// The buttons after an event.
PageButtons ButtonsAfter(PageEvent event, const PageButtons& before, const PageFacts& facts);

}  // namespace zyk
