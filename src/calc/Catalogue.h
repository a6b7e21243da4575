// The fixed tree of calculation topics: 143 nodes in depth-first order, their codes,
// hint lines, pictures and bracket templates, with the lookups the other parts need.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zul {

// The Pairs column of a node: how many empty "[]" its bracket template holds.
inline constexpr int kGroup = 0;           // a group node: no template
inline constexpr int kTimeTemplate = -1;   // the time sum: "[00:00:00] [00:00:00] [-00:00:00]"

// One row of the catalogue table, as the tree shows it.
struct CatalogueRow {
    int code;             // calculation code (the topic "Гидравлика" has 0, like plain expressions)
    int level;            // 1 = topic, 2..4 = depth below it
    const char* text;     // node text of the tree
    const char* hint;     // caption of the hint line after selection
    const char* picture;  // picture name (see Pictures.h)
    int pairs;            // kGroup, kTimeTemplate or 1..8
};

// The rows in tree order: each node follows its parent, siblings in their order.
// The absolute index of a node is its position here.
std::span<const CatalogueRow> CatalogueRows();

inline constexpr int kCatalogueSize = 143;
inline constexpr int kCalculationCount = 101;

// Node by absolute index; nullptr when the index lies outside 0..142.
const CatalogueRow* NodeByIndex(int index);

// Absolute index of the node carrying the code; -1 when no node carries it.
int IndexOfCode(int code);

// Node carrying the code; nullptr when no node carries it.
const CatalogueRow* NodeByCode(int code);

// True when the code belongs to a calculation node (a leaf). 0 and group codes are not.
bool IsCalculationCode(int code);

// Index of the parent node; -1 for a topic and for an index outside the tree.
int ParentIndex(int index);

// True when the node has children. The Pairs column agrees with this (kGroup).
bool IsGroupIndex(int index);

// The catalogue as text, one line per node: absolute index, code, level, node text and
// hint line text, separated by tabs; every line ends with "\n".
std::string CatalogueListing();

}  // namespace zul
