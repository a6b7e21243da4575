// The three kinds of picture: a calculation (formula, symbols, drawing), a topic (drawing
// and the list of its calculations) and the start picture.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace zul::pictgen {

inline constexpr int kPictureWidth = 301;
inline constexpr int kPictureHeight = 179;

// Picture of the calculations with these codes (one, or several that share a picture).
// `error` names what could not be drawn (a template that does not parse).
QImage CalculationPicture(const QString& name, const std::vector<int>& codes, QString* error);

// Picture of the group nodes with these absolute indexes.
QImage TopicPicture(const QString& name, const std::vector<int>& nodeIndexes);

// "Zast-001": the program's name and purpose.
QImage StartPicture();

}  // namespace zul::pictgen
