#include "file_name.h"

namespace quillamp {

std::string FileNameFromPath(std::string_view path)
{
    const auto slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace quillamp
