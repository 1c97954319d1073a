#pragma once

#include "style_settings.h"

#include <string>
#include <string_view>

namespace quillamp {

// The HTML fragment: a paragraph with the sound player for website/fileName, then the text
// in a styled font element. Every input is copied byte for byte; nothing is escaped.
std::string ComposeSnippet(const StyleSettings& settings, std::string_view website,
                           std::string_view fileName, std::string_view text);

} // namespace quillamp
