#include "controls.h"
#include "qt_platform.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QtTest>

using quillamp::test::Window;

namespace {

// The fragment as Generate Code writes it for the given pieces.
QString Fragment(const QString& align, const QString& source, const QString& face, int size,
                 const QString& color, const QString& text)
{
    return QStringLiteral("<p align=\"%1\"><embed src=\"%2\" width=\"200\" Height=\"45\" "
                          "autostart=\"false\"></embed></p>")
               .arg(align, source) +
           QStringLiteral("<p align=\"%1\"><font face=\"%2,MS Sans Serif\" size=\"%3\" "
                          "color=\"#%4\">")
               .arg(align, face, QString::number(size), color) +
           text + QStringLiteral("</font></p>");
}

// Picks an item the way a keyboard user does: first item, then down the list.
void Choose(QComboBox* box, int index)
{
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(box, Qt::Key_Down);
    }
    QCOMPARE(box->currentIndex(), index);
}

struct Shown : Window {
    explicit Shown(const QStringList& fonts = DefaultFonts())
        : Window(fonts)
    {
        QVERIFY(showActive());
    }
    QPlainTextEdit* text() const { return control<QPlainTextEdit>("txtText"); }
    QString code() const { return quillamp::TextOf(*control<QPlainTextEdit>("txtCode")); }
    // Alt+key clicks its button after a short delay; wait for the click to finish.
    void press(char key) const
    {
        const QString button = QStringLiteral("&%1").arg(QChar(key));
        QAbstractButton* target = nullptr;
        for (auto* b : form->findChildren<QAbstractButton*>()) {
            if (b->text().contains(button, Qt::CaseInsensitive)) {
                target = b;
            }
        }
        QVERIFY(target);
        QSignalSpy clicked(target, &QAbstractButton::clicked);
        QTest::keyClick(form.get(), key, Qt::AltModifier);
        QTRY_COMPARE(clicked.count(), 1);
    }
    void click(const char* name) const
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startUp();
    void startUpWithFewFonts_data();
    void startUpWithFewFonts();
    void alignment_data();
    void alignment();
    void sizes();
    void styleWaitsForPreview();
    void colour();
    void browse();
    void codeBoxEdits();
    void textKeptExactly();
    void copyToRealClipboard();
};

void Form1Test::startUp()
{
    Shown w;
    const auto& s = w.form->settings;
    QCOMPARE(s.strFontName, std::string("Tahoma")); // the sixth of seven, sorted
    QCOMPARE(s.intFontSize, 3);
    QVERIFY(!s.BoolFontBold && !s.BoolFontItalic && !s.BoolFontUnderline);
    QCOMPARE(s.LongFontColor, 0);
    QCOMPARE(s.strFontColor, std::string("000000"));
    QCOMPARE(s.intAlignment, std::string("0"));
    QCOMPARE(s.strAlignment, std::string());
    QCOMPARE(w.control<QComboBox>("cboAlignment")->currentText(), QStringLiteral("None"));
    QCOMPARE(w.control<QComboBox>("cboSize")->currentText(), QStringLiteral("3"));
    QCOMPARE(w.text()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(w.text()->font().pointSizeF(), 15.0);
    QCOMPARE(w.text()->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(w.code().isEmpty());

    w.press('g');
    QTRY_COMPARE(w.code(), Fragment("", "http://www.example.com/Your Filename goes here", "Tahoma",
                                    3, "000000", "Your Text"));
}

void Form1Test::startUpWithFewFonts_data()
{
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<QString>("selected");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("three") << QStringList({"b", "c", "A"}) << QStringLiteral("c");
}

void Form1Test::startUpWithFewFonts()
{
    QFETCH(QStringList, fonts);
    QFETCH(QString, selected);
    Shown w(fonts);
    QCOMPARE(QString::fromStdString(w.form->settings.strFontName), selected);
    w.press('g');
    QTRY_VERIFY(w.code().contains(QStringLiteral("face=\"%1,MS Sans Serif\"").arg(selected)));
}

void Form1Test::alignment_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("preview");
    const auto row = [](const char* item, int index, const char* code, const char* word,
                        Qt::Alignment preview) {
        QTest::newRow(item) << index << code << word << int(preview);
    };
    row("None", 0, "0", "", Qt::AlignLeft);
    row("Left", 1, "0", "Left", Qt::AlignLeft);
    row("Right", 2, "1", "Right", Qt::AlignRight);
    row("Center", 3, "2", "Center", Qt::AlignHCenter);
}

void Form1Test::alignment()
{
    QFETCH(int, index);
    QFETCH(QString, code);
    QFETCH(QString, word);
    QFETCH(int, preview);
    Shown w;
    Choose(w.control<QComboBox>("cboAlignment"), index);
    w.press('p');
    QTRY_COMPARE(QString::fromStdString(w.form->settings.intAlignment), code);
    QCOMPARE(QString::fromStdString(w.form->settings.strAlignment), word);

    // Every line, including one typed after the preview, takes the alignment.
    QTest::keyClick(w.text(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(w.text(), Qt::Key_Return);
    QTest::keyClicks(w.text(), "second line");
    QCOMPARE(w.text()->document()->blockCount(), 2);
    QCOMPARE(int(w.text()->document()->defaultTextOption().alignment()), preview);

    w.press('g');
    QTRY_VERIFY(w.code().startsWith(QStringLiteral("<p align=\"%1\"><embed").arg(word)));
    QCOMPARE(w.code().count(QStringLiteral("<p align=\"%1\">").arg(word)), 2);
}

void Form1Test::sizes()
{
    Shown w;
    auto* size = w.control<QComboBox>("cboSize");
    for (int html = 1; html <= 7; ++html) {
        Choose(size, html - 1);
        w.press('p');
        QTRY_COMPARE(w.text()->font().pointSizeF(), 3.0 * html + 6);
        w.press('g');
        QTRY_VERIFY(w.code().contains(QStringLiteral("size=\"%1\"").arg(html)));
    }
}

void Form1Test::styleWaitsForPreview()
{
    Shown w;
    w.click("chkBold");
    w.click("chkItalic");
    w.click("chkUnderlined");
    w.click("chkUnderlined"); // toggled back off
    QVERIFY(!w.text()->font().bold());

    w.press('g');
    QTRY_VERIFY(w.code().endsWith(QStringLiteral("</font></p></i></b>")));
    QVERIFY(w.code().contains(QStringLiteral("</p><b><i><p align")));
    QVERIFY(!w.text()->font().bold()); // generating does not restyle the preview
    QVERIFY(!w.text()->font().italic());

    w.click("cmdPreview");
    QVERIFY(w.text()->font().bold());
    QVERIFY(w.text()->font().italic());
    QVERIFY(!w.text()->font().underline());
}

void Form1Test::colour()
{
    Shown w;
    w.dialog->colorAnswers = {255};
    w.press('h');
    QTRY_COMPARE(w.form->settings.LongFontColor, 255);
    QCOMPARE(w.form->settings.strFontColor, std::string("FF0000"));
    QCOMPARE(w.dialog->shown.back().title, std::string("Color"));

    w.press('g');
    QTRY_VERIFY(w.code().contains(QStringLiteral("color=\"#FF0000\"")));
    QCOMPARE(w.text()->palette().color(QPalette::Text), QColor(Qt::black));
    w.press('p');
    QTRY_COMPARE(w.text()->palette().color(QPalette::Text), QColor(Qt::red));
}

void Form1Test::browse()
{
    Shown w;
    auto* name = w.control<QLineEdit>("txtFileName");
    w.dialog->openAnswers = {std::string("C:\\Music\\tune.mid"), std::nullopt};
    w.press('r');
    QTRY_COMPARE(name->text(), QStringLiteral("tune.mid"));
    QCOMPARE(w.dialog->shown.back().title, std::string("Browse"));

    w.click("cmdBrowse"); // cancelled: the name stays
    QCOMPARE(w.dialog->shown.size(), std::size_t(2));
    QCOMPARE(name->text(), QStringLiteral("tune.mid"));
}

void Form1Test::codeBoxEdits()
{
    Shown w;
    auto* code = w.control<QPlainTextEdit>("txtCode");
    w.click("cmdCopyCode"); // an empty box still goes to the clipboard
    QCOMPARE(w.clipboard->texts, std::vector<QString>{QString()});

    w.click("cmdGenerateCode");
    const QString generated = w.code();
    code->setFocus();
    QTest::keyClick(code, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(code, "<!-- mine -->");
    w.click("cmdCopyCode");
    QCOMPARE(w.clipboard->texts.back(), generated + "<!-- mine -->");

    w.click("cmdGenerateCode");
    QCOMPARE(w.code(), generated);

    w.clipboard->failing = true;
    w.click("cmdCopyCode"); // a refusing clipboard ends the command quietly
    QCOMPARE(w.code(), generated);
}

void Form1Test::textKeptExactly()
{
    Shown w;
    const QString text = QString::fromUtf8("caf\u00e9\u00a0&\tline \U0001F3B5\nsecond & \"last\"");
    const QString site = QString::fromUtf8("http://\u00e9x\u00a0ample.org/");
    const QString file = QString::fromUtf8("tune\u00a0\U0001F3B6 & <1>.mid");
    w.text()->setPlainText(text);
    w.control<QLineEdit>("txtWebsite")->setText(site);
    w.control<QLineEdit>("txtFileName")->setText(file);
    w.click("cmdGenerateCode");
    QCOMPARE(w.code(), Fragment("", site + "/" + file, "Tahoma", 3, "000000", text));

    w.click("cmdCopyCode");
    QCOMPARE(w.clipboard->texts.back(), w.code());
    QVERIFY(w.clipboard->texts.back().contains(QChar(0x00a0)));
}

void Form1Test::copyToRealClipboard()
{
    quillamp::QtClipboard clipboard;
    const QString text = QString::fromUtf8("<p>\u00a0\U0001F3B5</p>");
    clipboard.SetText(text);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), text);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
