#include "qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>

#include <cstdint>
#include <stdexcept>

namespace quillamp {

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Modal to the given parent, or else to the window the user is working in.
QWidget* DialogParent(QWidget* parent)
{
    return parent != nullptr ? parent : QApplication::activeWindow();
}

} // namespace

// Both dialogs are Qt's own widgets, never the desktop's: a GTK or portal dialog would parse
// the name filters, show the custom colours and take the title in its own way, and it cannot
// be driven by a test. The look differs a little from the desktop's; the behaviour does not.

void QtCommonDialog::ShowOpen()
{
    // Flags means nothing to this dialog: it has no read-only box, and it never overwrites.
    QFileDialog dialog(DialogParent(parent_), FromUtf8(DialogTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString filters = QtNameFilters(Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilter(filters);
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        FileName = DialogPath(dialog.selectedFiles().constFirst());
        return;
    }
    FileName.clear();
    if (CancelError) {
        throw DialogCancelled();
    }
}

void QtCommonDialog::ShowColor()
{
    // Without flag 1 the dialog starts on black rather than on the colour it holds. Flag 2 needs
    // nothing: Qt's colour dialog always shows its custom colours.
    QColorDialog dialog(QColorFromColorValue((Flags & 1) != 0 ? Color : 0), DialogParent(parent_));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(FromUtf8(DialogTitle));
    if (dialog.exec() == QDialog::Accepted) {
        Color = ColorValueFromQColor(dialog.selectedColor());
    } else if (CancelError) {
        throw DialogCancelled();
    }
}

QStringList QtFontList::Families() const
{
    return CleanFontFamilies(QFontDatabase::families());
}

void QtClipboard::SetText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        throw std::runtime_error("no clipboard");
    }
    clipboard->setText(text, QClipboard::Clipboard);
}

QString QtNameFilters(const std::string& filter)
{
    static const QRegularExpression shownPatterns(QStringLiteral(R"(\s*\([^()]*\)\s*$)"));
    const QStringList parts = FromUtf8(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == u"*.*") {
                pattern = QStringLiteral("*");
            }
        }
        patterns.removeDuplicates();
        if (patterns.isEmpty()) {
            continue;
        }
        // Qt reads the patterns from the last "(...)" of the entry, so the description's own
        // copy of them ("All Files (*.*)") gives way to the patterns really used.
        QString description = parts[i];
        description.remove(shownPatterns);
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

std::string DialogPath(const QString& path)
{
    return QString(path).replace(u'/', u'\\').toStdString();
}

QColor QColorFromColorValue(std::int32_t colour)
{
    const auto value = static_cast<std::uint32_t>(colour);
    return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>((value >> 16) & 0xFF)};
}

std::int32_t ColorValueFromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    const auto value = static_cast<std::uint32_t>(rgb.red()) |
                       static_cast<std::uint32_t>(rgb.green()) << 8 |
                       static_cast<std::uint32_t>(rgb.blue()) << 16;
    return static_cast<std::int32_t>(value);
}

QStringList CleanFontFamilies(const QStringList& families)
{
    // Qt names a family that several foundries make "Family [Foundry]"; a web page knows only
    // the family. The generic names are fontconfig's aliases, which Qt always lists.
    static const QRegularExpression foundry(QStringLiteral(R"( \[[^\[\]]*\]$)"));
    static const QSet<QString> generic{QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                       QStringLiteral("Monospace")};
    QStringList cleaned;
    QSet<QString> seen;
    for (QString family : families) {
        family.remove(foundry);
        if (family.isEmpty() || generic.contains(family) || seen.contains(family)) {
            continue;
        }
        seen.insert(family);
        cleaned.append(family);
    }
    return cleaned;
}

} // namespace quillamp
