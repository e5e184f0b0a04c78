// Pages 3 and 2 in the real main window: a class roster, a search result, graduates and leavers;
// the class roster exported and opened by a spreadsheet program.
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "settings/AppSettings.h"
#include "store/DbConnection.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
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

// The school of the pictures, started in the real main window.
bool fillSchool(FakeServices& f, Startup& startup)
{
    AppSettings(f.paths.settingsFile(), f.fileOps).setSchoolName(u"阳光实验小学"_s);
    if (!startup.start())
        return false;
    MainWindow& main = *startup.mainWindow();
    main.setSession({u"校长"_s, RightsString::super()});
    DbConnection& db = main.studentDb();
    return db.execute(u"insert into 班级表 (所在班级,班主任) values ('4年级2班','刘红梅')"_s)
        && addPupils(db, u"学籍表"_s, u"4年级2班"_s, 2021041, 32, u"-"_s)
        && db.execute(u"insert into 毕业时间表 values ('2024年7月1日')"_s)
        && addPupils(db, u"毕业表"_s, u"6年级1班"_s, 2018001, 28, u"2024年7月1日"_s)
        && addPupils(db, u"转退表"_s, u"3年级1班"_s, 2019101, 3, u"2024年3月1日"_s);
}

} // namespace

class RosterScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rosters_data() { ScreenshotKit::screenSizes(); }

    void rosters()
    {
        QFETCH(QSize, size);
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        FakeServices f;
        Startup startup(f.services, f.paths);
        QVERIFY(fillSchool(f, startup));
        MainWindow& main = *startup.mainWindow();
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

    // 导出 of the class roster as a spreadsheet program shows it: LibreOffice, where installed,
    // prints the workbook to PDF, and its first page becomes the picture.
    void exportedRoster()
    {
        const QString office = QStandardPaths::findExecutable(u"soffice"_s);
        const QString pdftoppm = QStandardPaths::findExecutable(u"pdftoppm"_s);
        if (office.isEmpty() || pdftoppm.isEmpty())
            QSKIP("needs LibreOffice (soffice) and pdftoppm");
        FakeServices f;
        Startup startup(f.services, f.paths);
        QVERIFY(fillSchool(f, startup));
        MainWindow& main = *startup.mainWindow();
        QVERIFY(main.runCommand(u"在校学生列表"));
        QTemporaryDir work;
        f.fileChooser.next = work.filePath(u"roster.xlsx"_s);
        QVERIFY(main.runCommand(u"导出"));
        QCOMPARE(QProcess::execute(office,
                     {u"--headless"_s, u"-env:UserInstallation=file://"_s + work.filePath(u"profile"_s),
                         u"--convert-to"_s, u"pdf"_s, u"--outdir"_s, work.path(), *f.fileChooser.next}),
            0);
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        QCOMPARE(QProcess::execute(pdftoppm,
                     {u"-png"_s, u"-r"_s, u"96"_s, u"-singlefile"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s,
                         work.filePath(u"roster.pdf"_s), dir + u"/export-roster-xlsx"_s}),
            0);
    }
};

XIAOWU_TEST(RosterScreenshots)
#include "RosterScreenshots.moc"
