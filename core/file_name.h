#pragma once

#include <string>
#include <string_view>

namespace quillamp {

// The bare name of a file: everything after the last backslash, or the whole path when it
// has none. A forward slash is an ordinary character here.
std::string FileNameFromPath(std::string_view path);

} // namespace quillamp
