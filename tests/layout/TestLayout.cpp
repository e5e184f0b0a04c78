// Every window and page of the program, shown as the program shows it on the screen this test runs
// on (800 × 600 offscreen; CTest runs it again on a 1920 × 1080 screen), over a large school with
// long values, in the program's own typeface: nothing lies outside the screen or its parent,
// nothing is covered, no text is cut.
#include "LayoutCheck.h"

#include "students/StudentsFixture.h"
#include "support/FakeAccessHost.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"
#include "teachers/TeachersFixture.h"

#include "access/LoginWindow.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "classes/ClassBook.h"
#include "classes/HeadTeacherDialog.h"
#include "classes/SubjectsWindow.h"
#include "comments/ModelCommentEditor.h"
#include "grades/GradeStatisticsView.h"
#include "prefs/LeaveNoteDialog.h"
#include "prefs/ManualWindow.h"
#include "prefs/PhotoZoomWindow.h"
#include "promotion/ClassRenameDialog.h"
#include "settings/AppSettings.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetTable.h"
#include "wages/WagePage.h"
#include "wages/WageSheet.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QListView>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Class = u"6年级2班"_s;

QByteArray photo()
{
    QImage image(300, 400, QImage::Format_RGB32);
    image.fill(QColor(90, 130, 170));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

QString pupilName(int i)
{
    static const QStringList surnames {u"欧阳"_s, u"王"_s, u"李"_s, u"司马"_s, u"张"_s, u"刘"_s, u"诸葛"_s, u"陈"_s};
    static const QStringList given {u"思琪"_s, u"浩然"_s, u"梓涵"_s, u"子轩"_s, u"欣怡"_s, u"俊杰"_s, u"雨"_s};
    return surnames[i % surnames.size()] + given[(i / surnames.size()) % given.size()];
}

// A school as large schools have it: a class of 50, 1,500 pupils who left, graduates, staff.
void fillStudents(StudentsFixture& d)
{
    QVERIFY(d.addClass(Class, u"欧阳红梅"_s,
        {u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"品德与社会"_s, u"音乐"_s, u"美术"_s, u"体育与健康"_s,
            u"信息技术"_s, u"综合实践"_s}));
    QVERIFY(d.addClass(u"1年级10班"_s, u"王老师"_s));
    QVERIFY(d.addClass(u"美术兴趣班"_s, u"司马老师"_s));
    QVERIFY(d.db.execute(u"update 班级表 set 班级分类='自设' where 所在班级='美术兴趣班'"_s));
    const QByteArray picture = photo();
    const auto longer = [&](StudentRecord& r, int i) {
        r.家庭住址 = u"浙江省杭州市西湖区文三路478号华星时代广场A座1201室"_s;
        r.户籍所在地 = u"浙江省杭州市西湖区留下街道"_s;
        r.籍贯 = u"黑龙江省齐齐哈尔市"_s;
        r.家长A单位 = u"杭州市西湖区教育局基础教育科"_s;
        r.家长B单位 = u"浙江大学医学院附属第一医院"_s;
        r.班内职务 = i == 0 ? u"学习委员"_s : u"学生"_s;
        r.民族 = i == 1 ? u"维吾尔族"_s : u"汉族"_s;
        r.出生日期 = u"2014年12月28日"_s;
        r.入学日期 = u"2020年9月1日"_s;
        for (int s = 0; s < 10; ++s) {
            r.期中[s] = 60 + (i * 7 + s * 3) % 41;
            r.期末[s] = 60 + (i * 5 + s * 7) % 41;
        }
    };
    QVERIFY(d.db.execute(u"begin"_s));
    for (int i = 0; i < 50; ++i) {
        StudentRecord r = d.pupil(2020001 + i, pupilName(i), Class, i % 2 ? u"女"_s : u"男"_s);
        longer(r, i);
        if (i == 0)
            r.照片 = picture;
        QVERIFY(d.addPupil(r));
    }
    for (int i = 0; i < 1500; ++i) {
        StudentRecord r = d.pupil(2010001 + i, pupilName(i + 3), Class, i < 709 ? u"男"_s : u"女"_s);
        longer(r, i);
        r.离校时间 = u"2025年12月28日"_s;
        r.离校原因 = u"随父母迁居上海，转入上海市静安区第一中心小学"_s;
        QVERIFY(d.addPupil(r, u"转退表"_s));
    }
    for (int i = 0; i < 40; ++i) {
        StudentRecord r = d.pupil(2014001 + i, pupilName(i + 5), u"6年级1班"_s);
        longer(r, i);
        r.离校时间 = u"2025年7月1日"_s;
        r.离校原因 = u"毕业"_s;
        QVERIFY(d.addPupil(r, u"毕业表"_s));
    }
    QVERIFY(d.db.execute(u"commit"_s));
    QVERIFY(d.addGraduationDate(u"2025年7月1日"_s));
    QVERIFY(d.setCounter(2020050));
}

void fillTeachers(TeachersFixture& d)
{
    for (int i = 0; i < 30; ++i) {
        TeacherRecord t
            = d.teacher(1001 + i, pupilName(i + 1) + (i % 3 ? QString() : u"华"_s), i % 2 ? u"女"_s : u"男"_s);
        t.出生日期 = u"1976年12月10日"_s;
        t.参加工作时间 = u"1996年12月10日"_s;
        t.调入本校时间 = u"2006年12月10日"_s;
        t.学历 = u"硕士研究生"_s;
        t.政治面貌 = u"中共党员"_s;
        t.职称 = u"中小学高级教师"_s;
        t.职务或岗位 = u"教导主任兼语文教研组长"_s;
        t.身份证号 = u"330106197612102345"_s;
        t.家庭住址 = u"浙江省杭州市西湖区文三路478号华星时代广场A座1201室"_s;
        t.籍贯 = u"黑龙江省齐齐哈尔市"_s;
        t.户籍所在地 = u"浙江省杭州市西湖区留下街道"_s;
        QVERIFY(d.add(t, i < 24 ? u"教员表"_s : i < 27 ? u"退休表"_s : u"调离表"_s));
    }
    QVERIFY(d.setCounter(1030));
}

// Six-digit pay, as a head's or a whole school's monthly sum has it.
void fillWages(WagePage& page)
{
    SheetTable& t = *page.table();
    WageSheet sheet(t);
    for (int i = 0; i < 5; ++i) {
        t.setText(2 + i, 1, pupilName(i + 1));
        const QStringList amounts {u"150000.01"_s, u"1450.5"_s, u"860"_s, u"300"_s, u"120.5"_s, u"384"_s, u"36.75"_s};
        for (int c = 0; c < amounts.size(); ++c) {
            t.setText(2 + i, 2 + c, amounts[c]);
            sheet.cellEdited(2 + i, 2 + c);
        }
    }
    t.commit();
}

struct App
{
    FakeServices f;
    std::unique_ptr<Startup> startup;
    MainWindow* main = nullptr;
    QSize screen;
};

struct Row
{
    const char* tag;
    // The window to look at; "MainWindow" for a page.
    const char* window;
    std::function<void(App&)> open;
    // A list that must show at least ten names at once.
    const char* tallList = nullptr;
};

std::function<void(App&)> commands(QStringList names)
{
    return [names](App& a) {
        for (const QString& name : names)
            a.main->runCommand(name);
    };
}

template<typename Dialog, typename Make>
std::function<void(App&)> direct(Make make)
{
    return [make](App& a) {
        std::unique_ptr<Dialog> dialog = make(a);
        dialog->exec();
    };
}

const QList<Row>& rows()
{
    static const QList<Row> all {
        {"page 0 home", "MainWindow", commands({u"返回主界面"_s})},
        {"page 1 enrolled", "MainWindow", commands({u"查看学生资料"_s}), "查看学生列表框"},
        {"page 1 graduates", "MainWindow", commands({u"毕业学生资料"_s}), "查看学生列表框"},
        {"page 1 leavers", "MainWindow", commands({u"转退学生资料"_s}), "查看学生列表框"},
        {"page 2 graduates", "MainWindow", commands({u"毕业学生列表"_s})},
        {"page 2 leavers", "MainWindow", commands({u"转退学生列表"_s})},
        {"page 3", "MainWindow", commands({u"在校学生列表"_s})},
        {"page 4", "MainWindow", commands({u"期中成绩录入"_s})},
        {"page 5 in service", "MainWindow", commands({u"查看教员档案"_s})},
        {"page 5 retired", "MainWindow", commands({u"退休教员档案"_s})},
        {"page 6", "MainWindow", commands({u"在职教员列表"_s})},
        {"page 7", "MainWindow",
            [](App& a) {
                a.main->runCommand(u"打开工资表一");
                fillWages(*a.startup->features()->wagePage());
            }},
        {"page 8", "MainWindow",
            [](App& a) {
                a.main->runCommand(u"期末成绩录入");
                a.main->findChild<GradeStatisticsView*>()->build();
            }},
        {"student editor add", "StudentEditorWindow", commands({u"查看学生资料"_s, u"添加学生资料"_s})},
        {"student editor modify", "StudentEditorWindow", commands({u"查看学生资料"_s, u"修改学生资料"_s})},
        {"teacher editor add", "TeacherEditorWindow", commands({u"查看教员档案"_s, u"添加教员档案"_s})},
        {"teacher editor modify", "TeacherEditorWindow", commands({u"查看教员档案"_s, u"修改教员档案"_s})},
        {"change class", "StatusChangeDialog", commands({u"查看学生资料"_s, u"调整学生班级"_s})},
        {"pupil leaves", "StatusChangeDialog", commands({u"查看学生资料"_s, u"学生转学退学"_s})},
        {"re-enrol", "StatusChangeDialog", commands({u"转退学生资料"_s, u"离校学生复学"_s})},
        {"teacher retires", "StatusChangeDialog", commands({u"查看教员档案"_s, u"教员退休操作"_s})},
        {"teacher moves", "StatusChangeDialog", commands({u"查看教员档案"_s, u"教员调离操作"_s})},
        {"school settings", "SchoolSettingsWindow", commands({u"校务设置"_s})},
        {"subjects", "SubjectsWindow", direct<SubjectsWindow>([](App& a) {
             return std::make_unique<SubjectsWindow>(a.startup->features()->workspace(), a.main);
         })},
        {"head teacher", "HeadTeacherDialog",
            [](App& a) {
                Workspace& ws = a.startup->features()->workspace();
                ClassBook classes(ws.studentDb);
                HeadTeacherDialog(classes, ws.services.prompt, Class, u"欧阳红梅"_s, a.main).exec();
            }},
        {"accounts", "LoginWindow", commands({u"管理员设置"_s})},
        // Its own host: a login window given up ends the program it belongs to.
        {"login", "LoginWindow",
            [](App&) {
                FakeAccessHost host;
                LoginWindow(0, host).exec();
            }},
        {"splash", "SplashWindow",
            [](App&) {
                auto* splash = new SplashWindow([] { return u"阳光实验小学校务管理系统"_s; });
                splash->setAttribute(Qt::WA_DeleteOnClose);
                splash->show();
            }},
        // Cancelled: the dialog's confirmation would promote the school.
        {"standard promotion", "StatusChangeDialog", commands({u"通用班级毕业升级"_s})},
        {"custom promotion", "GraduationWizard", commands({u"自设班级毕业升级"_s})},
        {"class rename", "ClassRenameDialog", direct<ClassRenameDialog>([](App& a) {
             return std::make_unique<ClassRenameDialog>(Class, a.f.prompt, a.main);
         })},
        {"maintenance", "DataMaintenanceWindow", commands({u"系统数据维护"_s})},
        {"import preview", "PupilImportWindow",
            [](App& a) {
                a.f.fileChooser.next = a.f.touch(u"\\import.csv"_s,
                    u"姓名,性别,所在班级,家庭住址,家长A单位\n欧阳思琪,女,6年级2班,"
                    u"浙江省杭州市西湖区文三路478号华星时代广场A座1201室,"
                    "杭州市西湖区教育局基础教育科\n司马浩然,男,7年级9班,幸福路1号,第一医院\n"_s.toUtf8());
                a.main->runCommand(u"导入学生资料");
            }},
        {"comment entry", "CommentEntryWindow", commands({u"查看学生资料"_s, u"智能评语录入"_s})},
        {"model comment", "ModelCommentEditor", direct<ModelCommentEditor>([](App& a) {
             return std::make_unique<ModelCommentEditor>(ModelCommentEditor::Mode::Modify,
                 u"你是一个懂事的孩子，小小年纪知道怎样管理好自己。上课专心听讲，作业认真，乐于帮助同学。"_s,
                 a.f.prompt, a.main);
         })},
        {"exam analysis", "ExamAnalysisWindow", commands({u"查看学生资料"_s, u"成绩分析"_s})},
        {"timetable", "TimetableWindow", commands({u"编辑课程表"_s})},
        {"wage settings", "WageSettingsWindow", commands({u"打开工资表一"_s, u"标题设置"_s})},
        {"interface style", "UiStyleWindow", commands({u"设置界面风格"_s})},
        {"manual", "ManualWindow",
            [](App& a) {
                const QString path
                    = a.f.touch(u"\\使用手册.html"_s, "<h1>使用手册</h1><p>登录以后先打开校务设置。</p>");
                auto* manual = new ManualWindow(path, a.main);
                manual->setAttribute(Qt::WA_DeleteOnClose);
                manual->show();
            }},
        {"leave note", "LeaveNoteDialog", direct<LeaveNoteDialog>([](App& a) {
             return std::make_unique<LeaveNoteDialog>(
                 u"2025年12月28日\r\n随父母迁居上海，转入上海市静安区第一中心小学"_s, a.main);
         })},
        {"photo zoom", "PhotoZoomWindow",
            direct<PhotoZoomWindow>([](App& a) { return std::make_unique<PhotoZoomWindow>(photo(), a.main); })},
    };
    return all;
}

// Items wholly in view.
int visibleItems(const QAbstractItemView* list)
{
    // A list view draws one column of its model.
    const auto* flow = qobject_cast<const QListView*>(list);
    const int column = flow ? flow->modelColumn() : 0;
    int shown = 0;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        if (list->viewport()->rect().contains(list->visualRect(list->model()->index(row, column))))
            ++shown;
    }
    return shown;
}

void closeWindow(QWidget* w)
{
    if (auto* dialog = qobject_cast<QDialog*>(w))
        dialog->reject();
    else
        w->close();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<App> m_app;
    QFont m_font;

    QStringList look(QWidget* window, const char* tallList)
    {
        QCoreApplication::processEvents();
        // XIAOWU_LAYOUT_PICTURES=DIR keeps a picture of every window looked at.
        if (const QString dir = qEnvironmentVariable("XIAOWU_LAYOUT_PICTURES"); !dir.isEmpty())
            window->grab().save(
                dir + u'/' + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-') + u".png"_s);
        QStringList faults = LayoutCheck::faults(window, m_app->screen);
        if (tallList) {
            auto* list = window->findChild<QAbstractItemView*>(QString::fromUtf8(tallList));
            if (!list || !list->isVisible())
                faults << u"%1 is not on show"_s.arg(QString::fromUtf8(tallList));
            else if (const int shown = visibleItems(list); shown < std::min(10, list->model()->rowCount()))
                faults << u"%1 shows %2 names"_s.arg(QString::fromUtf8(tallList)).arg(shown);
        }
        return faults;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_font = QApplication::font();
        SheetFonts::installSubstitutions();
        QApplication::setFont(QFont(u"Noto Sans CJK SC"_s, 10));
        m_app = std::make_unique<App>();
        App& a = *m_app;
        a.screen = QGuiApplication::primaryScreen()->size();
        a.f.screen.fixed = a.screen;
        {
            StudentsFixture students;
            fillStudents(students);
            TeachersFixture teachers;
            fillTeachers(teachers);
            students.db.close();
            teachers.db.close();
            for (const auto& [from, kind] :
                {std::pair {students.dir.databasePath(DatabaseKind::Student), DatabaseKind::Student},
                    std::pair {teachers.dir.databasePath(DatabaseKind::Teacher), DatabaseKind::Teacher}}) {
                QFile::remove(a.f.dir.databasePath(kind));
                QVERIFY(QFile::copy(from, a.f.dir.databasePath(kind)));
            }
        }
        AppSettings(a.f.paths.settingsFile(), a.f.fileOps).setSchoolName(u"阳光实验小学"_s);
        a.startup = std::make_unique<Startup>(a.f.services, a.f.paths);
        QVERIFY(a.startup->start());
        a.main = a.startup->mainWindow();
        a.main->setSession({u"内部管理员"_s, RightsString::super()});
        a.main->showStoredSchoolName(u"阳光实验小学"_s);
        a.main->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(a.main));
    }

    void cleanupTestCase()
    {
        m_app.reset();
        QApplication::setFont(m_font);
    }

    void windowFits_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < rows().size(); ++i)
            QTest::newRow(rows()[i].tag) << i;
    }

    void windowFits()
    {
        QFETCH(int, row);
        const Row& r = rows()[row];
        App& a = *m_app;
        QStringList faults;
        bool seen = false;
        const bool page = qstrcmp(r.window, "MainWindow") == 0;
        const auto catchWindow = [&] {
            if (seen)
                return;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w != a.main && w->isVisible() && w->inherits(r.window)) {
                    seen = true;
                    if (!QTest::qWaitForWindowExposed(w))
                        faults << u"never exposed"_s;
                    faults << look(w, r.tallList);
                    closeWindow(w);
                    return;
                }
            }
            // Some other window in the way would hold the test.
            if (QWidget* other = QApplication::activeModalWidget()) {
                faults << u"%1 opened instead"_s.arg(QString::fromLatin1(other->metaObject()->className()));
                closeWindow(other);
            }
        };
        QTimer poll;
        if (!page) {
            connect(&poll, &QTimer::timeout, this, catchWindow);
            poll.start(20);
        }
        r.open(a);
        if (page) {
            faults = look(a.main, r.tallList);
        } else {
            catchWindow(); // a window that stays open without holding the caller
            QVERIFY2(seen,
                qPrintable(u"the window never opened: "_s + faults.join(u", "_s) + a.f.prompt.texts().join(u", "_s)));
        }
        a.f.prompt.clear();
        QVERIFY2(faults.isEmpty(), qPrintable(u"\n    "_s + faults.join(u"\n    "_s)));
    }
};

XIAOWU_TEST(TestLayout)
#include "TestLayout.moc"
