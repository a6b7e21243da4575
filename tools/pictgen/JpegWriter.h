// Writing an image as a JPEG file with libjpeg.
#pragma once

#include <QImage>
#include <QString>

namespace zul::pictgen {

// Encodes the image (any format; converted to RGB) at the quality given, with full-
// resolution colour so that thin lines and small text stay sharp, and writes it through a
// temporary file renamed over the target. False with a message on failure.
bool WriteJpeg(const QImage& image, const QString& path, int quality, QString* error);

}  // namespace zul::pictgen
