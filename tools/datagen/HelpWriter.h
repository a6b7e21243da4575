// The help file Zul.html, written from the core's data.
#pragma once

#include <string>

namespace zul::datagen {

// `zulcUsage` is what `zulc --help` prints (empty: left out).
// The whole page, UTF-8, with a table of contents and an anchor per section and per
// calculation (id "calc-<code>").
std::string HelpHtml(const std::string& zulcUsage);

}  // namespace zul::datagen
