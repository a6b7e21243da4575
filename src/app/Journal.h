// The session journal: every successful compute in order, the oldest dropped when the
// journal is full.
#pragma once

#include <cstddef>
#include <vector>

#include "app/JournalEntry.h"

namespace zul {

class Journal {
public:
    static constexpr std::size_t kCapacity = 3000;

    // A capacity of 0 is taken as 1.
    explicit Journal(std::size_t capacity = kCapacity);

    // Appends the entry; a full journal first drops its oldest entry.
    void Add(JournalEntry entry);

    std::size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    std::size_t Capacity() const { return capacity_; }
    const std::vector<JournalEntry>& Entries() const { return entries_; }

    // Entry i, 0 = the oldest; nullptr outside the journal. The window edits the note and
    // the in-the-document flag through it.
    JournalEntry* At(std::size_t i);
    const JournalEntry* At(std::size_t i) const;

    // False (nothing changes) when an index lies outside the journal.
    bool Remove(std::size_t i);
    // Takes entry `from` out and puts it at position `to` of the result.
    bool Move(std::size_t from, std::size_t to);
    void Clear() { entries_.clear(); }

private:
    std::size_t capacity_;
    std::vector<JournalEntry> entries_;
};

}  // namespace zul
