// The three kinds of picture: a calculation (formula, symbols, drawing), a topic (drawing
// and the list of its calculations) and the start picture.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace zul::pictgen {

inline constexpr int kPictureWidth = 301;
inline constexpr int kPictureHeight = 179;

// Each picture is laid out on 301 x 179 and drawn at a scale: 1 for the file "Name.jpg",
// 2 for "Name@2x.jpg", which a screen of twice the density shows (same layout, twice the
// pixels).

// Picture of the calculations with these codes (one, or several that share a picture).
// `error` names what could not be drawn (a template that does not parse).
QImage CalculationPicture(const QString& name, const std::vector<int>& codes, QString* error, int scale = 1);

// Picture of the group nodes with these absolute indexes.
QImage TopicPicture(const QString& name, const std::vector<int>& nodeIndexes, int scale = 1);

// "Zast-001": the program's name and purpose.
QImage StartPicture(int scale = 1);

}  // namespace zul::pictgen
