// The 成绩分析 window on a small grade: what its tables and charts show, what it prints and exports.
#include "students_gui/StartedSchool.h"
#include "students_gui/StudentsBench.h"

#include "analysis/AnalysisLinesDialog.h"
#include "analysis/ExamAnalysisWindow.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "grades/ScoreSheetPage.h"
#include "printing/ReportPrinter.h"
#include "records/ReportList.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "support/ModalGuard.h"
#include "support/TestRegistry.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// 初中1年级: 1班 语文 90, 80, 80, 数学 (of 150) 140, 60; 2班 语文 59, 0 and no mark. A class of
// another grade and a custom class are not in it.
struct Grade
{
    StudentsBench host;
    Grade()
    {
        StudentsFixture& d = host.data;
        const QStringList subjects {u"语文"_s, u"数学"_s};
        for (const QString& c : {u"初中1年级1班"_s, u"初中1年级2班"_s, u"初中2年级1班"_s, u"兴趣班"_s})
            d.addClass(c, u"老师"_s, subjects);
        const QList<std::tuple<QString, std::optional<int>, std::optional<int>, std::optional<int>>> pupils {
            {u"初中1年级1班"_s, 90, 140, 70}, {u"初中1年级1班"_s, 80, 60, 85}, {u"初中1年级1班"_s, 80, {}, 85},
            {u"初中1年级2班"_s, 59, {}, 99}, {u"初中1年级2班"_s, 0, {}, {}}, {u"初中1年级2班"_s, {}, {}, {}},
            {u"初中2年级1班"_s, 100, 100, 100}};
        int number = 0;
        for (const auto& [klass, chinese, maths, finalChinese] : pupils) {
            ++number;
            StudentRecord r = StudentsFixture::pupil(number, u"学生"_s + QString::number(number), klass);
            r.期中[0] = chinese;
            r.期中[1] = maths;
            r.期末[0] = finalChinese;
            d.addPupil(r);
        }
        host.bench.settings.setValue(u"Analysis"_s, u"FullMarks"_s, u"数学:150"_s);
    }
};

QList<QStringList> rowsOf(const ReportList* list)
{
    QList<QStringList> rows;
    for (int i = 0; i < list->rowCount(); ++i) {
        QStringList row;
        for (int c = 1; c < list->model()->columnCount(); ++c)
            row << list->text(i, c);
        rows << row;
    }
    return rows;
}

} // namespace

class TestExamAnalysisWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gradeClassAndSubject()
    {
        Grade g;
        ExamAnalysisWindow w(g.host.ws);
        QVERIFY(w.start(ScoreSheetRules::Exam::MidTerm, u"初中1年级2班"_s, true));
        QCOMPARE(w.分析年级组合框->currentText(), u"初中1年级"_s);
        QCOMPARE(w.分析年级组合框->count(), 3); // 初中1年级, 初中2年级, 兴趣班
        QCOMPARE(w.分析班级组合框->currentText(), u"全年级"_s);
        QCOMPARE(w.分析标题标签->text(), u"实验小学初中1年级期中考试语文成绩分析表"_s);
        QCOMPARE(rowsOf(w.分析统计列表框),
            (QList<QStringList> {
                {u"初中1年级1班"_s, u"3"_s, u"83"_s, u"90"_s, u"80"_s, u"3"_s, u"100.0%"_s, u"1"_s, u"33.3%"_s},
                {u"初中1年级2班"_s, u"1"_s, u"59"_s, u"59"_s, u"59"_s, u"0"_s, u"0.0%"_s, u"0"_s, u"0.0%"_s},
                {u"全年级"_s, u"4"_s, u"77"_s, u"90"_s, u"59"_s, u"3"_s, u"75.0%"_s, u"1"_s, u"25.0%"_s}}));
        // Ranks share and skip; 0 and no mark are not ranked; 进退步 from the 期末 ranks.
        QCOMPARE(rowsOf(w.学生名次列表框).mid(0, 4),
            (QList<QStringList> {{u"1"_s, u"学生1"_s, u"初中1年级1班"_s, u"90"_s, u"1"_s, u"1"_s, u"-2"_s},
                {u"2"_s, u"学生2"_s, u"初中1年级1班"_s, u"80"_s, u"2"_s, u"2"_s, u"+1"_s},
                {u"3"_s, u"学生3"_s, u"初中1年级1班"_s, u"80"_s, u"2"_s, u"2"_s, u"+1"_s},
                {u"4"_s, u"学生4"_s, u"初中1年级2班"_s, u"59"_s, u"1"_s, u"4"_s, u"0"_s}}));
        QCOMPARE(w.学生名次列表框->rowCount(), 6);
        QCOMPARE(
            rowsOf(w.分数段列表框).last(), (QStringList {u"全年级"_s, u"1"_s, u"0"_s, u"0"_s, u"2"_s, u"1"_s, u"4"_s}));
        auto* bars = qobject_cast<QBarSeries*>(w.平均分图表->chart()->series().value(0));
        QVERIFY(bars);
        QCOMPARE(bars->barSets().first()->at(0), 83.0);
        auto* line = qobject_cast<QLineSeries*>(w.平均分图表->chart()->series().value(1));
        QVERIFY(line);
        QCOMPARE(line->at(0).y(), 77.0);

        // 数学 of 150: the bands and lines follow the full mark; one class lists its subjects.
        w.分析科目组合框->setCurrentIndex(1);
        w.分析班级组合框->setCurrentIndex(1);
        QCOMPARE(w.分析标题标签->text(), u"实验小学初中1年级1班期中考试数学成绩分析表"_s);
        QCOMPARE(rowsOf(w.分析统计列表框).value(1),
            (QStringList {u"数学"_s, u"2"_s, u"100"_s, u"140"_s, u"60"_s, u"1"_s, u"50.0%"_s, u"1"_s, u"50.0%"_s}));
        QCOMPARE(w.分数段列表框->columnTitle(2), u"90分以下"_s);
        QCOMPARE(rowsOf(w.分数段列表框).first(),
            (QStringList {u"初中1年级1班"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s, u"2"_s}));
        QCOMPARE(w.学生名次列表框->rowCount(), 3);

        // 总分 of the final exam.
        w.分析科目组合框->setCurrentIndex(w.分析科目组合框->count() - 1);
        w.分析考试组合框->setCurrentIndex(1);
        QCOMPARE(w.学生名次列表框->columnTitle(4), u"总分"_s);
        QCOMPARE(rowsOf(w.学生名次列表框).first().mid(3), (QStringList {u"85"_s, u"1"_s, u"2"_s, u"+1"_s}));
    }

    // The table on show goes to the report with both charts as pictures; the ranking alone.
    void printsExportsAndCopies()
    {
        Grade g;
        ExamAnalysisWindow w(g.host.ws);
        QVERIFY(w.start(ScoreSheetRules::Exam::MidTerm, {}, true));
        int sent = 0;
        w.printer().sendToPrinter = [&sent](SheetGrid&, ReportPrinter::Mode) { ++sent; };
        w.打印预览钮->click();
        QCOMPARE(sent, 1);
        const SheetTable& sheet = w.printer().sheet();
        QCOMPARE(sheet.text(1, 1), w.分析标题标签->text());
        QCOMPARE(sheet.text(3, 7), u"及格率"_s);
        QCOMPARE(sheet.text(6, 1), u"全年级"_s);
        const int last = sheet.rowCount();
        QVERIFY(sheet.cell(last, 1).isPicture());
        QVERIFY(!QImage::fromData(sheet.picture(last, 1)).isNull());
        QVERIFY(sheet.cell(last, 1 + sheet.columnCount() / 2).isPicture());

        w.分析页签->setCurrentIndex(ExamAnalysisWindow::RankingTab);
        w.打印钮->click();
        QCOMPARE(sent, 2);
        QVERIFY(!w.printer().sheet().cell(w.printer().sheet().rowCount(), 1).isPicture());
        const std::optional<PageTable> ranking = w.pageTable();
        QVERIFY(ranking);
        QCOMPARE(ranking->captions,
            (QStringList {u"学号"_s, u"姓名"_s, u"所在班级"_s, u"语文"_s, u"班级名次"_s, u"年级名次"_s, u"进退步"_s}));
        QCOMPARE(ranking->kinds[1], PageTable::Kind::Text);
        QCOMPARE(ranking->kinds[4], PageTable::Kind::Number);

        const QString path = g.host.bench.desk.dir.filePath(u"名次.csv"_s);
        g.host.chooser.next = path;
        w.导出钮->click();
        QVERIFY(QFile::exists(path));

        w.分析页签->setCurrentIndex(ExamAnalysisWindow::BandsChartTab);
        w.复制图表钮->click();
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
    }

    // 分数线设置 keeps the lines in config.ini and counts with them at once.
    void linesSetByTheUser()
    {
        Grade g;
        ExamAnalysisWindow w(g.host.ws);
        QVERIFY(w.start(ScoreSheetRules::Exam::MidTerm, {}, true));
        ModalGuard guard;
        QTimer::singleShot(0, &w, [] {
            auto* dialog = qobject_cast<AnalysisLinesDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->及格线框->setValue(85);
            dialog->优秀线框->setValue(90);
            QCOMPARE(dialog->满分表格->item(1, 0)->text(), u"数学"_s);
            qobject_cast<QSpinBox*>(dialog->满分表格->cellWidget(1, 1))->setValue(120);
            dialog->确定钮->click();
        });
        w.分数线设置钮->click();
        QCOMPARE(g.host.bench.settings.value(u"Analysis"_s, u"PassLine"_s), u"85"_s);
        QCOMPARE(g.host.bench.settings.value(u"Analysis"_s, u"FullMarks"_s), u"数学:120"_s);
        QCOMPARE(rowsOf(w.分析统计列表框).last().mid(5), (QStringList {u"1"_s, u"25.0%"_s, u"1"_s, u"25.0%"_s}));
    }

    void fitsTheSmallScreen()
    {
        Grade g;
        g.host.bench.desk.screen.fixed = QSize(800, 600);
        ExamAnalysisWindow w(g.host.ws);
        QVERIFY(w.start(ScoreSheetRules::Exam::Final, u"初中1年级1班"_s, false));
        QCOMPARE(w.分析班级组合框->currentText(), u"初中1年级1班"_s);
        QVERIFY(w.width() <= 800 && w.height() <= 600);
        QVERIFY2(w.minimumSizeHint().width() <= 780, qPrintable(QString::number(w.minimumSizeHint().width())));
    }

    // From page 4 on its class and exam, with the right over pupils only.
    void openedFromTheScoreSheet()
    {
        StartedSchool school;
        QVERIFY(school.start());
        MainWindow& main = school.main();
        StudentsFixture& d = school.data;
        for (const QString& c : {u"2年级1班"_s, u"2年级2班"_s})
            QVERIFY(d.addClass(c, u"周老师"_s));
        main.setSession({u"教务"_s, RightsString(u"0111"_s)});
        QVERIFY(!main.runCommand(u"成绩分析"));
        main.setSession({u"校长"_s, RightsString::super()});
        QVERIFY(main.runCommand(u"期末成绩录入"));
        auto* page = main.findChild<ScoreSheetPage*>();
        page->成绩表班级组合框->setCurrentIndex(1);
        QStringList seen;
        QTimer::singleShot(0, &main, [&seen] {
            auto* w = qobject_cast<ExamAnalysisWindow*>(QApplication::activeModalWidget());
            QVERIFY(w);
            seen << w->分析考试组合框->currentText() << w->分析班级组合框->currentText();
            w->关闭钮->click();
        });
        page->成绩分析钮->click();
        QCOMPARE(seen, (QStringList {u"期末考试"_s, u"2年级2班"_s}));
    }

    void noClassNoWindow()
    {
        StudentsBench host;
        ExamAnalysisWindow w(host.ws);
        QVERIFY(!w.start(ScoreSheetRules::Exam::MidTerm, {}, true));
        QCOMPARE(host.prompt.lastText(), u"目前没有班级数据，请先进行校务设置！"_s);
    }
};

XIAOWU_TEST(TestExamAnalysisWindow)
#include "TestExamAnalysisWindow.moc"
