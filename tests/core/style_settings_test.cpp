#include "style_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <utility>

namespace quillamp {
namespace {

TEST(StyleSettings, StartsEmptyBeforeStartUp)
{
    const StyleSettings settings;
    EXPECT_EQ(settings.strFontName, "");
    EXPECT_EQ(settings.intFontSize, 0);
    EXPECT_FALSE(settings.BoolFontBold || settings.BoolFontItalic || settings.BoolFontUnderline);
    EXPECT_EQ(settings.LongFontColor, 0);
    // Empty, not "000000": only start-up converts colour 0.
    EXPECT_EQ(settings.strFontColor, "");
    EXPECT_EQ(settings.intAlignment, "");
    EXPECT_EQ(settings.strAlignment, "");
}

// Above 0xFFFFFF the same character positions are taken from the seven or eight digits.
TEST(ColorToHtml, SwapsBlueAndRedPairs)
{
    const std::pair<std::int32_t, std::string_view> cases[] = {
        {0, "000000"},          {0x0F, "0F0000"},
        {255, "FF0000"},        {65280, "00FF00"},
        {16711680, "0000FF"},   {1193046, "563412"},
        {0x12345, "452301"},    {16777215, "FFFFFF"},
        {0x1000000, "000010"},  {0x1234567, "673412"},
        {0x12345678, "783412"}, {static_cast<std::int32_t>(0x80000008U), "080080"},
        {INT32_MIN, "000080"},  {-1, "FFFFFF"}};
    for (const auto& [colour, html] : cases) {
        EXPECT_EQ(ColorToHtml(colour), html) << colour;
    }
}

} // namespace
} // namespace quillamp
