// Conversions between the core's UTF-8 text and Qt's strings, the same in every window.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zul {

inline QString ToQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStd(const QString& text) { return text.toStdString(); }

}  // namespace zul
