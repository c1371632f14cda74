#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "statistics/PageButtons.h"

namespace zyk {

// What both statistics pages hold apart from their own list: the entry field's text, the results
// list, the selection in each list, the buttons, the current file, and Open, Save and Save As.
// Texts are the core's Windows-1252 bytes. The revisions change whenever the entries or the
// results change, so a view knows when to reload a list.
class DataPage {
public:
    virtual ~DataPage() = default;
    DataPage(const DataPage&) = delete;
    DataPage& operator=(const DataPage&) = delete;

    virtual std::size_t Count() const = 0;
    virtual const std::string& EntryText(std::size_t index) const = 0;

    // Add (button or Enter): false when the field's text is refused (nothing changes then).
    virtual bool Add() = 0;
    // Delete removes the selected entry; Clear empties the page.
    virtual void Delete() = 0;
    virtual void Clear() = 0;

    const std::string& Field() const { return m_field; }
    void SetField(std::string text);

    const std::vector<std::string>& Results() const { return m_results; }
    std::optional<std::size_t> SelectedEntry() const { return m_selectedEntry; }
    std::optional<std::size_t> SelectedResult() const { return m_selectedResult; }
    // An index outside the list counts as no selection.
    void SelectEntry(std::optional<std::size_t> index);
    void SelectResult(std::optional<std::size_t> index);

    const PageButtons& Buttons() const { return m_buttons; }
    const std::filesystem::path& FilePath() const { return m_filePath; }
    // Save and Save As are offered only for a list that holds something.
    bool CanSave() const { return Count() > 0; }

    // Open, before the file is chosen: the list is emptied, nothing else changes.
    void EmptyForOpen();
    // Open with the chosen file: it becomes the current file; its lines are taken without any
    // check. False when it cannot be read (the page then stays as it is).
    bool Open(const std::filesystem::path& file);
    // Writes the list to the current file; false without one or when it cannot be written.
    bool Save() const;
    bool SaveAs(const std::filesystem::path& file);

    std::uint64_t EntriesRevision() const { return m_entriesRevision; }
    std::uint64_t ResultsRevision() const { return m_resultsRevision; }

protected:
    explicit DataPage(std::vector<std::string> results);

    virtual bool IsInsertableLine(std::size_t line) const = 0;
    virtual void EmptyList() = 0;
    // Takes a file's lines into the list (and refreshes the results if the page does).
    virtual void TakeLines(std::vector<std::string> lines) = 0;
    // The results' first line for the current count.
    virtual std::string CountLine() const = 0;

    void Fire(PageEvent event);
    void ClearSelections();
    void SetResults(std::vector<std::string> results);
    void EntriesChanged() { ++m_entriesRevision; }
    void ForgetFile() { m_filePath.clear(); }
    std::string& MutableField() { return m_field; }

private:
    std::string m_field;
    std::vector<std::string> m_results;
    std::optional<std::size_t> m_selectedEntry;
    std::optional<std::size_t> m_selectedResult;
    PageButtons m_buttons;
    std::filesystem::path m_filePath;
    std::uint64_t m_entriesRevision = 0;
    std::uint64_t m_resultsRevision = 0;
};

}  // namespace zyk
