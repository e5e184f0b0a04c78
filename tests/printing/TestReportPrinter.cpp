// 打印预览 and 打印 on the running program's pages, and where a built report goes.
#include "students/StudentsFixture.h"
#include "support/DataRows.h"
#include "support/FakeServices.h"
#include "support/ModalGuard.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"
#include "teachers/TeachersFixture.h"

#include "app/CommandRegistry.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "printing/ReportPrinter.h"
#include "printing/TableReports.h"
#include "records/ReportList.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "students/EnrolledRosterPage.h"
#include "workspace/PageTable.h"
#include "workspace/PageView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Class = u"3年级2班"_s;

// A page whose report is given by the test.
class FakePage : public PageView
{
public:
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override
    {
        ++builds;
        if (result == ReportBuild::Built) {
            PageTable table;
            table.title = u"花名册"_s;
            table.captions = QStringList {u"姓名"_s};
            table.rows = {{u"张三"_s}};
            TableReports::roster(sheet, table, today, TableReports::Roster::Pupils);
            if (unprintable) // fitted to the page width, its texts would be specks
                sheet.setColumnWidth(1, 100000000);
        }
        return result;
    }
    ReportBuild result = ReportBuild::Built;
    bool unprintable = false;
    int builds = 0;
};

QStringList rowTexts(const SheetTable& sheet, int row)
{
    QStringList texts;
    for (int c = 1; c <= sheet.columnCount(); ++c)
        texts << sheet.text(row, c);
    return texts;
}

QStringList itemTexts(const ReportList* list, int index, int first)
{
    QStringList texts;
    for (int c = first; c < list->model()->columnCount(); ++c)
        texts << list->text(index, c);
    return texts;
}

} // namespace

class TestReportPrinter : public QObject
{
    Q_OBJECT

    ModalGuard m_modals;

private Q_SLOTS:
    void commandsPrintThePageOnShow()
    {
        FakeServices f;
        {
            // The fixtures write into the program's own files.
            StudentsFixture pupils;
            pupils.db.openSchool(DatabaseKind::Student, f.dir.databasePath(DatabaseKind::Student));
            QVERIFY(pupils.addClass(Class, u"王老师"_s));
            QVERIFY(pupils.addPupil(StudentsFixture::pupil(101, u"张三"_s, Class)));
            QVERIFY(pupils.addPupil(StudentsFixture::pupil(102, u"李四"_s, Class, u"女"_s)));
            TeachersFixture staff;
            staff.db.openSchool(DatabaseKind::Teacher, f.dir.databasePath(DatabaseKind::Teacher));
            QVERIFY(staff.add(TeachersFixture::teacher(7, u"周老师"_s)));
        }
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"校长"_s, RightsString::super()});
        main.state().setSchoolName(u"实验小学"_s);
        f.clock.at = QDateTime(QDate(2011, 3, 5), QTime(9, 0));
        ReportPrinter& printer = *startup.features()->reportPrinter();
        const SheetTable& report = printer.sheet();
        QCOMPARE(report.objectName(), u"打印数据源"_s);
        QCOMPARE(printer.grid().objectName(), u"打印表格"_s);
        QVERIFY(printer.grid().isHidden());
        QList<ReportPrinter::Mode> sent;
        printer.sendToPrinter = [&](SheetGrid& grid, ReportPrinter::Mode mode) {
            QCOMPARE(grid.table(), &report);
            QVERIFY(!QApplication::overrideCursor());
            sent << mode;
        };

        // The home page prints nothing, whether or not its commands are enabled.
        main.runCommand(u"打印预览");
        printer.run(ReportPrinter::Mode::Print);
        QVERIFY(sent.isEmpty());
        QCOMPARE(report.rowCount(), 0);

        QVERIFY(main.runCommand(u"在校学生列表"));
        QVERIFY(main.runCommand(u"打印预览"));
        QCOMPARE(sent, QList {ReportPrinter::Mode::Preview});
        EnrolledRosterPage* roster = startup.features()->enrolledRoster();
        QCOMPARE(report.text(1, 1), u"实验小学3年级2班学生花名册"_s);
        QCOMPARE(report.text(2, 1), u"本班共有2人 其中男生1人 女生1人"_s);
        QCOMPARE(report.text(2, 9), u"2011年3月5日"_s);
        QCOMPARE(report.rowCount(), 5);
        // The list's hidden column 0 stays out: the report's columns are the visible ones.
        QCOMPARE(rowTexts(report, 4), itemTexts(roster->在校生列表框, 0, 1));
        QCOMPARE(report.text(4, 2), u"李四"_s); // list order: by name

        roster->搜索在校生编辑框->setText(u"李"_s);
        QTest::mouseClick(roster->班内搜索, Qt::LeftButton);
        QVERIFY(main.runCommand(u"打印"));
        QCOMPARE(sent.size(), 2);
        QCOMPARE(report.text(1, 1), u"实验小学3年级2班部分学生花名册"_s);
        QCOMPARE(report.text(2, 1), QString()); // a search result has no counts line
        QCOMPARE(report.rowCount(), 4);

        QVERIFY(main.runCommand(u"期中成绩录入"));
        QVERIFY(main.runCommand(u"打印预览"));
        QCOMPARE(report.text(1, 1), u"实验小学3年级2班期中考试成绩表"_s);
        QCOMPARE(report.text(3, 1), u"学号"_s);

        QVERIFY(main.runCommand(u"在职教员列表"));
        QVERIFY(main.runCommand(u"打印预览"));
        auto* staffList = main.findChild<ReportList*>(u"教员列表框"_s);
        QCOMPARE(rowTexts(report, 4), itemTexts(staffList, 0, 1));
        QVERIFY(!rowTexts(report, 4).contains(u"7"_s)); // the number in column 0
        QCOMPARE(report.text(2, 1), QString());
        QCOMPARE(sent.size(), 4);

        QVERIFY(main.runCommand(u"查看学生资料")); // the card of the pupil on show
        QVERIFY(main.runCommand(u"打印"));
        QCOMPARE(sent.size(), 5);
        QVERIFY(f.prompt.texts().filter(u"模板"_s).isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    void aReportThatCannotBePrintedIsRefusedWithItsReason_data()
    {
        addColumns<ReportPrinter::Mode, bool>({"mode", "printer"});
        QTest::newRow("preview") << ReportPrinter::Mode::Preview << true;
        QTest::newRow("print") << ReportPrinter::Mode::Print << true;
        QTest::newRow("PDF without a printer") << ReportPrinter::Mode::Print << false;
    }
    void aReportThatCannotBePrintedIsRefusedWithItsReason()
    {
        QFETCH(ReportPrinter::Mode, mode);
        QFETCH(bool, printer);
        Workbench bench;
        QWidget owner;
        FakePage page;
        page.unprintable = true;
        ReportPrinter reports(
            bench.ws, [&page] { return &page; }, &owner);
        reports.printerInstalled = [printer] { return printer; };
        QTemporaryDir dir;
        bench.desk.fileChooser.next = dir.filePath(u"r.pdf"_s);
        reports.run(mode); // no window opens: the guard would fail the test
        QCOMPARE(bench.desk.prompt.boxes().size(), 1);
        QCOMPARE(bench.desk.prompt.boxes().first().title, u"错误"_s);
        QVERIFY(bench.desk.prompt.lastText().contains(u"不能打印"_s));
        QVERIFY(!QFile::exists(dir.filePath(u"r.pdf"_s)));
        QVERIFY(!QApplication::overrideCursor());
    }

    void missingTemplateIsToldInTheCommandsWords_data()
    {
        addColumns<ReportPrinter::Mode, QString, QString, Prompt::Icon>({"mode", "text", "title", "icon"});
        QTest::newRow("preview") << ReportPrinter::Mode::Preview << u"不能打开模板文件！请与本程序作者联系！"_s
                                 << Prompt::defaultTitle() << Prompt::Icon::None;
        QTest::newRow("print") << ReportPrinter::Mode::Print << u"  打开模板文件失败！  "_s << u"错误"_s
                               << Prompt::Icon::Error;
    }
    void missingTemplateIsToldInTheCommandsWords()
    {
        QFETCH(ReportPrinter::Mode, mode);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(Prompt::Icon, icon);
        Workbench bench;
        QWidget owner;
        FakePage page;
        page.result = ReportBuild::TemplateMissing;
        ReportPrinter printer(
            bench.ws, [&page] { return &page; }, &owner);
        bool sent = false;
        printer.sendToPrinter = [&sent](SheetGrid&, ReportPrinter::Mode) { sent = true; };
        printer.run(mode);
        QCOMPARE(page.builds, 1);
        QVERIFY(!sent);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(bench.desk.prompt.boxes().size(), 1);
        const FakePrompt::Box& box = bench.desk.prompt.boxes().first();
        QCOMPARE(box.text, text);
        QCOMPARE(box.title, title);
        QCOMPARE(box.icon, icon);
    }

    void withoutPrinterTheReportBecomesAPdf()
    {
        Workbench bench;
        QWidget owner;
        FakePage page;
        ReportPrinter printer(
            bench.ws, [&page] { return &page; }, &owner);
        printer.printerInstalled = [] { return false; };
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"花名册.pdf"_s);

        bench.desk.fileChooser.next.reset(); // the user cancels
        printer.run(ReportPrinter::Mode::Print);
        QVERIFY(bench.desk.fileChooser.lastFilter.contains(u"*.pdf"_s));
        QVERIFY(bench.desk.prompt.boxes().isEmpty());

        bench.desk.fileOps.failWrites = true;
        bench.desk.fileChooser.next = dir.filePath(u"花名册"_s);
        printer.run(ReportPrinter::Mode::Print);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(bench.desk.prompt.boxes().size(), 1);
        QCOMPARE(bench.desk.prompt.boxes().first().title, u"错误"_s);
        QVERIFY(bench.desk.prompt.lastText().contains(QDir::toNativeSeparators(pdf)));

        bench.desk.fileOps.failWrites = false;
        const int steps = bench.shell.bar->steps;
        printer.run(ReportPrinter::Mode::Print);
        // 进度条1 stepped once for the one page and is gone again.
        QCOMPARE(bench.shell.bar->steps - steps, 1);
        QVERIFY(!bench.shell.bar->shown);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");
        QCOMPARE(bench.desk.prompt.boxes().size(), 1);
        QVERIFY(!QApplication::overrideCursor());
    }
};

XIAOWU_TEST(TestReportPrinter)
#include "TestReportPrinter.moc"
