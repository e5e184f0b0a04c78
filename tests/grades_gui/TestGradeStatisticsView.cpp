// Page 8 driven from the score sheet: the table built, sorted, opened and left as a user does it.
#include "ScoreSheetFrame.h"
#include "students_gui/StartedSchool.h"
#include "students_gui/StudentsBench.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "grades/GradeStatisticsView.h"
#include "grades/ScoreSheetPage.h"
#include "records/ReportList.h"
#include "sheet/SheetGrid.h"
#include "support/TestRegistry.h"
#include "workspace/PageFrame.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;
const QString Class2 = u"1年级2班"_s;
const QString Class3 = u"1年级3班"_s;
const QString SheetHint = u"  提示：用鼠标或方向键移动方格光标，在光标内输入成绩后按回车键。"_s;

struct StatisticsPages
{
    StudentsBench host;
    std::unique_ptr<PageFrame> sheetFrame;
    std::unique_ptr<PageFrame> frame;
    ScoreSheetPage* sheet = nullptr;
    GradeStatisticsView* view = nullptr;

    StatisticsPages()
    {
        StudentsFixture& d = host.data;
        d.addClass(Class1, u"周老师"_s, {u"语文"_s, u"数学"_s, u"英语"_s});
        d.addClass(Class2, u"吴老师"_s, {u"思品"_s});
        d.addClass(Class3, u"郑老师"_s);
        // 1班: mid-term 数学 80, 91, 0 and a final 语文 of 100; 2班: 语文 99 in both exams.
        const QList<std::tuple<int, QString, std::optional<int>, std::optional<int>>> pupils {
            {1, Class1, 80, 100}, {2, Class1, 91, std::nullopt}, {3, Class1, 0, std::nullopt}, {4, Class2, {}, 99}};
        for (const auto& [number, klass, mid, fin] : pupils) {
            StudentRecord r = StudentsFixture::pupil(number, u"学生"_s + QString::number(number), klass);
            r.期中[1] = mid;
            r.期末[0] = fin;
            if (klass == Class2)
                r.期中[0] = 99;
            d.addPupil(r);
        }
        sheet = showScoreSheet(host.ws, sheetFrame);
        frame = std::make_unique<PageFrame>(Page::AverageScores,
            PageFrame::Names {u"成绩统计表外形框1"_s, u"成绩统计表标题标签"_s, u"成绩统计表外形框2"_s, {}},
            u"平均成绩统计表"_s);
        view = new GradeStatisticsView(host.ws, *frame, *sheet);
        frame->setView(view);
        frame->resize(1024, 700);
        frame->show();
        sheet->showStatistics = [this] { view->build(); };
    }

    ReportList* list() const { return view->平均成绩统计列表框; }
    QStringList row(int i) const
    {
        QStringList texts;
        for (int c = 1; c <= 12; ++c)
            texts << list()->text(i, c);
        return texts;
    }
    QStringList column(int c) const
    {
        QStringList texts;
        for (int i = 0; i < list()->rowCount(); ++i)
            texts << list()->text(i, c);
        return texts;
    }
    void clickHeader(int c) { Q_EMIT list()->header()->sectionClicked(c); }
    void doubleClick(const QString& klass)
    {
        const int i = int(column(1).indexOf(klass));
        QVERIFY(i >= 0);
        // The item's own rect is that of the hidden column 0. An item view takes a double click
        // only after the press that selects.
        const QPoint at = list()->visualRect(list()->model()->index(i, 1)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
};

} // namespace

class TestGradeStatisticsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildsTheTableOfTheExamOnTheSheet()
    {
        StatisticsPages p;
        p.sheet->openMidTerm();
        QTest::mouseClick(p.sheet->平均成绩统计钮, Qt::LeftButton);

        QCOMPARE(p.host.shell.page, Page::AverageScores);
        QCOMPARE(p.view->成绩统计表标题标签->text(), u"实验小学期中考试各班级各科平均成绩表"_s);
        QCOMPARE(p.host.state.statusHint(), u"  提示：用鼠标双击选择项可查看该班级的详细成绩情况。"_s);
        QCOMPARE(p.list()->columnTitle(1), u"所在班级"_s);
        QCOMPARE(p.list()->columnTitle(2), u"总分"_s);
        // The captions are the subjects of the class on the sheet.
        QCOMPARE(p.list()->columnTitle(3), u"语文"_s);
        QCOMPARE(p.list()->columnTitle(5), u"英语"_s);
        QVERIFY(p.list()->isColumnHidden(0));
        QCOMPARE(p.list()->rowCount(), 3);
        QCOMPARE(p.row(0), (QStringList {Class1, u"86"_s, QString(), u"86"_s} + QStringList(8)));
        QCOMPARE(p.row(1), (QStringList {Class2, u"99"_s, u"99"_s} + QStringList(9)));
        QCOMPARE(p.row(2), (QStringList {Class3, u"0"_s} + QStringList(10)));
        const auto alignment
            = [&p](int c) { return p.list()->model()->index(0, c).data(Qt::TextAlignmentRole).toInt(); };
        QCOMPARE(alignment(1) & Qt::AlignHCenter, 0);
        for (int c = 2; c <= 12; ++c)
            QCOMPARE(alignment(c), int(Qt::AlignCenter));

        // The final exam, from the second class's sheet: its captions, the 期末 columns.
        p.sheet->成绩表班级组合框->setCurrentIndex(1);
        p.sheet->考试时间组合框->setCurrentIndex(1);
        QTest::mouseClick(p.sheet->平均成绩统计钮, Qt::LeftButton);
        QCOMPARE(p.view->成绩统计表标题标签->text(), u"实验小学期末考试各班级各科平均成绩表"_s);
        QCOMPARE(p.list()->columnTitle(3), u"思品"_s);
        QCOMPARE(p.column(3), (QStringList {u"100"_s, u"99"_s, QString()}));
        QCOMPARE(p.column(4), (QStringList {QString(), QString(), QString()}));
    }

    void headerClicksSort()
    {
        StatisticsPages p;
        p.sheet->openFinal();
        p.sheet->平均成绩统计钮->click();
        // Built in selector order and taken as sorted by class: the first click there reverses.
        p.clickHeader(1);
        QCOMPARE(p.column(1), (QStringList {Class3, Class2, Class1}));
        QCOMPARE(p.list()->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        p.clickHeader(2);
        QCOMPARE(p.column(2), (QStringList {u"0"_s, u"99"_s, u"100"_s}));
        QCOMPARE(p.list()->header()->sortIndicatorSection(), 2);
        p.clickHeader(2);
        QCOMPARE(p.column(2), (QStringList {u"100"_s, u"99"_s, u"0"_s}));
        QCOMPARE(p.list()->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        // An empty average counts as 0.
        p.clickHeader(3);
        QCOMPARE(p.column(3), (QStringList {QString(), u"99"_s, u"100"_s}));
        // A rebuild starts again from the class column, ascending.
        p.sheet->平均成绩统计钮->click();
        QCOMPARE(p.list()->header()->sortIndicatorSection(), 1);
        QCOMPARE(p.list()->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(p.column(1), (QStringList {Class1, Class2, Class3}));
    }

    void doubleClickOpensThatClassesSheet()
    {
        StatisticsPages p;
        p.sheet->openFinal();
        p.sheet->排序方向组合框->setCurrentIndex(1);
        p.sheet->成绩表排序组合框->setCurrentIndex(2);
        p.sheet->平均成绩统计钮->click();
        p.host.shell.page = Page::AverageScores;

        p.doubleClick(Class2);
        QCOMPARE(p.host.shell.page, Page::ScoreSheet);
        QCOMPARE(p.sheet->成绩表班级组合框->currentText(), Class2);
        QCOMPARE(p.sheet->考试时间组合框->currentIndex(), 1);
        QCOMPARE(p.sheet->成绩表标题标签->text(), u"实验小学1年级2班期末考试成绩"_s);
        QCOMPARE(p.sheet->成绩源.text(1, 3), u"思品"_s);
        QCOMPARE(p.sheet->成绩源.text(2, 3), u"99"_s);
        // The sort and clear lists keep their items and selections.
        QCOMPARE(p.sheet->成绩表排序组合框->currentIndex(), 2);
        QCOMPARE(p.sheet->成绩表排序组合框->currentText(), u"语文"_s);
        QCOMPARE(p.sheet->排序方向组合框->currentIndex(), 1);
        QCOMPARE(p.host.state.headTeachers().currentIndex(), 1);

        // A class gone from the selector since the build: nothing happens.
        p.host.shell.page = Page::AverageScores;
        p.sheet->成绩表班级组合框->removeItem(2);
        p.doubleClick(Class3);
        QCOMPARE(p.host.shell.page, Page::AverageScores);
        QCOMPARE(p.sheet->成绩表班级组合框->currentText(), Class2);
    }

    void backShowsTheSheetUnchanged()
    {
        StatisticsPages p;
        p.sheet->openMidTerm();
        p.sheet->成绩表格->setCursorCell(3, 4);
        p.sheet->平均成绩统计钮->click();
        QTest::mouseClick(p.view->统计表返回钮, Qt::LeftButton);
        QCOMPARE(p.host.shell.page, Page::ScoreSheet);
        QCOMPARE(p.host.state.statusHint(), SheetHint);
        QCOMPARE(p.sheet->成绩表格->cursorRow(), 3);
        QCOMPARE(p.sheet->成绩表格->cursorColumn(), 4);
        QCOMPARE(p.view->统计表返回钮->text(), u"返 回"_s);
    }

    void buttonOnTheMainWindowShowsPage8()
    {
        StartedSchool school;
        QVERIFY(school.start());
        MainWindow& main = school.main();
        StudentsFixture& d = school.data;
        QVERIFY(d.addClass(Class1, u"周老师"_s));
        main.setSession({u"校长"_s, RightsString::super()});
        QVERIFY(main.runCommand(u"期中成绩录入"));
        main.findChild<ScoreSheetPage*>()->平均成绩统计钮->click();
        QCOMPARE(main.currentPage(), Page::AverageScores);
        auto* list = main.findChild<ReportList*>(u"平均成绩统计列表框"_s);
        QVERIFY(list);
        QCOMPARE(list->text(0, 1), Class1);
        QVERIFY(main.findChild<QLabel*>(u"成绩统计表标题标签"_s)->text().endsWith(u"期中考试各班级各科平均成绩表"_s));
    }
};

XIAOWU_TEST(TestGradeStatisticsView)
#include "TestGradeStatisticsView.moc"
