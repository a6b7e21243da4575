// Lines of zulc's standard input, read without holding more than one bounded line: LF,
// CR LF and CR alone end a line.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace zul::cli {

class LineReader {
public:
    LineReader(std::istream& in, std::size_t maxLength) : buffer_(in.rdbuf()), maxLength_(maxLength) {}

    // The next line without its end; false at the end of the input. A line longer than
    // maxLength is read to its end but not kept: it comes back empty with tooLong set.
    bool Next(std::string& line, bool& tooLong);

private:
    std::streambuf* buffer_;
    std::size_t maxLength_;
};

}  // namespace zul::cli
