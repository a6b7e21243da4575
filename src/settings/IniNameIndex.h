// Lookup of section and key names of an INI document: an open-addressing table of positions,
// compared by the names the positions hold, ASCII case and surrounding blanks ignored. It
// stores four bytes per name and keeps the first position of each name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zul {

// The blanks the profile functions trim around names and values.
inline bool IsIniBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
std::string_view TrimIni(std::string_view s);

// Hash and equality of names with ASCII case and surrounding blanks ignored.
std::uint64_t FoldedNameHash(std::string_view name);
bool FoldedNamesEqual(std::string_view a, std::string_view b);

class IniNameIndex {
public:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    void Clear() {
        slots_.clear();
        used_ = 0;
    }

    // nameAt(position) gives the name held at a position.
    template <typename NameAt>
    std::size_t Find(std::string_view name, const NameAt& nameAt) const {
        if (slots_.empty()) return kNotFound;
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = FoldedNameHash(name) & mask;; i = (i + 1) & mask) {
            const std::uint32_t slot = slots_[i];
            if (slot == 0) return kNotFound;
            if (FoldedNamesEqual(nameAt(slot - 1), name)) return slot - 1;
        }
    }

    // Adds a position unless its name is already held (the earlier position wins).
    template <typename NameAt>
    void Insert(std::size_t position, const NameAt& nameAt) {
        if ((used_ + 1) * 2 > slots_.size()) Grow(nameAt);
        const std::string_view name = nameAt(position);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = FoldedNameHash(name) & mask;; i = (i + 1) & mask) {
            const std::uint32_t slot = slots_[i];
            if (slot == 0) {
                slots_[i] = static_cast<std::uint32_t>(position + 1);
                ++used_;
                return;
            }
            if (FoldedNamesEqual(nameAt(slot - 1), name)) return;
        }
    }

private:
    template <typename NameAt>
    void Grow(const NameAt& nameAt) {
        std::vector<std::uint32_t> old;
        old.swap(slots_);
        slots_.assign(old.empty() ? 16 : old.size() * 2, 0);
        const std::size_t mask = slots_.size() - 1;
        for (std::uint32_t slot : old) {
            if (slot == 0) continue;
            std::size_t i = FoldedNameHash(nameAt(slot - 1)) & mask;
            while (slots_[i] != 0) i = (i + 1) & mask;
            slots_[i] = slot;
        }
    }

    std::vector<std::uint32_t> slots_;  // position + 1; 0 is an empty slot
    std::size_t used_ = 0;
};

}  // namespace zul
