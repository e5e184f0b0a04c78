#include "support/FakePrompt.h"
#include "support/ServerSchool.h"
#include "support/TestRegistry.h"

#include "app/ServerWatch.h"
#include "store/DbConnection.h"
#include "workspace/ProgramState.h"

#include <QCoreApplication>
#include <QTest>

using namespace Qt::StringLiterals;

// The seat tells the clerk when the server goes away under it, once, and when it is back.
class TestServerWatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aLostServerIsToldOnceAndItsReturnToo()
    {
        REQUIRE_TEST_SERVER();
        const auto admin = ServerSchool::administration();
        ServerSchool school;
        QVERIFY2(school.isValid(), qPrintable(school.error()));
        FakePrompt prompt;
        ProgramState state;
        ServerWatch watch(prompt, state);
        DbConnection seats[2];
        for (DbConnection& seat : seats)
            QVERIFY(seat.openServer(school.settings(), DatabaseKind::Student));
        DbConnection office;
        QVERIFY(office.openServer(*admin, DatabaseKind::Admin, true));
        // Both seats' connections end at once, as when the server restarts.
        QVERIFY(office.execute(u"select pg_terminate_backend(pid) from pg_stat_activity where datname = ?"_s,
            {school.settings().databaseName}));
        for (DbConnection& seat : seats) {
            QVERIFY(!seat.execute(u"update 记号表 set 学号=5 where ID=1"_s));
            QVERIFY(seat.lostServer());
        }
        QTRY_COMPARE(prompt.boxes().size(), 1);
        QCOMPARE(prompt.boxes().first().text, ServerWatch::lostText());
        QCOMPARE(prompt.boxes().first().icon, Prompt::Icon::Warning);
        QCOMPARE(state.statusHint(), u"与数据库服务器的连接已中断！"_s);
        // The next statement finds the server again, and the status bar says so.
        auto rows = seats[0].query(u"select 学号 from 记号表 where ID=1"_s);
        QVERIFY(rows && !rows->pastLast());
        QCOMPARE(rows->number(1), 0);
        QTRY_COMPARE(state.statusHint(), ServerWatch::backText());
        QCOMPARE(prompt.boxes().size(), 1);

        // After a restart an idle seat's next read goes through on a new connection, untold.
        QVERIFY(office.execute(u"select pg_terminate_backend(pid) from pg_stat_activity where datname = ?"_s,
            {school.settings().databaseName}));
        rows = seats[1].query(u"select 学号 from 记号表 where ID=1"_s);
        QVERIFY2(rows && !rows->pastLast(), qPrintable(seats[1].lastError()));
        QVERIFY(!seats[1].lostServer());
        QCoreApplication::processEvents();
        QCOMPARE(prompt.boxes().size(), 1);
        QCOMPARE(state.statusHint(), ServerWatch::backText());
    }
};

XIAOWU_TEST(TestServerWatch)
#include "TestServerWatch.moc"
