// libjpeg decoding with an error handler that jumps back instead of calling exit().
#include "widgets/JpegPicture.h"

#include <QFile>
#include <QStringList>

#include <csetjmp>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace zul {

namespace {

struct JpegErrorTrap {
    jpeg_error_mgr manager;  // first member: libjpeg sees a jpeg_error_mgr*
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void ReturnOnJpegError(j_common_ptr info) {
    auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->jump, 1);
}

// Warnings (premature end of data, extraneous bytes) are not printed to stderr; a
// truncated picture shows its decoded part, the rest filled grey by libjpeg.
extern "C" void IgnoreJpegMessage(j_common_ptr, int) {}

// What the decoder hands back. It lives in the caller's frame so that nothing local to
// the function holding setjmp changes between setjmp and a longjmp.
struct DecodedPixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

int ScaleDenominator(JDIMENSION width, JDIMENSION height, QSize target) {
    if (target.isEmpty()) return 1;
    int denominator = 1;
    for (int d : {2, 4, 8}) {
        bool largeEnough = static_cast<qint64>(width) / d >= target.width() &&
                           static_cast<qint64>(height) / d >= target.height();
        if (!largeEnough) break;
        denominator = d;
    }
    return denominator;
}

// Returns true on success. The only locals touched after setjmp are the libjpeg structs,
// which libjpeg itself keeps in memory.
bool DecodeInto(const unsigned char* data, unsigned long size, QSize target, DecodedPixels* out,
                char* message) {
    jpeg_decompress_struct info;
    JpegErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = ReturnOnJpegError;
    trap.manager.emit_message = IgnoreJpegMessage;
    trap.message[0] = '\0';
    if (setjmp(trap.jump) != 0) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", trap.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (static_cast<qint64>(info.image_width) * info.image_height > kMaxPicturePixels) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "image too large");
        return false;
    }
    info.out_color_space = JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned>(ScaleDenominator(info.image_width, info.image_height, target));
    jpeg_start_decompress(&info);
    out->width = static_cast<int>(info.output_width);
    out->height = static_cast<int>(info.output_height);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    out->rgb.assign(stride * info.output_height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->rgb.data() + stride * info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) break;  // suspended source: no more data
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes, QSize target, QString* error) {
    if (bytes.isEmpty()) {
        if (error) *error = QStringLiteral("empty file");
        return {};
    }
    DecodedPixels pixels;
    char message[JMSG_LENGTH_MAX] = {};
    bool ok = DecodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                         static_cast<unsigned long>(bytes.size()), target, &pixels, message);
    if (!ok || pixels.width <= 0 || pixels.height <= 0) {
        if (error) *error = QString::fromLocal8Bit(message);
        return {};
    }
    QImage image(pixels.rgb.data(), pixels.width, pixels.height, pixels.width * 3,
                 QImage::Format_RGB888);
    return image.copy();  // detach from the vector that is about to go
}

QImage LoadJpegFile(const QString& path, QSize target, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return {};
    }
    if (file.size() > kMaxPictureFileBytes) {
        if (error) *error = QStringLiteral("file too large");
        return {};
    }
    return DecodeJpeg(file.readAll(), target, error);
}

QImage LoadPicture(const QString& path, QSize panel, qreal devicePixelRatio, QString* shownFile) {
    const QSize target = panel * devicePixelRatio;
    QStringList files;
    if (devicePixelRatio > 1 && path.endsWith(QStringLiteral(".jpg")))
        files << path.chopped(4) + QStringLiteral("@2x.jpg");
    files << path;
    for (const QString& file : files) {
        QImage image = LoadJpegFile(file, target);
        if (image.isNull()) continue;
        if (shownFile) *shownFile = file;
        return image;
    }
    return {};
}

}  // namespace zul
