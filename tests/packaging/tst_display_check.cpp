#include "display_check.h"

#include <QLoggingCategory>
#include <QTest>

#include <string>
#include <vector>

using quillamp::DisplaySetting;

namespace {

Q_LOGGING_CATEGORY(lcCheck, "quillamp.check")

struct Seen {
    QtMsgType type;
    QString category;
    QString text;
};
std::vector<Seen> seen;

void record(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    seen.push_back({type, QString::fromUtf8(context.category), text});
}

} // namespace

class TestDisplayCheck : public QObject {
    Q_OBJECT

private slots:
    void refusesOnlyWhenNoPlatformCanStart_data();
    void refusesOnlyWhenNoPlatformCanStart();
    void optionsWinOverEnvironment();
    void unreachableNamesTheDisplayTried_data();
    void unreachableNamesTheDisplayTried();
    void guardPassesOnHeldMessagesInOrder();
};

void TestDisplayCheck::refusesOnlyWhenNoPlatformCanStart_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("x11");
    QTest::addColumn<QString>("wayland");
    // Empty when the program should go on to start Qt.
    QTest::addColumn<QString>("unset");

    const QString both = QStringLiteral("DISPLAY and WAYLAND_DISPLAY are not set");
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << "" << both;
    QTest::newRow("X11 session") << ""
                                 << ":0"
                                 << ""
                                 << "";
    QTest::newRow("Wayland session") << ""
                                     << ""
                                     << "wayland-0"
                                     << "";
    QTest::newRow("xcb needs DISPLAY") << "xcb"
                                       << ""
                                       << "wayland-0"
                                       << "DISPLAY is not set";
    QTest::newRow("xcb with options") << "xcb:nograb"
                                      << ""
                                      << ""
                                      << "DISPLAY is not set";
    QTest::newRow("wayland-egl needs WAYLAND_DISPLAY") << "wayland-egl"
                                                       << ":0"
                                                       << ""
                                                       << "WAYLAND_DISPLAY is not set";
    QTest::newRow("offscreen") << "offscreen"
                               << ""
                               << ""
                               << "";
    QTest::newRow("offscreen with options") << "offscreen:fontengine=freetype"
                                            << ""
                                            << ""
                                            << "";
    QTest::newRow("minimal") << "minimal"
                             << ""
                             << ""
                             << "";
    QTest::newRow("fallback reaches offscreen") << "xcb;offscreen"
                                                << ""
                                                << ""
                                                << "";
    QTest::newRow("fallback reaches xcb") << "wayland;xcb"
                                          << ":1"
                                          << ""
                                          << "";
    QTest::newRow("every fallback needs a server") << "wayland;xcb"
                                                   << ""
                                                   << "" << both;
    QTest::newRow("only separators") << ";"
                                     << ""
                                     << "" << both;
}

void TestDisplayCheck::refusesOnlyWhenNoPlatformCanStart()
{
    QFETCH(QString, platform);
    QFETCH(QString, x11);
    QFETCH(QString, wayland);
    QFETCH(QString, unset);

    const auto message = quillamp::missingDisplayMessage(
        {platform.toStdString(), x11.toStdString(), wayland.toStdString()});
    if (unset.isEmpty()) {
        QVERIFY2(!message, message ? message->c_str() : "");
        return;
    }
    QVERIFY(message);
    const QString line = QString::fromStdString(*message);
    QVERIFY2(line.contains(unset), qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("xvfb-run quillamp")), qPrintable(line));
    QVERIFY(!line.contains(QLatin1Char('\n')));
}

void TestDisplayCheck::optionsWinOverEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", ":0");
    qputenv("WAYLAND_DISPLAY", "wayland-1");

    const char* const options[] = {"quillamp", "--platform", "offscreen", "-display", ":7"};
    const DisplaySetting fromOptions = quillamp::currentDisplaySetting(5, options);
    QCOMPARE(fromOptions.platform, "offscreen");
    QCOMPARE(fromOptions.x11Display, ":7");
    QCOMPARE(fromOptions.waylandDisplay, "wayland-1");

    // An option missing its value at the end is left to Qt, and must not read past argv.
    const char* const dangling[] = {"quillamp", "-platform", nullptr};
    const DisplaySetting fromEnvironment = quillamp::currentDisplaySetting(2, dangling);
    QCOMPARE(fromEnvironment.platform, "xcb");
    QCOMPARE(fromEnvironment.x11Display, ":0");
}

void TestDisplayCheck::unreachableNamesTheDisplayTried_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("x11");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("named");

    QTest::newRow("X11 by default") << ""
                                    << ":99"
                                    << "wayland-1"
                                    << "display :99";
    QTest::newRow("Wayland by default") << ""
                                        << ""
                                        << "wayland-1"
                                        << "Wayland display wayland-1";
    QTest::newRow("wayland asked for") << "wayland"
                                       << ":0"
                                       << "wayland-1"
                                       << "Wayland display wayland-1";
    QTest::newRow("first of the fallbacks") << "xcb;wayland"
                                            << ":5"
                                            << "wayland-1"
                                            << "display :5";
}

void TestDisplayCheck::unreachableNamesTheDisplayTried()
{
    QFETCH(QString, platform);
    QFETCH(QString, x11);
    QFETCH(QString, wayland);
    QFETCH(QString, named);

    // Qt's reason can span lines; stderr still gets one.
    const QString line = QString::fromStdString(quillamp::unreachableDisplayMessage(
        {platform.toStdString(), x11.toStdString(), wayland.toStdString()},
        "could not connect\nto the server"));
    QVERIFY2(line.contains(QStringLiteral("window on ") + named + QStringLiteral(" (")),
             qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("could not connect to the server")), qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("xvfb-run quillamp")), qPrintable(line));
}

void TestDisplayCheck::guardPassesOnHeldMessagesInOrder()
{
    seen.clear();
    const QtMessageHandler before = qInstallMessageHandler(record);
    {
        quillamp::PlatformStartGuard guard(DisplaySetting{"offscreen", "", ""});
        qWarning("first");
        qCWarning(lcCheck, "second");
        qCritical("third");
        QVERIFY(seen.empty());
        guard.release();
        qWarning("after release");
    }
    qWarning("after the guard");
    qInstallMessageHandler(before);

    QCOMPARE(seen.size(), 5U);
    QCOMPARE(seen[0].text, "first");
    QCOMPARE(seen[1].text, "second");
    QCOMPARE(seen[1].category, "quillamp.check");
    QCOMPARE(seen[2].type, QtCriticalMsg);
    QCOMPARE(seen[2].text, "third");
    QCOMPARE(seen[3].text, "after release");
    QCOMPARE(seen[4].text, "after the guard");
}

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_display_check.moc"
