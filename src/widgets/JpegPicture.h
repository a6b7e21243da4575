// Decoding of the JPEG pictures shown beside the topic tree, with libjpeg called directly
// so that a corrupt or truncated file gives an empty image instead of ending the process.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace zul {

// Files larger than this are not read at all; a picture of the tree is a few kilobytes.
inline constexpr qint64 kMaxPictureFileBytes = 16 * 1024 * 1024;
// Images with more pixels than this are refused before any pixel memory is taken.
inline constexpr qint64 kMaxPicturePixels = 40 * 1000 * 1000;

// Decodes JPEG bytes into an RGB image. When `target` is given, libjpeg scales the image
// down by 1/2, 1/4 or 1/8 as long as it stays at least that large (the picture is shown
// stretched to a small panel, so the full size is never needed). On failure returns a
// null image and, when `error` is given, libjpeg's message.
QImage DecodeJpeg(const QByteArray& bytes, QSize target = {}, QString* error = nullptr);

// Reads and decodes a file; a missing, unreadable or oversized file is a failure too.
QImage LoadJpegFile(const QString& path, QSize target = {}, QString* error = nullptr);

// A picture "Name.jpg" for a panel of `panel` pixels on a screen of the given density: on a
// dense screen (ratio above 1) the picture drawn at twice the size, "Name@2x.jpg" beside it,
// when that one is there and decodes; else the picture itself. `shownFile` names the file
// decoded. A null image when neither decodes.
QImage LoadPicture(const QString& path, QSize panel, qreal devicePixelRatio, QString* shownFile = nullptr);

}  // namespace zul
