// Feeds arbitrary bytes to the three core functions and traps when a property that must
// hold for every input does not.

#include "file_name.h"
#include "snippet.h"
#include "style_settings.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace {

using namespace quillamp;

void Require(bool holds)
{
    if (!holds) {
        __builtin_trap();
    }
}

// The fragment must be exactly these pieces, in this order, with nothing between them.
void CheckFragment(const StyleSettings& settings, std::string_view website,
                   std::string_view fileName, std::string_view text)
{
    const std::string fragment = ComposeSnippet(settings, website, fileName, text);

    std::array<char, 8> size{};
    const int sizeLength = std::snprintf(size.data(), size.size(), "%d", int{settings.intFontSize});
    std::string open;
    std::string close;
    if (settings.BoolFontBold) {
        open += "<b>";
        close.insert(0, "</b>");
    }
    if (settings.BoolFontItalic) {
        open += "<i>";
        close.insert(0, "</i>");
    }
    if (settings.BoolFontUnderline) {
        open += "<u>";
        close.insert(0, "</u>");
    }

    std::size_t at = 0;
    for (const std::string_view piece : std::initializer_list<std::string_view>{
             "<p align=\"",
             settings.strAlignment,
             "\"><embed src=\"",
             website,
             "/",
             fileName,
             R"(" width="200" Height="45" autostart="false"></embed></p>)",
             open,
             "<p align=\"",
             settings.strAlignment,
             "\"><font face=\"",
             settings.strFontName,
             ",MS Sans Serif\" size=\"",
             std::string_view(size.data(), static_cast<std::size_t>(sizeLength)),
             "\" color=\"#",
             settings.strFontColor,
             "\">",
             text,
             "</font></p>",
             close}) {
        Require(fragment.compare(at, piece.size(), piece) == 0);
        at += piece.size();
    }
    Require(at == fragment.size());
}

void CheckFileName(std::string_view path)
{
    const std::string name = FileNameFromPath(path);
    Require(name.size() <= path.size());
    Require(path.ends_with(name));
    Require(name.find('\\') == std::string::npos);
    // The whole path, or exactly what follows a backslash.
    const std::size_t cut = path.size() - name.size();
    Require(cut == 0 ? path.find('\\') == std::string_view::npos : path[cut - 1] == '\\');
}

void CheckColour(std::int32_t colour)
{
    const std::string html = ColorToHtml(colour);
    Require(html.size() == 6);
    for (const char c : html) {
        Require(std::isdigit(static_cast<unsigned char>(c)) != 0 || (c >= 'A' && c <= 'F'));
    }
    if (colour >= 0 && colour <= 0xFFFFFF) {
        std::array<char, 7> rgb{};
        std::snprintf(rgb.data(), rgb.size(), "%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                      (colour >> 16) & 0xFF);
        Require(html == rgb.data());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    StyleSettings settings;
    settings.BoolFontBold = input.ConsumeBool();
    settings.BoolFontItalic = input.ConsumeBool();
    settings.BoolFontUnderline = input.ConsumeBool();
    settings.intFontSize = input.ConsumeIntegral<std::int16_t>();
    settings.LongFontColor = input.ConsumeIntegral<std::int32_t>();
    // Half the time a colour from the whole 24-bit range, as the colour dialog returns.
    if (input.ConsumeBool()) {
        settings.LongFontColor &= 0xFFFFFF;
    }
    settings.strAlignment = input.ConsumeRandomLengthString(64);
    settings.strFontName = input.ConsumeRandomLengthString(64);
    settings.strFontColor = input.ConsumeRandomLengthString(16);
    const std::string website = input.ConsumeRandomLengthString(256);
    const std::string path = input.ConsumeRandomLengthString(256);
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckColour(settings.LongFontColor);
    CheckFileName(path);
    CheckFragment(settings, website, path, text);
    CheckFragment(settings, website, FileNameFromPath(path), text);
    return 0;
}
