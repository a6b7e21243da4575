// The pictures of the document: where an <img> of a calculation finds its JPEG. The
// window's QTextDocument reads files, the self-contained HTML export carries the bytes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

struct PictureRef {
    std::string src;  // the value of the src attribute (not yet escaped)
    int width = 0;    // size to show, in CSS pixels
    int height = 0;
};

// The picture of a picture name ("ZSkor"), or nothing: the document then leaves it out.
using PictureResolver = std::function<std::optional<PictureRef>(std::string_view pictureName)>;

enum class PictureEmbedding {
    FileUrl,  // "file:///.../Pict/ZSkor.jpg"
    DataUri,  // "data:image/jpeg;base64,..." for one self-contained file
};

// Pictures of the folder "Pict" inside `dataFolder`: "<name>@2x.jpg" where there is one
// (shown at half its pixel size), else "<name>.jpg". Only names of the picture table are
// looked up; a missing file, or one that is not a JPEG image, gives nothing. Each name is
// read once per resolver.
PictureResolver MakePictureResolver(std::string dataFolder, PictureEmbedding embedding);

// Pixel size of a JPEG image from its bytes (its first frame header); false when the
// bytes are not a JPEG image.
bool JpegSize(std::string_view bytes, int& width, int& height);

// RFC 4648 base64 with padding.
std::string Base64(std::string_view bytes);

// "file://" URL of a path made absolute, every byte outside the unreserved characters and
// "/" percent-encoded.
std::string FileUrl(const std::string& path);

}  // namespace zul
