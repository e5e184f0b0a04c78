#include "app/StartupRules.h"
#include "app/WelcomeLine.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "workspace/PageMetrics.h"
#include "workspace/RecordNavigation.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Move = RecordNavigation::Move;

Q_DECLARE_METATYPE(RecordNavigation::Move)

class TestAppRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void welcomeLineNamesTheWeekday()
    {
        // 2026-09-06 is a Sunday, 2026-09-02 a Wednesday, 2026-09-05 a Saturday.
        QCOMPARE(
            WelcomeLine::forDate(QDate(2026, 9, 6)), u"        欢迎使用校务管理系统！ 今天是2026年9月6日  星期日"_s);
        QCOMPARE(
            WelcomeLine::forDate(QDate(2026, 9, 2)), u"        欢迎使用校务管理系统！ 今天是2026年9月2日  星期三"_s);
        QVERIFY(WelcomeLine::forDate(QDate(2026, 9, 5)).endsWith(u"  星期六"_s));
        QVERIFY(WelcomeLine::forDate(QDate(2026, 9, 7)).endsWith(u"  星期一"_s));
    }

    void smallWindowSnapsWidthFirstThenHeight()
    {
        QSize size(700, 500);
        size = PageMetrics::snapToMinimum(size);
        QCOMPARE(size, QSize(800, 500));
        size = PageMetrics::snapToMinimum(size);
        QCOMPARE(size, QSize(800, 600));
        QCOMPARE(PageMetrics::snapToMinimum(size), size);
        // 799 is too narrow, 800 is not; a tall but narrow window only needs its width.
        QCOMPARE(PageMetrics::snapToMinimum(QSize(799, 900)), QSize(800, 900));
        QCOMPARE(PageMetrics::snapToMinimum(QSize(800, 599)), QSize(800, 600));
    }

    void gridZoomFollowsTheScreenWidth_data()
    {
        addColumns<int, int, int>({"screen", "grade", "wage"});
        QTest::newRow("800") << 800 << 125 << 125;
        QTest::newRow("1024") << 1024 << 99 << 100;
        QTest::newRow("1152") << 1152 << 88 << 87;
        QTest::newRow("1280") << 1280 << 80 << 80;
        QTest::newRow("1920") << 1920 << 63 << 64;
        QTest::newRow("1366") << 1366 << 63 << 64;
    }

    void gridZoomFollowsTheScreenWidth()
    {
        QFETCH(int, screen);
        QFETCH(int, grade);
        QFETCH(int, wage);
        QCOMPARE(PageMetrics::gradeGridZoom(screen), grade);
        QCOMPARE(PageMetrics::wageGridZoom(screen), wage);
    }

    void columnsScaleWithTheWindow()
    {
        QCOMPARE(PageMetrics::gradeGridColumnWidth(1024), 256);
        QCOMPARE(PageMetrics::wageGridColumnWidth(1000), 300);
        const QList<int> enrolled = PageMetrics::listColumnWidths(PageMetrics::ListKind::EnrolledRoster, 1000);
        QCOMPARE(enrolled.size(), 9);
        QCOMPARE(enrolled.first(), 90); // 1000 / 11.1
        QCOMPARE(enrolled.last(), 138); // 1000 / 7.27
        QCOMPARE(PageMetrics::listDivisors(PageMetrics::ListKind::LeaverRoster),
            PageMetrics::listDivisors(PageMetrics::ListKind::EnrolledRoster));
        QCOMPARE(PageMetrics::listDivisors(PageMetrics::ListKind::TeacherRoster).at(3), 11.1);
        const QList<double> averages = PageMetrics::listDivisors(PageMetrics::ListKind::AverageScores);
        QCOMPARE(averages.size(), 12);
        QCOMPARE(averages.first(), 9.0);
        QCOMPARE(averages.count(13.0), 11);
        QCOMPARE(PageMetrics::cardTextHeight(200), 0);
    }

    void navigationTargets_data()
    {
        addColumns<Move, int, int, int>({"move", "current", "first", "last"});
        QTest::addColumn<int>("expected"); // -1: cannot move
        QTest::newRow("first from middle") << Move::First << 3 << 0 << 5 << 0;
        QTest::newRow("first on first") << Move::First << 0 << 0 << 5 << -1;
        QTest::newRow("previous on first") << Move::Previous << 0 << 0 << 5 << -1;
        QTest::newRow("previous") << Move::Previous << 4 << 0 << 5 << 3;
        QTest::newRow("next") << Move::Next << 4 << 0 << 5 << 5;
        QTest::newRow("next on last") << Move::Next << 5 << 0 << 5 << -1;
        QTest::newRow("last on last") << Move::Last << 5 << 0 << 5 << -1;
        QTest::newRow("last") << Move::Last << 1 << 0 << 5 << 5;
        QTest::newRow("nothing selected, next") << Move::Next << -1 << 0 << 5 << 0;
        QTest::newRow("nothing selected, previous") << Move::Previous << -1 << 0 << 5 << -1;
        QTest::newRow("grid cursor on the header row") << Move::Next << 1 << 2 << 9 << 2;
        QTest::newRow("grid first") << Move::First << 7 << 2 << 9 << 2;
        QTest::newRow("empty list") << Move::First << -1 << 0 << -1 << -1;
        QTest::newRow("empty list, last") << Move::Last << -1 << 0 << -1 << -1;
        QTest::newRow("one row, next") << Move::Next << 0 << 0 << 0 << -1;
    }

    void navigationTargets()
    {
        QFETCH(Move, move);
        QFETCH(int, current);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, expected);
        QCOMPARE(RecordNavigation::target(move, current, first, last).value_or(-1), expected);
    }

    void navigationEndMessages()
    {
        QCOMPARE(RecordNavigation::endMessage(Move::First), u"已到第一个记录"_s);
        QCOMPARE(RecordNavigation::endMessage(Move::Previous), u"已到第一个记录"_s);
        QCOMPARE(RecordNavigation::endMessage(Move::Next), u"已到最后一个记录"_s);
        QCOMPARE(RecordNavigation::endMessage(Move::Last), u"已到最后一个记录"_s);
    }

    void splashFramesCycle()
    {
        QString frame = StartupRules::initialFrame();
        QCOMPARE(frame, u"■ □ □ □ □"_s);
        const QStringList expected {u"□ ■ □ □ □"_s, u"□ □ ■ □ □"_s, u"□ □ □ ■ □"_s, u"□ □ □ □ ■"_s, u"■ □ □ □ □"_s};
        for (const QString& next : expected) {
            frame = StartupRules::nextFrame(frame);
            QCOMPARE(frame, next);
        }
        QCOMPARE(StartupRules::nextFrame(u"载入完成"_s), u"载入完成"_s);
    }

    void loginWaitsForTicksAndTheFinishedTitle()
    {
        const QString finished = u"校务管理系统 v3.0"_s;
        QVERIFY(!StartupRules::loginDue(13, finished));
        QVERIFY(StartupRules::loginDue(14, finished));
        QVERIFY(StartupRules::loginDue(40, finished));
        QVERIFY(!StartupRules::loginDue(40, QString()));
        QVERIFY(!StartupRules::loginDue(40, u"校务管理系统"_s));
    }
};

XIAOWU_TEST(TestAppRules)
#include "TestAppRules.moc"
