#include "window_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using quillamp::test::Window;

namespace {

// Caption or initial text, whichever the control's kind has.
QString CaptionOf(const QWidget* w)
{
    for (const char* property : {"text", "title", "plainText"}) {
        if (const QVariant value = w->property(property); value.isValid()) {
            return value.toString();
        }
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
    void windowListsAndDefaults();
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
    QTest::addColumn<QRect>("geometry"); // logical pixels: twips / 15
    QTest::addColumn<QString>("face");   // R regular, H heading, B, I, U 12 pt styles

    const auto row = [](const char* name, const char* kind, const char* container,
                        const char* caption, QRect geometry, const char* face) {
        QTest::newRow(name) << kind << container << caption << geometry << face;
    };
    row("lblFileName", "QLabel", "Form1", "File Name:", {24, 8, 89, 17}, "H");
    row("txtFileName", "QLineEdit", "Form1", "Your Filename goes here", {40, 32, 321, 25}, "R");
    row("cmdBrowse", "QPushButton", "Form1", "B&rowse", {384, 32, 81, 25}, "R");
    row("lblWebsite", "QLabel", "Form1", "Website :", {24, 72, 57, 25}, "H");
    row("txtWebsite", "QLineEdit", "Form1", "http://www.example.com", {40, 96, 321, 25}, "R");
    row("lblAlignment", "QLabel", "Form1", "Alignment:", {384, 72, 89, 17}, "H");
    row("cboAlignment", "QComboBox", "Form1", "", {400, 96, 81, 24}, "R");
    row("frmText", "QGroupBox", "Form1", "Text:", {16, 144, 569, 201}, "H");
    row("txtText", "QPlainTextEdit", "frmText", "Your Text", {8, 104, 409, 81}, "");
    row("frmFont", "QGroupBox", "frmText", "Font :", {8, 24, 193, 65}, "R");
    row("cboFont", "QComboBox", "frmFont", "", {8, 24, 177, 24}, "R");
    row("frmSize", "QGroupBox", "frmText", "Size :", {216, 24, 57, 65}, "R");
    row("cboSize", "QComboBox", "frmSize", "", {8, 24, 41, 24}, "R");
    row("frmStyle", "QGroupBox", "frmText", "Style :", {288, 24, 129, 65}, "R");
    row("chkBold", "QCheckBox", "frmStyle", "B", {8, 24, 41, 17}, "B");
    row("chkItalic", "QCheckBox", "frmStyle", "I", {48, 24, 33, 17}, "I");
    row("chkUnderlined", "QCheckBox", "frmStyle", "U", {88, 24, 33, 17}, "U");
    row("frmColor", "QGroupBox", "frmText", "Color :", {432, 24, 113, 65}, "R");
    row("cmdChangeColors", "QPushButton", "frmColor", "C&hange Color", {8, 24, 97, 25}, "R");
    row("cmdPreview", "QPushButton", "frmText", "&Preview", {432, 136, 113, 25}, "R");
    row("txtCode", "QPlainTextEdit", "Form1", "", {16, 408, 569, 89}, "");
    row("cmdGenerateCode", "QPushButton", "Form1", "&Generate Code", {120, 360, 153, 33}, "R");
    row("cmdCopyCode", "QPushButton", "Form1", "&Copy Code", {320, 360, 145, 33}, "R");
}

void LayoutTest::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, face);

    Window window;
    auto* w = window.control<QWidget>(QTest::currentDataTag());
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), kind);
    const QWidget* parent = w->parentWidget();
    QCOMPARE(parent == window.form.get() ? QStringLiteral("Form1") : parent->objectName(),
             container);
    QCOMPARE(CaptionOf(w), caption);
    QCOMPARE(w->geometry(), geometry);
    if (!face.isEmpty()) {
        // Inside the bold "Text:" frame, regular controls must not inherit its weight.
        const QFont f = w->font();
        QCOMPARE(f.pointSizeF(), QString("BIU").contains(face) ? 12.0 : 9.75);
        QCOMPARE(f.bold(), face == "H" || face == "B");
        QCOMPARE(f.italic(), face == "I");
        QCOMPARE(f.underline(), face == "U");
    }
}

void LayoutTest::windowListsAndDefaults()
{
    Window window({"zeta", "Alpha", "beta"});
    QVERIFY(window.showActive());
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Quillamp"));
    QCOMPARE(window.form->size(), QSize(604, 511));
    QCOMPARE(window.form->minimumSize(), window.form->maximumSize());

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
    }
}

void LayoutTest::tabOrder()
{
    Window window;
    QVERIFY(window.showActive());
    QTRY_COMPARE(QApplication::focusWidget(), window.control<QWidget>("txtFileName"));

    // Round the whole chain and back; Tab leaves the multi-line boxes too.
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
    window.dialog->openAnswers.emplace_back(std::nullopt);
    window.dialog->colorAnswers.emplace_back(std::nullopt);
    QVERIFY(window.showActive());

    QSignalSpy clicked(window.control<QPushButton>(QTest::currentDataTag()), &QPushButton::clicked);
    QTest::keyClick(window.form.get(), key, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

void LayoutTest::captionsFit()
{
    // The substitute face must leave every caption whole at the fixed sizes. Frames draw
    // their caption after a small indent; buttons keep a margin on each side.
    Window window;
    const std::pair<const char*, int> margins[] = {
        {"lblFileName", 0}, {"lblWebsite", 0},      {"lblAlignment", 0}, {"frmText", 16},
        {"frmFont", 16},    {"frmSize", 16},        {"frmStyle", 16},    {"frmColor", 16},
        {"cmdBrowse", 8},   {"cmdChangeColors", 8}, {"cmdPreview", 8},   {"cmdGenerateCode", 8},
        {"cmdCopyCode", 8}};
    for (const auto& [name, margin] : margins) {
        auto* w = window.control<QWidget>(name);
        const int needed = QFontMetrics(w->font()).horizontalAdvance(CaptionOf(w).remove('&'));
        QVERIFY2(needed <= w->width() - margin,
                 qPrintable(QStringLiteral("%1 needs %2 px").arg(name).arg(needed)));
    }
}

void LayoutTest::accessibleNames()
{
    Window window;
    QVERIFY(window.showActive());
    QStringList names;
    for (const char* name : kTabChain) {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(window.control<QWidget>(name));
        QVERIFY(iface);
        // On Linux Qt speaks a list's current item as its name and its label through the
        // accessible-name property; check that property for lists.
        names << (iface->role() == QAccessible::ComboBox
                      ? iface->object()->property("accessibleName").toString()
                      : iface->text(QAccessible::Name));
    }
    QCOMPARE(names, QStringList({"File Name", "Browse", "Website", "Alignment", "Text", "Font",
                                 "Size", "Bold", "Italic", "Underline", "Change Color", "Preview",
                                 "Generated code", "Generate Code", "Copy Code"}));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
