#include "snippet.h"

#include <gtest/gtest.h>

#include <string>

namespace quillamp {
namespace {

using namespace std::string_literals;

// The settings as start-up leaves them, with face "F".
StyleSettings Started()
{
    StyleSettings settings;
    settings.strFontName = "F";
    settings.intFontSize = 3;
    settings.strFontColor = "000000";
    settings.intAlignment = "0";
    return settings;
}

TEST(ComposeSnippet, WritesTheDescribedFragments)
{
    EXPECT_EQ(
        ComposeSnippet(Started(), "W", "N", "T"),
        R"(<p align=""><embed src="W/N" width="200" Height="45" autostart="false"></embed></p>)"
        R"(<p align=""><font face="F,MS Sans Serif" size="3" color="#000000">T</font></p>)");

    StyleSettings styled = Started();
    styled.intFontSize = 5;
    styled.BoolFontBold = styled.BoolFontUnderline = true;
    styled.LongFontColor = 255;
    styled.strFontColor = "FF0000";
    styled.intAlignment = "2";
    styled.strAlignment = "Center";
    EXPECT_EQ(
        ComposeSnippet(styled, "W", "N", "T"),
        R"(<p align="Center"><embed src="W/N" width="200" Height="45" autostart="false"></embed></p>)"
        R"(<b><u><p align="Center"><font face="F,MS Sans Serif" size="5" color="#FF0000">T</font></p></u></b>)");

    StyleSettings bare;
    bare.intFontSize = -32768;
    EXPECT_EQ(ComposeSnippet(bare, "", "", ""),
              R"(<p align=""><embed src="/" width="200" Height="45" autostart="false"></embed></p>)"
              R"(<p align=""><font face=",MS Sans Serif" size="-32768" color="#"></font></p>)");
}

TEST(ComposeSnippet, StyleTagsNestAroundTheTextParagraph)
{
    for (int styles = 0; styles < 8; ++styles) {
        const bool b = (styles & 1) != 0;
        const bool i = (styles & 2) != 0;
        const bool u = (styles & 4) != 0;
        StyleSettings settings = Started();
        settings.BoolFontBold = b;
        settings.BoolFontItalic = i;
        settings.BoolFontUnderline = u;
        const std::string open = std::string(b ? "<b>" : "") + (i ? "<i>" : "") + (u ? "<u>" : "");
        const std::string close =
            std::string(u ? "</u>" : "") + (i ? "</i>" : "") + (b ? "</b>" : "");
        const std::string snippet = ComposeSnippet(settings, "W", "N", "T");
        EXPECT_NE(snippet.find("</embed></p>" + open + "<p align"), std::string::npos) << snippet;
        EXPECT_TRUE(snippet.ends_with("T</font></p>" + close)) << snippet;
    }
}

// Markup, quotes, line breaks, NUL and invalid UTF-8 are all copied unchanged.
TEST(ComposeSnippet, PassesEveryByteThrough)
{
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    StyleSettings settings = Started();
    settings.strFontName = "\0F\xFF"s;
    settings.strFontColor = "\xC3"s;
    settings.strAlignment = "\x80"s;
    const std::string expected =
        "<p align=\"\x80\"><embed src=\"w\0//n\xC3\" width=\"200\" Height=\"45\" "
        "autostart=\"false\"></embed></p><p align=\"\x80\"><font face=\"\0F\xFF,MS Sans Serif\" "
        "size=\"3\" color=\"#\xC3\">"s +
        everyByte + "</font></p>";
    EXPECT_EQ(ComposeSnippet(settings, "w\0/"s, "n\xC3", everyByte), expected);
}

} // namespace
} // namespace quillamp
