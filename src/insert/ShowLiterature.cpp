// Showing the literature references of a calculation.
#include "insert/ShowLiterature.h"

#include "insert/Literature.h"
#include "platform/Platform.h"

namespace zul {

std::string LiteratureDisplayText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            shown += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            shown += '\n';  // a lone carriage return is a line break; "\r\n" keeps its "\n"
        }
    }
    return shown;
}

void ShowLiterature(Platform& platform, const std::string& startDirectory, int code) {
    const LiteratureMessage message = FindLiterature(startDirectory, code);
    switch (message.kind) {
        case LiteratureMessage::Kind::None:
            break;
        case LiteratureMessage::Kind::NotLiteratureFile:
            platform.ShowError(message.text);
            break;
        case LiteratureMessage::Kind::Information:
            platform.ShowInformation(LiteratureDisplayText(message.text));
            break;
    }
}

}  // namespace zul
