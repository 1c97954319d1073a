#include "controls.h"

#include <QComboBox>
#include <QTest>

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void addItemsSorted_data();
    void addItemsSorted();
};

void TestControls::addItemsSorted_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("current");
    QTest::newRow("empty box: case ignored, nothing selected")
        << QStringList{} << -1 << QStringList{"verdana", "Arial", "Courier New", "Wingdings"}
        << QStringList{"Arial", "Courier New", "verdana", "Wingdings"} << QString();
    // Enough variants of one name that a sort which is not stable would reorder them.
    QStringList variants;
    for (int upper = 31; upper >= 0; --upper) {
        QString name = QStringLiteral("arial");
        for (int i = 0; i < 5; ++i) {
            if ((upper >> i & 1) != 0) {
                name[i] = name[i].toUpper();
            }
        }
        variants.append(name);
    }
    QTest::newRow("names equal but for case keep their order")
        << QStringList{} << -1 << QStringList{"b"} + variants << variants + QStringList{"b"}
        << QString();
    QTest::newRow("selection follows its item")
        << QStringList{"Beta", "Delta"} << 1 << QStringList{"alpha", "Charlie"}
        << QStringList{"alpha", "Beta", "Charlie", "Delta"} << "Delta";
    QTest::newRow("no selection stays none") << QStringList{"Beta"} << -1 << QStringList{"alpha"}
                                             << QStringList{"alpha", "Beta"} << QString();
}

void TestControls::addItemsSorted()
{
    QFETCH(QStringList, before);
    QFETCH(int, selected);
    QFETCH(QStringList, added);
    QFETCH(QStringList, after);
    QFETCH(QString, current);
    QComboBox box;
    box.addItems(before);
    box.setCurrentIndex(selected);

    quillamp::AddItemsSorted(box, added);
    QStringList items;
    for (int i = 0; i < box.count(); ++i) {
        items.append(box.itemText(i));
    }
    QCOMPARE(items, after);
    QCOMPARE(box.currentText(), current);
    QCOMPARE(box.currentIndex(), static_cast<int>(after.indexOf(current)));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
