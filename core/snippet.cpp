#include "snippet.h"

#include <array>
#include <charconv>
#include <initializer_list>

namespace quillamp {

namespace {

constexpr std::string_view kParagraphStart = "<p align=\"";
constexpr std::string_view kTagEnd = "\">";
constexpr std::string_view kEmbedStart = "<embed src=\"";
constexpr std::string_view kPathSeparator = "/";
constexpr std::string_view kEmbedSize = R"(" width="200" Height="45")";
constexpr std::string_view kEmbedEnd = " autostart=\"false\"></embed></p>";
constexpr std::string_view kFontStart = "<font face=\"";
constexpr std::string_view kFallbackFaceAndSize = ",MS Sans Serif\" size=\"";
constexpr std::string_view kColorAttribute = "\" color=\"#";
constexpr std::string_view kFontEnd = "</font></p>";

} // namespace

std::string ComposeSnippet(const StyleSettings& settings, std::string_view website,
                           std::string_view fileName, std::string_view text)
{
    std::array<char, 8> sizeDigits{};
    auto* const sizeEnd = std::to_chars(sizeDigits.data(), sizeDigits.data() + sizeDigits.size(),
                                        settings.intFontSize)
                              .ptr;
    const std::string_view size(sizeDigits.data(),
                                static_cast<std::size_t>(sizeEnd - sizeDigits.data()));

    // Opening tags go b, i, u; closing tags mirror them so the elements nest.
    std::string_view open;
    std::string_view close;
    {
        static constexpr std::array<std::string_view, 8> kOpen = {
            "", "<b>", "<i>", "<b><i>", "<u>", "<b><u>", "<i><u>", "<b><i><u>"};
        static constexpr std::array<std::string_view, 8> kClose = {
            "", "</b>", "</i>", "</i></b>", "</u>", "</u></b>", "</u></i>", "</u></i></b>"};
        const std::size_t styles = (settings.BoolFontBold ? 1U : 0U) |
                                   (settings.BoolFontItalic ? 2U : 0U) |
                                   (settings.BoolFontUnderline ? 4U : 0U);
        open = kOpen[styles];
        close = kClose[styles];
    }

    const std::initializer_list<std::string_view> pieces = {kParagraphStart,
                                                            settings.strAlignment,
                                                            kTagEnd,
                                                            kEmbedStart,
                                                            website,
                                                            kPathSeparator,
                                                            fileName,
                                                            kEmbedSize,
                                                            kEmbedEnd,
                                                            open,
                                                            kParagraphStart,
                                                            settings.strAlignment,
                                                            kTagEnd,
                                                            kFontStart,
                                                            settings.strFontName,
                                                            kFallbackFaceAndSize,
                                                            size,
                                                            kColorAttribute,
                                                            settings.strFontColor,
                                                            kTagEnd,
                                                            text,
                                                            kFontEnd,
                                                            close};

    std::size_t length = 0;
    for (const auto piece : pieces) {
        length += piece.size();
    }
    std::string snippet;
    snippet.reserve(length);
    for (const auto piece : pieces) {
        snippet.append(piece);
    }
    return snippet;
}

} // namespace quillamp
