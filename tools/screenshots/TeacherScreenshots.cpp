// Page 5 in the real main window for the three staff files, and the teacher editor in both modes.
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "settings/AppSettings.h"
#include "store/DbConnection.h"
#include "teachers/TeacherEditorWindow.h"
#include "text/GbText.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

bool addTeacher(DbConnection& db, const QString& table, qint64 n, const QString& name, const QString& sex,
    const QString& post, const QString& left, const QString& reason)
{
    const QString resume
        = u"1996年毕业于杭州师范学院中文系。\r\n1996年至2003年在城关镇中心小学任教。\r\n2003年调入本校，"_s
          u"任语文教研组长。"_s;
    return db.execute(u"insert into "_s + table + u" values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s,
        {n, name, sex, u"汉族"_s, u"1974年5月12日"_s, u"大学"_s, u"共产党员"_s, u"1996年8月1日"_s, u"2003年9月1日"_s,
            u"高级教师"_s, post, u"330102197405120018"_s, u"13905711234"_s, u"杭州市西湖区文三路88号"_s,
            u"0571-88881234"_s, u"浙江绍兴"_s, u"杭州市西湖区"_s, ScreenshotKit::portrait(QColor(60, 90, 140)),
            GbText::toBytes(resume), GbText::toBytes(u"市级优秀教师。"_s), left, reason});
}

} // namespace

class TeacherScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The program's own typeface, also when this maker runs alone (-class).
    void initTestCase() { ScreenshotKit::useProgramFont(); }

    void teachers_data() { ScreenshotKit::screenSizes(); }

    void teachers()
    {
        QFETCH(QSize, size);
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        FakeServices f;
        AppSettings(f.paths.settingsFile(), f.fileOps).setSchoolName(u"阳光实验小学"_s);
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"校长"_s, RightsString::super()});
        DbConnection& db = main.teacherDb();
        const QStringList names {u"王建国"_s, u"李秀英"_s, u"张伟"_s, u"刘芳"_s, u"陈明"_s, u"杨丽"_s};
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(
                addTeacher(db, u"教员表"_s, i + 1, names[i], i % 2 ? u"女"_s : u"男"_s, u"语文老师"_s, u"-"_s, u"-"_s));
        QVERIFY(addTeacher(db, u"退休表"_s, 20, u"赵国庆"_s, u"男"_s, u"数学老师"_s, u"2024年7月1日"_s, u"正常退休"_s));
        QVERIFY(addTeacher(
            db, u"调离表"_s, 21, u"孙海燕"_s, u"女"_s, u"英语老师"_s, u"2023年2月15日"_s, u"正常调动工作"_s));
        QVERIFY(ScreenshotKit::showAtSize(main, size));
        const auto shoot = [&](QWidget& w, const QString& name) {
            QTest::qWait(200);
            QVERIFY(w.grab().save(dir + u"/"_s + name + u"-"_s + tag + u".png"_s));
        };
        // The card and the roster of each of the three files, one picture a command.
        const std::pair<const char16_t*, QString> pages[] {
            {u"查看教员档案", u"teachers-view-in-service"_s},
            {u"退休教员档案", u"teachers-view-retired"_s},
            {u"调离教员档案", u"teachers-view-moved-away"_s},
            {u"在职教员列表", u"teachers-roster-in-service"_s},
            {u"退休教员列表", u"teachers-roster-retired"_s},
            {u"调离教员列表", u"teachers-roster-moved-away"_s},
        };
        for (const auto& [command, name] : pages) {
            QVERIFY(main.runCommand(QStringView(command)));
            shoot(main, name);
        }

        QVERIFY(main.runCommand(u"查看教员档案"));
        for (auto mode : {TeacherEditorWindow::Mode::Modify, TeacherEditorWindow::Mode::Add}) {
            TeacherEditorWindow editor(startup.features()->workspace(), mode, {}, &main);
            QVERIFY(editor.start());
            editor.resize(size.width() * 9 / 10, size.height() * 9 / 10);
            editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            shoot(editor,
                mode == TeacherEditorWindow::Mode::Add ? u"teachers-editor-add"_s : u"teachers-editor-modify"_s);
        }
    }
};

XIAOWU_TEST(TeacherScreenshots)
#include "TeacherScreenshots.moc"
