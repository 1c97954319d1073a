#pragma once

#include <QStringList>

namespace quillamp {

// The installed font families, each once, named as a web page's face attribute takes them.
// The order is the provider's own; the font box sorts.
class FontList {
public:
    FontList() = default;
    virtual ~FontList() = default;
    FontList(const FontList&) = delete;
    FontList& operator=(const FontList&) = delete;
    FontList(FontList&&) = delete;
    FontList& operator=(FontList&&) = delete;

    virtual QStringList Families() const = 0;
};

} // namespace quillamp
