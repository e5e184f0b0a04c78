// 导出 from the main window's pages and from the timetable window: the file read back holds what
// the window shows.
#include "app/CommandRegistry.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "classes/ClassBook.h"
#include "records/ReportList.h"
#include "students/StudentRecords.h"
#include "students/StudentsFixture.h"
#include "support/DataRows.h"
#include "support/FakeServices.h"
#include "support/ModalGuard.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"
#include "support/XlsxCells.h"
#include "timetable/TimetableSheet.h"
#include "timetable/TimetableStore.h"
#include "timetable/TimetableWindow.h"
#include "workspace/PageFrame.h"
#include "workspace/PageView.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The program as it starts, with a super administrator logged in.
struct Started
{
    Started()
    {
        started = startup.start();
        if (started)
            startup.mainWindow()->setSession({u"校长"_s, RightsString::super()});
    }
    FakeServices f;
    Startup startup {f.services, f.paths};
    bool started = false;

    // One class of three pupils, one name holding a quote and a comma.
    bool addClass()
    {
        DbConnection& db = startup.mainWindow()->studentDb();
        if (ClassBook(db).add(u"3年级2班"_s, u"王老师"_s, u"通用"_s) != ClassBook::AddResult::Added)
            return false;
        StudentRecords records(db);
        qint64 number = 20260100;
        for (const QString& name : {u"张三"_s, u"李\"四\", 小名"_s, u"赵六"_s}) {
            if (!records.insert(StudentsFixture::pupil(++number, name, u"3年级2班"_s, u"女"_s)))
                return false;
        }
        return true;
    }
};

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT

    ModalGuard m_modals;

private Q_SLOTS:
    void rosterExportEqualsTheList()
    {
        Started app;
        QVERIFY(app.started);
        MainWindow& main = *app.startup.mainWindow();
        FakeServices& f = app.f;
        QVERIFY(app.addClass());
        QVERIFY(main.runCommand(u"在校学生列表"));
        const auto* list = main.findChild<ReportList*>(u"在校生列表框"_s);
        QCOMPARE(list->rowCount(), 3);

        f.fileChooser.next = f.dir.filePath(u"名单.xlsx"_s);
        QVERIFY(main.runCommand(u"导出"));
        const XlsxCells read = XlsxCells::read(FakeServices::read(*f.fileChooser.next));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(f.prompt.lastText(), u"已导出到文件：\r\n"_s + *f.fileChooser.next);

        QCOMPARE(read.texts(0), QStringList {main.page(Page::EnrolledRoster)->titleLabel()->text()});
        QCOMPARE(read.texts(1), QStringList {main.findChild<QLabel*>(u"在校生统计标签"_s)->text()});
        QStringList captions;
        for (int c = 1; c < list->model()->columnCount(); ++c)
            captions << list->columnTitle(c);
        QCOMPARE(read.texts(2), captions);
        QCOMPARE(read.rows.size(), 3 + list->rowCount());
        for (int r = 0; r < list->rowCount(); ++r) {
            const QList<XlsxCells::Cell>& cells = read.rows[3 + r];
            for (int c = 1; c < list->model()->columnCount(); ++c)
                QCOMPARE(cells.value(c - 1).text, list->text(r, c));
            QVERIFY(cells.value(0).number); // 学号
            QVERIFY(!cells.value(1).number);
        }
    }

    void everyTablePageExportsWhatItShows_data()
    {
        addColumns<QString, Page>({"command", "page"});
        QTest::newRow("score sheet") << u"期中成绩录入"_s << Page::ScoreSheet;
        QTest::newRow("staff") << u"在职教员列表"_s << Page::TeacherRoster;
        QTest::newRow("wages") << u"打开工资表一"_s << Page::WageSheet;
    }

    void everyTablePageExportsWhatItShows()
    {
        QFETCH(QString, command);
        QFETCH(Page, page);
        Started app;
        QVERIFY(app.started && app.addClass());
        MainWindow& main = *app.startup.mainWindow();
        QVERIFY(main.runCommand(command));
        QCOMPARE(main.currentPage(), page);
        const std::optional<PageTable> shown = main.page(page)->pageView()->pageTable();
        QVERIFY(shown);

        app.f.fileChooser.next = app.f.dir.filePath(u"表.xlsx"_s);
        QVERIFY(main.runCommand(u"导出"));
        const XlsxCells read = XlsxCells::read(FakeServices::read(*app.f.fileChooser.next));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QStringList head {shown->title};
        for (const QString& line : {shown->statistics, shown->note}) {
            if (!line.isEmpty())
                head << line;
        }
        for (int i = 0; i < head.size(); ++i)
            QCOMPARE(read.texts(i), QStringList {head[i]});
        QCOMPARE(read.rows.value(head.size()).size(), shown->captions.size());
        QCOMPARE(read.rows.size(), head.size() + 1 + shown->rows.size());
        for (int r = 0; r < shown->rows.size(); ++r) {
            for (int c = 0; c < shown->captions.size(); ++c) {
                const XlsxCells::Cell cell = read.rows[head.size() + 1 + r].value(c);
                const QString& text = shown->rows[r][c];
                if (cell.number)
                    QCOMPARE(cell.text.toDouble(), text.toDouble());
                else
                    QCOMPARE(cell.text, text);
            }
        }
    }

    void recordViewsHaveNothingToExport()
    {
        Started app;
        QVERIFY(app.started);
        MainWindow& main = *app.startup.mainWindow();
        FakeServices& f = app.f;
        QVERIFY(!main.commands().action(u"导出")->isEnabled());
        QVERIFY(main.runCommand(u"查看教员档案"));
        QVERIFY(main.commands().action(u"导出")->isEnabled());
        f.fileChooser.next = f.dir.filePath(u"x.xlsx"_s);
        QVERIFY(main.runCommand(u"导出"));
        QCOMPARE(f.prompt.lastText(), u"当前页面没有可以导出的表格。"_s);
        QVERIFY(f.fileChooser.lastCaption.isEmpty());
        QVERIFY(!QFile::exists(*f.fileChooser.next));
    }

    void timetableExportsTheShownClass()
    {
        Workbench bench;
        bench.state.setSchoolName(u"希望小学"_s);
        QCOMPARE(ClassBook(bench.studentDb).add(u"一年级1班"_s, u"老师1"_s, u"通用"_s), ClassBook::AddResult::Added);
        QVERIFY(TimetableStore(bench.studentDb).store(u"一年级1班"_s, *TimetableSlot::of(3, 6), u"美术"_s));
        QVERIFY(TimetableStore(bench.studentDb).store(u"一年级1班"_s, *TimetableSlot::of(1, 1), u"语文"_s));
        TimetableWindow window(bench.ws, nullptr, TimetableSheet::templateBytes());
        QVERIFY(window.start());

        bench.desk.fileChooser.next = bench.desk.dir.filePath(u"课程表.xlsx"_s);
        window.findChild<QPushButton*>(u"导出钮"_s)->click();
        const XlsxCells read = XlsxCells::read(FakeServices::read(*bench.desk.fileChooser.next));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.texts(0), QStringList {window.课程表标题标签->text()});
        QCOMPARE(read.texts(1), QStringList {window.班主任标签->text()});
        QCOMPARE(
            read.texts(2), (QStringList {{}, {}, u"星期一"_s, u"星期二"_s, u"星期三"_s, u"星期四"_s, u"星期五"_s}));
        QCOMPARE(read.rows.size(), 3 + TimetableSlot::Periods);
        for (int p = 1; p <= TimetableSlot::Periods; ++p) {
            const QList<XlsxCells::Cell>& cells = read.rows[2 + p];
            QCOMPARE(cells.value(1).text, window.节次标签[p - 1]->text());
            for (int d = 1; d <= TimetableSlot::Days; ++d)
                QCOMPARE(cells.value(1 + d).text, window.cellLabel(d, p)->text());
        }
        QCOMPARE(read.rows[8].value(4).text, u"美术"_s);
    }
};

XIAOWU_TEST(TestExportCommand)
#include "TestExportCommand.moc"
