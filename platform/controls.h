#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QPlainTextEdit;

namespace quillamp {

// Small helpers where Qt's widgets differ from what the window relies on.

// Adds the items to a list that keeps alphabetical order: one sort, then one insertion.
// Case is ignored; names equal but for case keep a stable order.
void AddItemsSorted(QComboBox& box, QStringList items);

// Alignment of every line of the box, including lines typed later: 0 left, 1 right,
// 2 centred; any other code aligns left.
void SetAlignmentOfEveryLine(QPlainTextEdit& box, int code);

// The box's whole text with every character kept (QPlainTextEdit::toPlainText turns
// no-break spaces into spaces). Line breaks read as "\n".
QString TextOf(const QPlainTextEdit& box);

// A multi-line box as the window wants it: word-wrapped, no scroll bars, Tab moves on.
void MakeMultiLineBox(QPlainTextEdit& box);

} // namespace quillamp
