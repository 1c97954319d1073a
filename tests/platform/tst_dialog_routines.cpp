#include "dialog_routines.h"
#include "fake_platform.h"

#include <QTest>

using quillamp::test::FakeCommonDialog;

class TestDialogRoutines : public QObject {
    Q_OBJECT

private slots:
    void browseForFile();
    void pickColorKeepsTheColourBetweenUses();
};

void TestDialogRoutines::browseForFile()
{
    FakeCommonDialog dialog;
    // Left over from a colour dialog: the routine resets what it relies on, and only that.
    dialog.DialogTitle = "Color";
    dialog.CancelError = true;
    dialog.Flags = 3;
    dialog.openAnswers = {R"(C:\Music\tune.mid)", std::nullopt};

    QCOMPARE(quillamp::BrowseForFile(dialog), R"(C:\Music\tune.mid)");
    QCOMPARE(quillamp::BrowseForFile(dialog), ""); // cancelled, and nothing thrown
    QCOMPARE(dialog.shown.size(), 2U);
    for (const auto& shown : dialog.shown) {
        QCOMPARE(shown.kind, "open");
        QCOMPARE(shown.title, "Browse");
        QVERIFY(!shown.cancelError);
        QCOMPARE(shown.filter, "All Files (*.*)|*.*");
        QCOMPARE(shown.flags, 3);
    }
}

void TestDialogRoutines::pickColorKeepsTheColourBetweenUses()
{
    FakeCommonDialog dialog;
    dialog.CancelError = true;
    dialog.colorAnswers = {std::nullopt, 0x00123456, std::nullopt};

    QCOMPARE(quillamp::PickColor(dialog), 0); // cancelled before any choice: black
    QCOMPARE(quillamp::PickColor(dialog), 0x00123456);
    QCOMPARE(quillamp::PickColor(dialog), 0x00123456); // cancelled: the last choice stands

    QCOMPARE(dialog.shown.size(), 3U);
    QCOMPARE(dialog.shown[2].color, 0x00123456); // reopened on the colour chosen
    for (const auto& shown : dialog.shown) {
        QCOMPARE(shown.kind, "color");
        QCOMPARE(shown.title, "Color");
        QVERIFY(!shown.cancelError);
        QCOMPARE(shown.flags, 3);
    }
}

QTEST_APPLESS_MAIN(TestDialogRoutines)
#include "tst_dialog_routines.moc"
