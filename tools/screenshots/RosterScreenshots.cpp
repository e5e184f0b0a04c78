// Pages 3 and 2 in the real main window: a class roster, a search result, graduates and leavers.
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "settings/AppSettings.h"
#include "store/DbConnection.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QStringList Surnames {u"王"_s, u"李"_s, u"张"_s, u"刘"_s, u"陈"_s, u"杨"_s, u"赵"_s, u"黄"_s, u"周"_s, u"吴"_s};
const QStringList Given {u"浩然"_s, u"欣怡"_s, u"子轩"_s, u"思琪"_s, u"梓涵"_s, u"俊杰"_s, u"雨桐"_s, u"宇航"_s};

bool addPupils(
    DbConnection& db, const QString& table, const QString& klass, qint64 first, int count, const QString& left)
{
    for (int i = 0; i < count; ++i) {
        const qint64 n = first + i;
        const QString name = Surnames[(n * 7) % Surnames.size()] + Given[(n * 3) % Given.size()];
        const QString birth = QString::number(2012 + n % 3) + u'年' + QString::number(1 + n % 12) + u'月'
            + QString::number(1 + n % 28) + u'日';
        if (!db.execute(u"insert into "_s + table
                    + u" (学号,姓名,性别,民族,出生日期,入学日期,所在班级,班内职务,联系电话,离校时间,离校原因) "_s
                      u"values (?,?,?,?,?,?,?,?,?,?,?)"_s,
                {n, name, n % 2 ? u"男"_s : u"女"_s, n % 9 ? u"汉族"_s : u"回族"_s, birth, u"2021年9月1日"_s, klass,
                    n % 10 ? u"学生"_s : u"班长"_s, u"0571-8888"_s + QString::number(1000 + n), left,
                    left == u"-" ? u"-"_s : u"转学"_s}))
            return false;
    }
    return true;
}

} // namespace

class RosterScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rosters_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }

    void rosters()
    {
        QFETCH(QSize, size);
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        FakeServices f;
        AppSettings(f.paths.settingsFile(), f.fileOps).setSchoolName(u"阳光实验小学"_s);
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"校长"_s, RightsString::super()});
        DbConnection& db = main.studentDb();
        QVERIFY(db.execute(u"insert into 班级表 (所在班级,班主任) values ('4年级2班','刘红梅')"_s));
        QVERIFY(addPupils(db, u"学籍表"_s, u"4年级2班"_s, 2021041, 32, u"-"_s));
        QVERIFY(db.execute(u"insert into 毕业时间表 values ('2024年7月1日')"_s));
        QVERIFY(addPupils(db, u"毕业表"_s, u"6年级1班"_s, 2018001, 28, u"2024年7月1日"_s));
        QVERIFY(addPupils(db, u"转退表"_s, u"3年级1班"_s, 2019101, 3, u"2024年3月1日"_s));
        QVERIFY(ScreenshotKit::showAtSize(main, size));
        f.prompt.clear();
        const auto shoot = [&](const QString& name) {
            QTest::qWait(200);
            QVERIFY(main.grab().save(dir + u"/"_s + name + u"-"_s + QTest::currentDataTag() + u".png"_s));
        };

        QVERIFY(main.runCommand(u"在校学生列表"));
        shoot(u"roster-enrolled"_s);
        main.findChild<QLineEdit*>(u"搜索在校生编辑框"_s)->setText(u"王"_s);
        main.findChild<QPushButton*>(u"全校搜索"_s)->click();
        shoot(u"roster-search"_s);
        QVERIFY(main.runCommand(u"毕业学生列表"));
        shoot(u"roster-graduates"_s);
        QVERIFY(main.runCommand(u"转退学生列表"));
        shoot(u"roster-leavers"_s);
    }
};

XIAOWU_TEST(RosterScreenshots)
#include "RosterScreenshots.moc"
