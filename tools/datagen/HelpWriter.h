// The help file Zul.html, written from the core's data.
#pragma once

#include <string>

namespace zul::datagen {

// The whole page, UTF-8, with a table of contents and an anchor per section and per
// calculation (id "calc-<code>").
std::string HelpHtml();

}  // namespace zul::datagen
