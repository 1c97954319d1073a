#include "style_settings.h"

#include <array>
#include <charconv>

namespace quillamp {

std::string ColorToHtml(std::int32_t colour)
{
    // Negative values are written as their 32-bit two's complement.
    const auto bits = static_cast<std::uint32_t>(colour);
    std::array<char, 8> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    std::string hex(digits.data(), end);
    for (char& c : hex) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (hex.size() < 6) {
        hex.insert(0, 6 - hex.size(), '0');
    }
    // BBGGRR in, RRGGBB out; longer texts take the same positions.
    return hex.substr(hex.size() - 2) + hex.substr(2, 2) + hex.substr(0, 2);
}

} // namespace quillamp
