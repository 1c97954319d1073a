#include "qt_platform.h"

#include <QTest>

class TestFontList : public QObject {
    Q_OBJECT

private slots:
    void cleaning_data();
    void cleaning();
    void installedFamiliesAreClean();
};

void TestFontList::cleaning_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("foundry suffix") << QStringList{"Nimbus Sans [UKWN]", "DejaVu Sans"}
                                    << QStringList{"Nimbus Sans", "DejaVu Sans"};
    QTest::newRow("brackets inside a name")
        << QStringList{"Foo [Bar] Baz"} << QStringList{"Foo [Bar] Baz"};
    QTest::newRow("generic aliases")
        << QStringList{"Sans Serif", "DejaVu Serif", "Serif", "Monospace", "Liberation Mono"}
        << QStringList{"DejaVu Serif", "Liberation Mono"};
    QTest::newRow("duplicates after stripping keep the first place")
        << QStringList{"Zeta [URW]", "Alpha", "Zeta [B&H]", "Alpha", "Zeta"}
        << QStringList{"Zeta", "Alpha"};
}

void TestFontList::cleaning()
{
    QFETCH(QStringList, families);
    QFETCH(QStringList, expected);
    QCOMPARE(quillamp::CleanFontFamilies(families), expected);
}

void TestFontList::installedFamiliesAreClean()
{
    const QStringList families = quillamp::QtFontList().Families();
    QVERIFY(!families.isEmpty());
    QCOMPARE(QSet<QString>(families.begin(), families.end()).size(), families.size());
    for (const QString& family : families) {
        QVERIFY2(!family.endsWith(u']') && family != u"Sans Serif" && family != u"Monospace",
                 qPrintable(family));
    }
}

QTEST_MAIN(TestFontList)
#include "tst_font_list.moc"
