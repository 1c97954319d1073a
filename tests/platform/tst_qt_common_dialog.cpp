#include "qt_platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using quillamp::QtCommonDialog;

namespace {

// Runs act on the next modal dialog of type D once it shows; the caller then opens it.
template <typename D, typename Act> void OnNextDialog(Act act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
            // A dialog that refused to close would block the test until its watchdog fires.
            QTimer::singleShot(1000, dialog, [dialog] { dialog->reject(); });
        }
    });
    poll->start(10);
}

} // namespace

class TestQtCommonDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void colourDialogStartsOnAndKeepsTheColour();
    void fileDialogListsEveryFileAndGivesBackslashes();
};

void TestQtCommonDialog::colourDialogStartsOnAndKeepsTheColour()
{
    QtCommonDialog dialog;
    dialog.DialogTitle = "Color";
    dialog.Flags = 3;
    dialog.Color = 0x563412; // 0x00BBGGRR
    QString title;
    QString openedOn;
    OnNextDialog<QColorDialog>([&](QColorDialog& shown) {
        title = shown.windowTitle();
        openedOn = shown.currentColor().name();
        shown.setCurrentColor(QColor(0xAB, 0xCD, 0xEF));
        shown.accept();
    });
    dialog.ShowColor();
    QCOMPARE(title, "Color");
    QCOMPARE(openedOn, "#123456");
    QCOMPARE(dialog.Color, 0xEFCDAB);

    dialog.CancelError = true;
    OnNextDialog<QColorDialog>([&](QColorDialog& shown) {
        openedOn = shown.currentColor().name();
        shown.setCurrentColor(Qt::white);
        shown.reject();
    });
    QVERIFY_THROWS_EXCEPTION(quillamp::DialogCancelled, dialog.ShowColor());
    QCOMPARE(openedOn, "#abcdef");
    QCOMPARE(dialog.Color, 0xEFCDAB);
}

void TestQtCommonDialog::fileDialogListsEveryFileAndGivesBackslashes()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"tune.mid", "README"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QtCommonDialog dialog;
    dialog.DialogTitle = "Browse";
    dialog.Filter = "All Files (*.*)|*.*";
    QString title;
    QStringList listed;
    OnNextDialog<QFileDialog>([&](QFileDialog& shown) {
        title = shown.windowTitle();
        // The names the dialog's own model lets through the selected filter.
        if (const auto* model = shown.findChild<QFileSystemModel*>()) {
            listed = QDir(dir.path()).entryList(model->nameFilters(), QDir::Files, QDir::Name);
        }
        // Typed, as selectFile() leaves the name box alone while it has the focus.
        shown.setDirectory(dir.path());
        if (auto* name = shown.findChild<QLineEdit*>("fileNameEdit")) {
            name->setText("README");
        }
        static_cast<QDialog&>(shown).accept(); // QFileDialog hides it; it checks the file
    });
    dialog.ShowOpen();
    QCOMPARE(title, "Browse");
    QCOMPARE(listed, QStringList({"README", "tune.mid"}));
    const QString chosen = QString::fromStdString(dialog.FileName);
    QVERIFY2(!chosen.contains(u'/') && chosen.endsWith(u"\\README"), qPrintable(chosen));
    QCOMPARE(chosen, dir.filePath("README").replace(u'/', u'\\'));

    OnNextDialog<QFileDialog>([](QFileDialog& shown) { shown.reject(); });
    dialog.ShowOpen();
    QVERIFY(dialog.FileName.empty());
}

QTEST_MAIN(TestQtCommonDialog)
#include "tst_qt_common_dialog.moc"
