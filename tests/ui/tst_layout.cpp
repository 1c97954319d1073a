#include "window_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using quillamp::test::Window;

namespace {

QString CaptionOf(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) {
        return frame->title();
    }
    if (auto* line = qobject_cast<const QLineEdit*>(w)) {
        return line->text();
    }
    if (auto* box = qobject_cast<const QPlainTextEdit*>(w)) {
        return box->toPlainText();
    }
    return {};
}

const char* const kTabChain[] = {
    "txtFileName",     "cmdBrowse",  "txtWebsite", "cboAlignment",    "txtText",
    "cboFont",         "cboSize",    "chkBold",    "chkItalic",       "chkUnderlined",
    "cmdChangeColors", "cmdPreview", "txtCode",    "cmdGenerateCode", "cmdCopyCode"};

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void fonts();
    void windowIsFixed();
    void listsAndDefaults();
    void tabOrder();
    void accessKeys_data();
    void accessKeys();
    void captionsFit();
    void accessibleNames();
};

void LayoutTest::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry"); // logical pixels

    const auto row = [](const char* name, const char* kind, const char* container,
                        const char* caption, int l, int t, int w, int h) {
        QTest::newRow(name) << kind << container << caption << QRect(l, t, w, h);
    };
    row("lblFileName", "QLabel", "Form1", "File Name:", 24, 8, 89, 17);
    row("txtFileName", "QLineEdit", "Form1", "Your Filename goes here", 40, 32, 321, 25);
    row("cmdBrowse", "QPushButton", "Form1", "B&rowse", 384, 32, 81, 25);
    row("lblWebsite", "QLabel", "Form1", "Website :", 24, 72, 57, 25);
    row("txtWebsite", "QLineEdit", "Form1", "http://www.example.com", 40, 96, 321, 25);
    row("lblAlignment", "QLabel", "Form1", "Alignment:", 384, 72, 89, 17);
    row("cboAlignment", "QComboBox", "Form1", "", 400, 96, 81, 24);
    row("frmText", "QGroupBox", "Form1", "Text:", 16, 144, 569, 201);
    row("txtText", "QPlainTextEdit", "frmText", "Your Text", 8, 104, 409, 81);
    row("frmFont", "QGroupBox", "frmText", "Font :", 8, 24, 193, 65);
    row("cboFont", "QComboBox", "frmFont", "", 8, 24, 177, 24);
    row("frmSize", "QGroupBox", "frmText", "Size :", 216, 24, 57, 65);
    row("cboSize", "QComboBox", "frmSize", "", 8, 24, 41, 24);
    row("frmStyle", "QGroupBox", "frmText", "Style :", 288, 24, 129, 65);
    row("chkBold", "QCheckBox", "frmStyle", "B", 8, 24, 41, 17);
    row("chkItalic", "QCheckBox", "frmStyle", "I", 48, 24, 33, 17);
    row("chkUnderlined", "QCheckBox", "frmStyle", "U", 88, 24, 33, 17);
    row("frmColor", "QGroupBox", "frmText", "Color :", 432, 24, 113, 65);
    row("cmdChangeColors", "QPushButton", "frmColor", "C&hange Color", 8, 24, 97, 25);
    row("cmdPreview", "QPushButton", "frmText", "&Preview", 432, 136, 113, 25);
    row("txtCode", "QPlainTextEdit", "Form1", "", 16, 408, 569, 89);
    row("cmdGenerateCode", "QPushButton", "Form1", "&Generate Code", 120, 360, 153, 33);
    row("cmdCopyCode", "QPushButton", "Form1", "&Copy Code", 320, 360, 145, 33);
}

void LayoutTest::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    Window window;
    auto* w = window.control<QWidget>(QTest::currentDataTag());
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), kind);
    const QWidget* parent = w->parentWidget();
    QCOMPARE(parent == window.form.get() ? QStringLiteral("Form1") : parent->objectName(),
             container);
    QCOMPARE(CaptionOf(w), caption);
    QCOMPARE(w->geometry(), geometry);
    QVERIFY(w->isEnabled());
}

void LayoutTest::fonts()
{
    Window window;
    const auto check = [&](const char* name, qreal points, bool bold, bool italic, bool underline) {
        const QFont f = window.control<QWidget>(name)->font();
        QCOMPARE(f.pointSizeF(), points);
        QCOMPARE(f.bold(), bold);
        QCOMPARE(f.italic(), italic);
        QCOMPARE(f.underline(), underline);
    };
    check("lblFileName", 9.75, true, false, false);
    check("frmText", 9.75, true, false, false);
    // Inside the bold frame, the regular controls must not inherit its weight.
    check("frmFont", 9.75, false, false, false);
    check("cboFont", 9.75, false, false, false);
    check("cmdPreview", 9.75, false, false, false);
    check("chkBold", 12, true, false, false);
    check("chkItalic", 12, false, true, false);
    check("chkUnderlined", 12, false, false, true);
    check("txtCode", 9.75, false, false, false);
}

void LayoutTest::windowIsFixed()
{
    Window window;
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Quillamp"));
    QCOMPARE(window.form->size(), QSize(604, 511));
    QCOMPARE(window.form->minimumSize(), window.form->maximumSize());
}

void LayoutTest::listsAndDefaults()
{
    Window window({"zeta", "Alpha", "beta"});
    const auto items = [&](const char* name) {
        auto* box = window.control<QComboBox>(name);
        QStringList list;
        for (int i = 0; i < box->count(); ++i) {
            list << box->itemText(i);
        }
        return list;
    };
    QCOMPARE(items("cboAlignment"), QStringList({"None", "Left", "Right", "Center"}));
    QCOMPARE(items("cboSize"), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(items("cboFont"), QStringList({"Alpha", "beta", "zeta"}));
    for (const char* name : {"cboAlignment", "cboSize", "cboFont"}) {
        QVERIFY(!window.control<QComboBox>(name)->isEditable());
    }
    for (const char* name : {"chkBold", "chkItalic", "chkUnderlined"}) {
        QCOMPARE(window.control<QCheckBox>(name)->checkState(), Qt::Unchecked);
    }
    for (const char* name : {"txtText", "txtCode"}) {
        auto* box = window.control<QPlainTextEdit>(name);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(box->tabChangesFocus());
    }
}

void LayoutTest::tabOrder()
{
    Window window;
    QVERIFY(window.showActive());
    QTRY_COMPARE(QApplication::focusWidget(), window.control<QWidget>("txtFileName"));

    const int n = static_cast<int>(std::size(kTabChain));
    for (int i = 1; i <= n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(kTabChain[i % n]));
    }
    for (int i = n - 1; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(kTabChain[i]));
    }
}

void LayoutTest::accessKeys_data()
{
    QTest::addColumn<char>("key");
    QTest::newRow("cmdBrowse") << 'r';
    QTest::newRow("cmdChangeColors") << 'h';
    QTest::newRow("cmdPreview") << 'p';
    QTest::newRow("cmdGenerateCode") << 'g';
    QTest::newRow("cmdCopyCode") << 'c';
}

void LayoutTest::accessKeys()
{
    QFETCH(char, key);
    Window window;
    window.dialog->openAnswers.push_back(std::nullopt);
    window.dialog->colorAnswers.push_back(std::nullopt);
    QVERIFY(window.showActive());

    auto* button = window.control<QPushButton>(QTest::currentDataTag());
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(window.form.get(), key, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

void LayoutTest::captionsFit()
{
    Window window;
    const auto fits = [&](const char* name, int room) {
        auto* w = window.control<QWidget>(name);
        QString caption = CaptionOf(w);
        caption.remove(QLatin1Char('&'));
        const int needed = QFontMetrics(w->font()).horizontalAdvance(caption);
        if (needed > room) {
            QFAIL(qPrintable(
                QStringLiteral("%1 needs %2 px, has %3").arg(QString(name)).arg(needed).arg(room)));
        }
    };
    for (const char* label : {"lblFileName", "lblWebsite", "lblAlignment"}) {
        fits(label, window.control<QWidget>(label)->width());
    }
    // Frames draw their caption after a small indent; buttons keep a margin on each side.
    for (const char* frame : {"frmText", "frmFont", "frmSize", "frmStyle", "frmColor"}) {
        fits(frame, window.control<QWidget>(frame)->width() - 16);
    }
    for (const char* button :
         {"cmdBrowse", "cmdChangeColors", "cmdPreview", "cmdGenerateCode", "cmdCopyCode"}) {
        fits(button, window.control<QWidget>(button)->width() - 8);
    }
}

void LayoutTest::accessibleNames()
{
    Window window;
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    const QStringList expected = {"File Name",      "Browse",        "Website",      "Alignment",
                                  "Text",           "Font",          "Size",         "Bold",
                                  "Italic",         "Underline",     "Change Color", "Preview",
                                  "Generated code", "Generate Code", "Copy Code"};
    QStringList names;
    for (const char* name : kTabChain) {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(window.control<QWidget>(name));
        QVERIFY(iface);
        // On Linux Qt speaks a list's current item as its name and its label through
        // the accessible property; check that property for lists.
        names << (iface->role() == QAccessible::ComboBox
                      ? iface->object()->property("accessibleName").toString()
                      : iface->text(QAccessible::Name));
    }
    QCOMPARE(names, expected);
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
