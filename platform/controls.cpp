#include "controls.h"

#include <QCollator>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace quillamp {

void AddItemsSorted(QComboBox& box, QStringList items)
{
    for (int i = 0; i < box.count(); ++i) {
        items.append(box.itemText(i));
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(items.begin(), items.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    const QSignalBlocker quiet(&box);
    // addItems on an empty box would select the first item; the list starts with none.
    const int selected =
        box.currentIndex() < 0 ? -1 : static_cast<int>(items.indexOf(box.currentText()));
    box.clear();
    box.addItems(items);
    box.setCurrentIndex(selected);
}

void SetAlignmentOfEveryLine(QPlainTextEdit& box, int code)
{
    Qt::Alignment alignment = Qt::AlignLeft;
    if (code == 1) {
        alignment = Qt::AlignRight;
    } else if (code == 2) {
        alignment = Qt::AlignHCenter;
    }
    QTextOption option = box.document()->defaultTextOption();
    option.setAlignment(alignment);
    box.document()->setDefaultTextOption(option);
}

QString TextOf(const QPlainTextEdit& box)
{
    QString text = box.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = u'\n';
        }
    }
    return text;
}

void MakeMultiLineBox(QPlainTextEdit& box)
{
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setTabChangesFocus(true);
}

} // namespace quillamp
