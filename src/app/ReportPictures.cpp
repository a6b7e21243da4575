// Pictures of the document.
#include "app/ReportPictures.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "calc/Pictures.h"
#include "platform/FilePaths.h"

namespace zul {
namespace {

// The drawn pictures are a few dozen kilobytes; anything far larger is not one of them.
constexpr std::uintmax_t kMaxPictureBytes = 8u * 1024u * 1024u;

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path) {
    if (!IsFile(path.string())) return std::nullopt;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxPictureBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
    return bytes;
}

std::optional<PictureRef> LoadPicture(const std::filesystem::path& folder, std::string_view name,
                                      PictureEmbedding embedding) {
    if (PictureIndex(name) == 0) return std::nullopt;
    struct Candidate { std::string file; int scale; };
    const Candidate candidates[] = {{std::string(name) + "@2x.jpg", 2}, {std::string(name) + ".jpg", 1}};
    for (const Candidate& c : candidates) {
        const std::filesystem::path path = folder / "Pict" / c.file;
        const std::optional<std::string> bytes = ReadSmallFile(path);
        int width = 0, height = 0;
        if (!bytes || !JpegSize(*bytes, width, height)) continue;
        PictureRef ref;
        ref.width = std::max(1, width / c.scale);
        ref.height = std::max(1, height / c.scale);
        ref.src = embedding == PictureEmbedding::DataUri ? "data:image/jpeg;base64," + Base64(*bytes)
                                                         : FileUrl(path.string());
        return ref;
    }
    return std::nullopt;
}

}  // namespace

PictureResolver MakePictureResolver(std::string dataFolder, PictureEmbedding embedding) {
    auto cache = std::make_shared<std::map<std::string, std::optional<PictureRef>, std::less<>>>();
    return [folder = std::filesystem::path(std::move(dataFolder)), embedding,
            cache](std::string_view name) -> std::optional<PictureRef> {
        if (const auto it = cache->find(name); it != cache->end()) return it->second;
        std::optional<PictureRef> ref = LoadPicture(folder, name, embedding);
        cache->emplace(std::string(name), ref);
        return ref;
    };
}

bool JpegSize(std::string_view bytes, int& width, int& height) {
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() < 4 || at(0) != 0xFF || at(1) != 0xD8) return false;
    std::size_t i = 2;
    while (i + 4 <= bytes.size()) {
        if (at(i) != 0xFF) return false;
        const unsigned char marker = at(i + 1);
        if (marker == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            i += 2;
            continue;
        }
        const std::size_t length = static_cast<std::size_t>(at(i + 2)) << 8 | at(i + 3);
        if (length < 2) return false;
        const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                                 marker != 0xCC;
        if (frameHeader) {
            if (length < 7 || i + 2 + length > bytes.size()) return false;
            height = at(i + 5) << 8 | at(i + 6);
            width = at(i + 7) << 8 | at(i + 8);
            return width > 0 && height > 0;
        }
        if (marker == 0xD9 || marker == 0xDA) return false;  // end, or scan data before any frame
        i += 2 + length;
    }
    return false;
}

std::string Base64(std::string_view bytes) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    if (const std::size_t left = bytes.size() - i; left > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (left == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += left == 2 ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string FileUrl(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec).lexically_normal();
    const std::string text = (ec ? std::filesystem::path(path) : absolute).generic_string();
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    if (text.empty() || text.front() != '/') url += '/';
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        const bool keep = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                          c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (keep) {
            url += c;
        } else {
            url += '%';
            url += kHex[b >> 4];
            url += kHex[b & 0xF];
        }
    }
    return url;
}

}  // namespace zul
