// Lookups over the catalogue rows: by index, by code, and the tree shape from the levels.
#include "calc/Catalogue.h"

#include <array>

namespace zul {

namespace {

// Parents follow from the levels: the nearest earlier row one level up.
std::array<int, kCatalogueSize> ComputeParents() {
    std::array<int, kCatalogueSize> parents{};
    std::array<int, 8> lastAtLevel{};
    lastAtLevel.fill(-1);
    const auto rows = CatalogueRows();
    for (int i = 0; i < kCatalogueSize; ++i) {
        const int level = rows[static_cast<std::size_t>(i)].level;
        parents[static_cast<std::size_t>(i)] = level > 1 ? lastAtLevel[static_cast<std::size_t>(level - 1)] : -1;
        lastAtLevel[static_cast<std::size_t>(level)] = i;
    }
    return parents;
}

const std::array<int, kCatalogueSize>& Parents() {
    static const std::array<int, kCatalogueSize> parents = ComputeParents();
    return parents;
}

bool InTree(int index) { return index >= 0 && index < kCatalogueSize; }

}  // namespace

const CatalogueRow* NodeByIndex(int index) {
    if (!InTree(index)) return nullptr;
    return &CatalogueRows()[static_cast<std::size_t>(index)];
}

int IndexOfCode(int code) {
    const auto rows = CatalogueRows();
    for (int i = 0; i < kCatalogueSize; ++i)
        if (rows[static_cast<std::size_t>(i)].code == code) return i;
    return -1;
}

const CatalogueRow* NodeByCode(int code) { return NodeByIndex(IndexOfCode(code)); }

bool IsCalculationCode(int code) {
    const int index = IndexOfCode(code);
    return index >= 0 && !IsGroupIndex(index);
}

int ParentIndex(int index) {
    if (!InTree(index)) return -1;
    return Parents()[static_cast<std::size_t>(index)];
}

bool IsGroupIndex(int index) {
    // A node has children exactly when the next row stands one level deeper.
    if (!InTree(index) || index + 1 >= kCatalogueSize) return false;
    return ParentIndex(index + 1) == index;
}

std::string CatalogueListing() {
    std::string out;
    int index = 0;
    for (const CatalogueRow& row : CatalogueRows()) {
        out += std::to_string(index++);
        out += '\t';
        out += std::to_string(row.code);
        out += '\t';
        out += std::to_string(row.level);
        out += '\t';
        out += row.text;
        out += '\t';
        out += row.hint;
        out += '\n';
    }
    return out;
}

}  // namespace zul
