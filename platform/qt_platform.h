#pragma once

#include "clipboard.h"
#include "common_dialog.h"
#include "font_list.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

class QWidget;

namespace quillamp {

// The dialog object on Qt: QFileDialog and QColorDialog, modal to the given parent.
class QtCommonDialog : public CommonDialog {
public:
    explicit QtCommonDialog(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }

    void ShowOpen() override;
    void ShowColor() override;

private:
    QWidget* parent_;
};

class QtFontList : public FontList {
public:
    QStringList Families() const override;
};

class QtClipboard : public Clipboard {
public:
    void SetText(const QString& text) override;
};

// Conversions the Qt dialogs need; kept apart so they can be checked without a display.

// "Desc|pattern|Desc|pattern" to Qt's "Desc (patterns);;Desc (patterns)". "*.*" becomes "*",
// since on Linux "*.*" would hide names without a dot.
QString QtNameFilters(const std::string& filter);

// A path from the file dialog with backslash separators, as the file-name cut expects.
std::string DialogPath(const QString& path);

// 0x00BBGGRR and back; the top byte is ignored.
QColor QColorFromColorValue(std::int32_t colour);
std::int32_t ColorValueFromQColor(const QColor& colour);

// Font families as a person would type them into a web page: without the " [Foundry]"
// suffix, without fontconfig's generic aliases, each once.
QStringList CleanFontFamilies(const QStringList& families);

} // namespace quillamp
