#include "app/Features.h"

#include "analysis/ExamAnalysisWindow.h"
#include "app/CommandRegistry.h"
#include "app/MainWindow.h"
#include "app/StudentPageView.h"
#include "classes/ClassesCommands.h"
#include "comments/CommentEntryWindow.h"
#include "exchange/PupilImportWindow.h"
#include "exchange/TableExport.h"
#include "grades/GradeStatisticsView.h"
#include "grades/ScoreSheetPage.h"
#include "maintenance/DataMaintenanceWindow.h"
#include "maintenance/SystemInitialisation.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "prefs/LeaveNoteDialog.h"
#include "prefs/PhotoZoomWindow.h"
#include "prefs/Preferences.h"
#include "printing/ReportPrinter.h"
#include "promotion/PromotionCommands.h"
#include "settings/AppSettings.h"
#include "students/ArchivedRosterPage.h"
#include "students/EnrolledRosterPage.h"
#include "students/StudentEditorWindow.h"
#include "students/StudentStatusCommands.h"
#include "students/StudentViewKind.h"
#include "students/StudentViewPage.h"
#include "teachers/TeacherEditorWindow.h"
#include "teachers/TeacherRosterPage.h"
#include "teachers/TeacherStatusCommands.h"
#include "teachers/TeacherViewPage.h"
#include "timetable/TimetableWindow.h"
#include "wages/WagePage.h"
#include "wages/WageTableFile.h"
#include "workspace/PageFrame.h"
#include "workspace/PageView.h"
#include "workspace/ProgramState.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>

using namespace Qt::StringLiterals;

namespace {

// Page 4: the score sheets of 期中成绩录入 and 期末成绩录入; page 8: their school-wide averages.
void installGrades(MainWindow& main, Workspace& ws)
{
    PageFrame* frame = main.page(Page::ScoreSheet);
    auto* sheet = new ScoreSheetPage(ws, *frame);
    frame->setView(sheet);
    PageFrame* statisticsFrame = main.page(Page::AverageScores);
    auto* statistics = new GradeStatisticsView(ws, *statisticsFrame, *sheet);
    statisticsFrame->setView(statistics);
    sheet->showStatistics = [statistics] { statistics->build(); };
    main.commands().setHandler(u"期中成绩录入", [sheet] { sheet->openMidTerm(); });
    main.commands().setHandler(u"期末成绩录入", [sheet] { sheet->openFinal(); });
    QObject::connect(&main, &MainWindow::homePageShown, sheet, &ScoreSheetPage::releaseRows);

    // 成绩分析: page 4's class, page 8's selected class's grade, else the first grade; the sheet's exam.
    main.commands().setHandler(u"成绩分析", [&main, &ws, sheet, statistics] {
        const Page page = main.currentPage();
        const QString klass = page == Page::ScoreSheet ? sheet->shownClass()
            : page == Page::AverageScores              ? statistics->selectedClass()
                                                       : QString();
        ExamAnalysisWindow::open(ws, sheet->exam(), klass, page != Page::ScoreSheet);
    });
}

// 编辑课程表: the timetable window, modal over the main window.
void installTimetable(MainWindow& main, Workspace& ws)
{
    main.commands().setHandler(u"编辑课程表", [&ws] { TimetableWindow::open(ws); });
}

} // namespace

Features::Features(MainWindow& main)
    : QObject(&main)
    , m_main(main)
    , m_settings(std::make_unique<AppSettings>(main.paths().settingsFile(), main.services().fileOps))
    , m_ws {main.services(), main.paths(), main.studentDb(), main.teacherDb(), main.adminDb(), *m_settings,
          main.state(), main}
{
    installPreferences();
    installClasses();
    installStudents();
    installRosters();
    installComments();
    installTeachers();
    installGrades(m_main, m_ws);
    installWages();
    installTimetable(m_main, m_ws);
    installMaintenance();
    installPromotion();
    installPrinting();
    installExport();
}

Features::~Features() = default;

void Features::applyStoredStyle()
{
    m_preferences->applyStoredStyle();
}

void Features::installPreferences()
{
    m_preferences = new Preferences(m_ws.services, m_ws.paths, m_ws.settings, &m_main);
    CommandRegistry& c = m_main.commands();
    m_preferences->setMusicActions(c.action(u"背景音乐一"), c.action(u"背景音乐二"), c.action(u"其它音乐"));
    Preferences* p = m_preferences;
    c.setHandler(u"设置界面风格", [p] { p->chooseStyle(); });
    c.setHandler(u"记事本", [p] { p->openNotepad(); });
    c.setHandler(u"计算器", [p] { p->openCalculator(); });
    c.setHandler(u"背景音乐一", [p] { p->playMusic1(); });
    c.setHandler(u"背景音乐二", [p] { p->playMusic2(); });
    c.setHandler(u"其它音乐", [p] { p->otherMusic(); });
    c.setHandler(u"关闭音乐", [p] { p->stopMusic(); });
    c.setHandler(u"使用手册", [p] { p->openManual(); });
}

void Features::installClasses()
{
    m_main.commands().setHandler(u"校务设置",
        [this] { ClassesCommands::schoolSettings(m_ws, [this] { m_main.page(Page::ScoreSheet)->setFocus(); }); });
}

void Features::installStudents()
{
    m_studentView = new StudentPageView(m_ws);
    m_main.page(Page::StudentView)->setView(m_studentView);
    // The view's own title frame names the pupil on show; the frame's fixed title would only take room.
    m_main.page(Page::StudentView)->titleFrame()->hide();
    StudentViewPage* view = m_studentView->page();
    view->zoomPhoto = [this](const QByteArray& photo) { PhotoZoomWindow(photo, &m_main).exec(); };
    view->showLeaveNote = [this](const QString& note) { LeaveNoteDialog(note, &m_main).exec(); };

    m_studentPages.studentViewClass = [view] { return view->selectorText(); };
    m_studentPages.rosterClass = [this] { return m_enrolledRoster->rosterClass(); };
    m_studentPages.pickedPupil = [this, view]() -> std::optional<StudentPick> {
        if (m_main.currentPage() == Page::StudentView)
            return view->currentPick();
        if (m_main.currentPage() == Page::EnrolledRoster)
            return m_enrolledRoster->currentPick();
        return std::nullopt;
    };

    CommandRegistry& c = m_main.commands();
    c.setHandler(u"查看学生资料", [view] { view->showEnrolled(); });
    c.setHandler(u"毕业学生资料", [view] { view->showGraduates(); });
    c.setHandler(u"转退学生资料", [view] { view->showLeavers(); });
    c.setHandler(u"添加学生资料", [this] { StudentEditorWindow::openAdd(m_ws, m_studentPages); });
    c.setHandler(u"修改学生资料", [this] { StudentEditorWindow::openModify(m_ws, m_studentPages); });
}

void Features::installRosters()
{
    StudentViewPage* view = m_studentView->page();
    PageFrame* enrolledFrame = m_main.page(Page::EnrolledRoster);
    m_enrolledRoster = new EnrolledRosterPage(m_ws, *enrolledFrame);
    enrolledFrame->setView(m_enrolledRoster);
    m_enrolledRoster->openPupil
        = [view](const QString& className, qint64 number) { view->openOnEnrolled(className, number); };
    PageFrame* archivedFrame = m_main.page(Page::LeaverRoster);
    m_archivedRoster = new ArchivedRosterPage(m_ws, *archivedFrame);
    archivedFrame->setView(m_archivedRoster);
    m_archivedRoster->openPupil = [view](StudentViewKind kind, qint64 number, const QString& date) {
        view->openOnArchived(kind, number, date);
    };

    CommandRegistry& c = m_main.commands();
    c.setHandler(u"在校学生列表", [this] { m_enrolledRoster->showRoster(); });
    c.setHandler(u"毕业学生列表", [this] { m_archivedRoster->showGraduates(); });
    c.setHandler(u"转退学生列表", [this] { m_archivedRoster->showLeavers(); });

    m_studentStatus = std::make_unique<StudentStatusCommands>(m_ws, *view, *m_enrolledRoster, *m_archivedRoster);
    StudentStatusCommands* status = m_studentStatus.get();
    c.setHandler(u"学生转学退学", [status] { status->leave(); });
    c.setHandler(u"调整学生班级", [status] { status->changeClass(); });
    c.setHandler(u"离校学生复学", [status] { status->reenrol(); });
    c.setHandler(u"删除学生资料", [status] { status->deleteRecord(); });
    c.setHandler(u"删除学生", [status] { status->deleteArchived(); });
    c.setHandler(u"导入学生资料", [this] { importPupils(); });
}

void Features::importPupils()
{
    const Page page = m_main.currentPage();
    StudentViewPage* view = m_studentView->page();
    const bool onView = page == Page::StudentView
        && m_ws.state.currentViewKind() == StudentViewKinds::text(StudentViewKind::Enrolled);
    const QString shown = onView       ? view->selectorText()
        : page == Page::EnrolledRoster ? m_enrolledRoster->rosterClass()
                                       : QString();
    const QStringList filled = PupilImportWindow::open(m_ws, shown);
    // The page on show lists the new pupils when they went into its class.
    if (shown.isEmpty() || !filled.contains(shown))
        return;
    if (page == Page::EnrolledRoster)
        m_enrolledRoster->reload();
    else
        view->openOnEnrolled(shown, view->currentPick() ? view->currentPick()->学号 : 0);
}

void Features::installWages()
{
    PageFrame* frame = m_main.page(Page::WageSheet);
    m_wagePage = new WagePage(m_ws, *frame);
    frame->setView(m_wagePage);
    WagePage* page = m_wagePage;
    CommandRegistry& c = m_main.commands();
    page->markOpenSheet = [&c](int sheet) {
        const QString name = WageTableFile::sheetName(sheet);
        c.action(u"打开"_s + name)->setChecked(true);
        c.action(name)->setChecked(true);
    };
    for (int sheet = 1; sheet <= WageTableFile::SheetCount; ++sheet) {
        const QString name = WageTableFile::sheetName(sheet);
        c.setHandler(u"打开"_s + name, [page, sheet] { page->openSheet(sheet); });
        c.setHandler(name, [page, sheet] { page->openSheet(sheet); });
        c.action(u"打开"_s + name)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F1 + sheet - 1)));
    }
    c.setHandler(u"添加一行", [page] { page->insertRow(); });
    c.setHandler(u"删除一行", [page] { page->deleteRow(); });
    c.setHandler(u"标题设置", [page] { page->titleSettings(); });
}

void Features::installMaintenance()
{
    CommandRegistry& c = m_main.commands();
    c.setHandler(u"系统数据维护", [this] {
        DataMaintenanceWindow window(
            m_ws, [this] { m_main.quitProgram(); }, &m_main);
        window.exec();
    });
    c.setHandler(u"系统数据初始化", [this] {
        SystemInitialisation::Hooks hooks;
        hooks.closeConnections = [this] { m_main.closeConnections(); };
        hooks.reopenConnections = [this] { m_main.openSchoolDatabases(); };
        hooks.quit = [this] { m_main.quitProgram(); };
        hooks.program = QCoreApplication::applicationFilePath();
        SystemInitialisation(m_ws.services, m_ws.paths).run(hooks);
    });
}

void Features::installPromotion()
{
    CommandRegistry& c = m_main.commands();
    c.setHandler(u"通用班级毕业升级", [this] { PromotionCommands(m_ws).standard(); });
    c.setHandler(u"自设班级毕业升级", [this] { PromotionCommands(m_ws).custom(); });
}

PageView* Features::currentPageView() const
{
    const PageFrame* frame = m_main.page(m_main.currentPage());
    return frame ? frame->pageView() : nullptr;
}

void Features::installExport()
{
    m_main.commands().setHandler(u"导出", [this] {
        // The record views show one person, not a table.
        const PageView* view = currentPageView();
        const std::optional<PageTable> table = view ? view->pageTable() : std::nullopt;
        if (!table) {
            m_ws.services.prompt.show(u"当前页面没有可以导出的表格。"_s, u"提示"_s);
            return;
        }
        TableExport::run(m_ws.services, *table);
    });
}

void Features::installTeachers()
{
    PageFrame* frame = m_main.page(Page::TeacherView);
    m_teacherView = new TeacherViewPage(m_ws, *frame);
    frame->setView(m_teacherView);
    TeacherViewPage* view = m_teacherView;
    view->zoomPhoto = [this](const QByteArray& photo) { PhotoZoomWindow(photo, &m_main).exec(); };
    view->showLeaveNote = [this](const QString& note) { LeaveNoteDialog(note, &m_main).exec(); };
    PageFrame* rosterFrame = m_main.page(Page::TeacherRoster);
    m_teacherRoster = new TeacherRosterPage(m_ws, *rosterFrame);
    rosterFrame->setView(m_teacherRoster);
    TeacherRosterPage* roster = m_teacherRoster;
    roster->openTeacher = [view](TeacherViewKind kind, qint64 number) { view->openOnTeacher(kind, number); };
    const TeacherEditorWindow::PickedTeacher picked = [this, view, roster]() -> std::optional<qint64> {
        const bool onView = m_main.currentPage() == Page::TeacherView;
        const auto teacher = onView ? view->selectedTeacher() : roster->selectedTeacher();
        if (teacher && (onView ? view->listedKind() : roster->kind()) == TeacherViewKind::InService)
            return teacher->first;
        return std::nullopt;
    };

    CommandRegistry& c = m_main.commands();
    c.setHandler(u"查看教员档案", [view] { view->show(TeacherViewKind::InService); });
    c.setHandler(u"退休教员档案", [view] { view->show(TeacherViewKind::Retired); });
    c.setHandler(u"调离教员档案", [view] { view->show(TeacherViewKind::MovedAway); });
    c.setHandler(u"添加教员档案", [this] { TeacherEditorWindow::open(m_ws, TeacherEditorWindow::Mode::Add, {}); });
    c.setHandler(u"修改教员档案",
        [this, picked] { TeacherEditorWindow::open(m_ws, TeacherEditorWindow::Mode::Modify, picked); });
    c.setHandler(u"在职教员列表", [roster] { roster->show(TeacherViewKind::InService); });
    c.setHandler(u"退休教员列表", [roster] { roster->show(TeacherViewKind::Retired); });
    c.setHandler(u"调离教员列表", [roster] { roster->show(TeacherViewKind::MovedAway); });

    m_teacherStatus = std::make_unique<TeacherStatusCommands>(m_ws, *view, *roster);
    TeacherStatusCommands* status = m_teacherStatus.get();
    c.setHandler(u"教员退休操作", [status] { status->leave(TeacherViewKind::Retired); });
    c.setHandler(u"教员调离操作", [status] { status->leave(TeacherViewKind::MovedAway); });
    c.setHandler(u"恢复教员资料", [status] { status->restore(); });
    c.setHandler(u"删除教员档案", [status] { status->deleteRecord(); });
    c.setHandler(u"删除教员", [status] { status->deleteFormer(); });
}

void Features::installComments()
{
    m_main.commands().setHandler(u"智能评语录入", [this] { CommentEntryWindow::open(m_ws); });
}

void Features::installPrinting()
{
    m_reportPrinter = new ReportPrinter(
        m_ws, [this] { return currentPageView(); }, &m_main);
    ReportPrinter* printer = m_reportPrinter;
    CommandRegistry& c = m_main.commands();
    c.setHandler(u"打印预览", [printer] { printer->run(ReportPrinter::Mode::Preview); });
    c.setHandler(u"打印", [printer] { printer->run(ReportPrinter::Mode::Print); });
}
