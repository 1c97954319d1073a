#pragma once

#include <cstdint>
#include <string>

namespace quillamp {

// The user's style choices, kept between clicks. Field names follow the product's own naming
// so that the window code reads like its description of the fields.
struct StyleSettings {
    std::string strFontName;      // face, as the font list shows it
    std::int16_t intFontSize = 0; // HTML size, 1 to 7
    bool BoolFontBold = false;
    bool BoolFontItalic = false;
    bool BoolFontUnderline = false;
    std::int32_t LongFontColor = 0; // 0x00BBGGRR
    std::string strFontColor;       // ColorToHtml(LongFontColor)
    std::string intAlignment;       // preview code as text: "0" left, "1" right, "2" centred
    std::string strAlignment;       // HTML word: "Left", "Right", "Center" or empty
};

// Six hexadecimal digits RRGGBB for a 0x00BBGGRR colour. Values above 0xFFFFFF give the
// same byte shuffle of their seven or eight digits.
std::string ColorToHtml(std::int32_t colour);

} // namespace quillamp
