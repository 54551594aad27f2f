#include "programicon.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QTest>

class ProgramIconTest : public QObject {
    Q_OBJECT
private slots:
    void everySizeIsCompiledIn_data();
    void everySizeIsCompiledIn();
    void windowsTakeTheApplicationsIcon();
};

void ProgramIconTest::everySizeIsCompiledIn_data()
{
    QTest::addColumn<int>("size");
    for (const int size : ProgramIcon::sizes())
        QTest::addRow("%dx%d", size, size) << size;
}

void ProgramIconTest::everySizeIsCompiledIn()
{
    QFETCH(int, size);
    const QImage picture(QStringLiteral(":/icons/truv-%1.png").arg(size));
    QCOMPARE(picture.size(), QSize(size, size));
    QVERIFY(ProgramIcon::icon().availableSizes().contains(QSize(size, size)));
}

void ProgramIconTest::windowsTakeTheApplicationsIcon()
{
    QApplication::setWindowIcon(ProgramIcon::icon());
    QMainWindow window;
    QCOMPARE(window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QVERIFY(!window.windowIcon().isNull());
}

QTEST_MAIN(ProgramIconTest)
#include "tst_programicon.moc"
