// Pictures of the student windows for the documentation; runs only when XIAOWU_SCREENSHOTS names
// the directory to write them to (for example under xvfb-run).
#include "students_gui/StudentsBench.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "students/StudentEditorWindow.h"
#include "students/StudentViewPage.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"
#include "ScreenshotMaker.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

void fill(StudentsBench& host)
{
    StudentsFixture& d = host.data;
    host.state.setSchoolName(u"阳光实验小学"_s);
    d.addClass(u"4年级2班"_s, u"刘红梅"_s,
        {u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"品德"_s, u"音乐"_s, u"美术"_s, u"体育"_s, u"信息"_s, u"综合"_s});
    d.addClass(u"4年级3班"_s, u"陈国强"_s);
    const QList<std::tuple<int, QString, QString>> pupils {{2021041, u"林小雨"_s, u"女"_s},
        {2021042, u"王浩然"_s, u"男"_s}, {2021043, u"张伟"_s, u"男"_s}, {2021044, u"赵欣怡"_s, u"女"_s},
        {2021045, u"陈子轩"_s, u"男"_s}, {2021046, u"刘思琪"_s, u"女"_s}, {2021047, u"周梓涵"_s, u"女"_s},
        {2021048, u"吴俊杰"_s, u"男"_s}};
    for (const auto& [n, name, sex] : pupils) {
        StudentRecord r = d.pupil(n, name, u"4年级2班"_s, sex);
        r.班内职务 = n == 2021041 ? u"学习委员"_s : u"学生"_s;
        r.家长A姓名 = name.left(1) + u"建国"_s;
        r.家长A单位 = u"杭州市第一人民医院"_s;
        r.家长B姓名 = u"王丽华"_s;
        r.家长B单位 = u"西湖区教育局"_s;
        r.照片 = ScreenshotKit::portrait(sex == u"女" ? QColor(214, 90, 110) : QColor(60, 110, 170));
        r.本学期评语 = u"你是一个懂事的孩子，小小年纪知道怎样管理好自己。上课专心听讲，作业认真，"_s
                       u"乐于帮助同学。希望你继续努力，做一个更加出色的自己！"_s;
        r.综合评语 = u"品学兼优，团结同学，积极参加班级活动。"_s;
        const int marks[] = {92, 96, 88, 90, 95, 85, 89, 93, 0, 0};
        for (int i = 0; i < 10; ++i) {
            if (marks[i]) {
                r.期中[i] = marks[i] - (n % 5);
                r.期末[i] = marks[i] + (n % 3) - 2;
            }
        }
        d.addPupil(r);
    }
    d.addGraduationDate(u"2024年7月1日"_s);
    d.addGraduationDate(u"2025年7月1日"_s);
    StudentRecord g = d.pupil(2019011, u"孙一鸣"_s, u"6年级1班"_s);
    g.照片 = ScreenshotKit::portrait(QColor(70, 130, 90));
    g.离校时间 = u"2025年7月1日"_s;
    g.离校原因 = u"毕业"_s;
    g.期中 = {88, 92, 90, 85, 91, 87, 90, 94};
    g.期末 = {90, 95, 91, 88, 93, 89, 92, 96};
    d.addPupil(g, u"毕业表"_s);
    StudentRecord l = d.pupil(2021049, u"钱晓晨"_s, u"4年级2班"_s, u"女"_s);
    l.照片 = ScreenshotKit::portrait(QColor(150, 100, 170));
    l.离校时间 = u"2026年3月2日"_s;
    l.离校原因 = u"随父母迁居上海，转入上海市静安区第一中心小学"_s;
    d.addPupil(l, u"转退表"_s);
    d.setCounter(2021049);
}

} // namespace

class StudentScreenshots : public ScreenshotMaker
{
    Q_OBJECT

private Q_SLOTS:
    // Page 1 and the editor as the running program shows them: inside the real main window.
    void shots()
    {
        FakeServices f;
        {
            StudentsBench host;
            fill(host);
            host.data.db.close();
            const QString school = f.dir.databasePath(DatabaseKind::Student);
            QFile::remove(school);
            QVERIFY(QFile::copy(host.data.dir.databasePath(DatabaseKind::Student), school));
        }
        f.screen.fixed = shotSize();
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"校长"_s, RightsString::super()});
        main.showStoredSchoolName(u"阳光实验小学"_s);
        main.setGeometry(QRect(QPoint(0, 0), shotSize()));
        main.show();
        auto* page = main.findChild<StudentViewPage*>();
        QVERIFY(page);

        QVERIFY(main.runCommand(u"查看学生资料"));
        QTest::qWait(50);
        QVERIFY(main.grab().save(m_dir + u"/main-student-view"_s + shotSuffix()));
        QVERIFY(page->grab().save(m_dir + u"/students-view-enrolled"_s + shotSuffix()));
        QVERIFY(main.runCommand(u"毕业学生资料"));
        QTest::qWait(50);
        QVERIFY(page->grab().save(m_dir + u"/students-view-graduate"_s + shotSuffix()));
        QVERIFY(main.runCommand(u"转退学生资料"));
        QTest::qWait(50);
        QVERIFY(page->grab().save(m_dir + u"/students-view-leaver"_s + shotSuffix()));

        QVERIFY(main.runCommand(u"查看学生资料"));
        QVERIFY(main.runCommand(u"修改学生资料"));
        auto* modify = main.findChild<StudentEditorWindow*>();
        QVERIFY(modify);
        QTest::qWait(50);
        QVERIFY(modify->grab().save(m_dir + u"/students-editor-modify"_s + shotSuffix()));
        modify->close();
        QCoreApplication::processEvents();

        // Add mode runs modally: the picture is taken once the window is up, then it is closed.
        bool taken = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* add = main.findChild<StudentEditorWindow*>();
            if (!add || !add->isVisible())
                return;
            poll.stop();
            add->姓名编辑框->setText(u"郑可馨"_s);
            add->住址编辑框->setText(u"西湖区文三路88号"_s);
            QTest::qWait(50);
            taken = add->grab().save(m_dir + u"/students-editor-add"_s + shotSuffix());
            // Closed as it was shown: the typed names are not for saving.
            add->done(QDialog::Rejected);
        });
        poll.start(10);
        QVERIFY(main.runCommand(u"添加学生资料"));
        QVERIFY(taken);
    }
};

XIAOWU_TEST(StudentScreenshots)
#include "StudentScreenshots.moc"
