// Reading bounded lines.
#include "cli/LineReader.h"

namespace zul::cli {

bool LineReader::Next(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    using Traits = std::streambuf::traits_type;
    if (!buffer_) return false;
    int c = buffer_->sbumpc();
    if (c == Traits::eof()) return false;
    while (c != Traits::eof() && c != '\n' && c != '\r') {
        if (tooLong) {
            // skipped up to the line end
        } else if (line.size() < maxLength_) {
            line += static_cast<char>(c);
        } else {
            tooLong = true;
            std::string().swap(line);  // give the memory back at once
        }
        c = buffer_->sbumpc();
    }
    if (c == '\r' && buffer_->sgetc() == '\n') buffer_->sbumpc();
    return true;
}

}  // namespace zul::cli
