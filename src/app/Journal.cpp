// The session journal.
#include "app/Journal.h"

#include <algorithm>
#include <iterator>

namespace zul {

Journal::Journal(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

void Journal::Add(JournalEntry entry) {
    if (entries_.size() >= capacity_) {
        entries_.erase(entries_.begin(),
                       entries_.begin() + static_cast<std::ptrdiff_t>(entries_.size() - capacity_ + 1));
    }
    entries_.push_back(std::move(entry));
}

JournalEntry* Journal::At(std::size_t i) { return i < entries_.size() ? &entries_[i] : nullptr; }

const JournalEntry* Journal::At(std::size_t i) const { return i < entries_.size() ? &entries_[i] : nullptr; }

bool Journal::Remove(std::size_t i) {
    if (i >= entries_.size()) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

bool Journal::Move(std::size_t from, std::size_t to) {
    if (from >= entries_.size() || to >= entries_.size()) return false;
    const auto first = entries_.begin();
    if (from < to) {
        std::rotate(first + static_cast<std::ptrdiff_t>(from), first + static_cast<std::ptrdiff_t>(from) + 1,
                    first + static_cast<std::ptrdiff_t>(to) + 1);
    } else if (from > to) {
        std::rotate(first + static_cast<std::ptrdiff_t>(to), first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1);
    }
    return true;
}

}  // namespace zul
