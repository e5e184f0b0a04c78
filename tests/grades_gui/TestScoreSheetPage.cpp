// Page 4 driven as a user drives it: marks typed into the grid and read back from the database.
#include "students_gui/StudentsBench.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "grades/ScoreSheetPage.h"
#include "sheet/SheetGrid.h"
#include "support/TestRegistry.h"
#include "workspace/PageFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;
const QString Class2 = u"1年级2班"_s;
const QString Loading = u"当前状态：数据载入中请稍侯......"_s;

struct SheetPage
{
    StudentsBench host;
    std::unique_ptr<PageFrame> frame;
    ScoreSheetPage* page = nullptr;
    int loads = 0;

    SheetPage()
    {
        StudentsFixture& d = host.data;
        d.addClass(Class1, u"周老师"_s, {u"语文"_s, u"数学"_s, u"英语"_s, {}, {}, {}, {}, {}, {}, {}});
        d.addClass(Class2, u"吴老师"_s, {u"语文"_s, u"数学"_s});
        // Two pupils of the same name; marks in slots 1 and 2 of both exams.
        const QList<std::tuple<int, QString, QString, int, int>> pupils {{1, u"张伟"_s, Class1, 70, 80},
            {2, u"李四"_s, Class1, 90, 81}, {3, u"张伟"_s, Class1, 85, 82}, {4, u"王五"_s, Class1, 60, 83},
            {5, u"赵六"_s, Class2, 75, 77}};
        for (const auto& [number, name, klass, mid, fin] : pupils) {
            StudentRecord r = StudentsFixture::pupil(number, name, klass);
            r.期中[0] = mid;
            r.期中[1] = mid + 1;
            r.期末[0] = fin - 1;
            r.期末[1] = fin;
            d.addPupil(r);
        }
        frame = std::make_unique<PageFrame>(Page::ScoreSheet,
            PageFrame::Names {u"成绩表外形框1"_s, u"成绩表标题标签"_s, u"成绩表外形框2"_s, u"成绩表底座"_s},
            u"学生成绩表"_s);
        page = new ScoreSheetPage(host.ws, *frame);
        frame->setView(page);
        frame->resize(1024, 700);
        frame->show();
        QObject::connect(&host.state, &ProgramState::statusStateChanged,
            [this](const QString& text) { loads += text == Loading ? 1 : 0; });
    }

    SheetGrid* grid() const { return page->成绩表格; }
    const SheetTable& sheet() const { return page->成绩源; }
    // Sheet texts of one column, data rows only.
    QStringList column(int c) const
    {
        QStringList texts;
        for (int r = 2; r <= sheet().rowCount(); ++r)
            texts << sheet().text(r, c);
        return texts;
    }
    int rowOf(int number) const { return int(column(1).indexOf(QString::number(number))) + 2; }
    // Types over the cell and confirms with Enter.
    void type(int row, int c, const QString& text)
    {
        grid()->setCursorCell(row, c);
        QVERIFY(grid()->editCell(text));
        QTest::keyClick(grid()->findChild<QLineEdit*>(), Qt::Key_Return);
    }
    // Every mark of every pupil, 学号 first: what the database holds.
    QList<QVariantList> allMarks()
    {
        QList<QVariantList> out;
        QString sql = u"select 学号"_s;
        for (const QString& stem : {u"期中"_s, u"期末"_s}) {
            for (int slot = 1; slot <= 10; ++slot)
                sql += u',' + stem + QString::number(slot);
        }
        auto rows = host.data.db.query(sql + u" from 学籍表 order by 学号"_s);
        for (rows->first(); !rows->pastLast(); rows->next()) {
            QVariantList v;
            for (int c = 1; c <= rows->columnCount(); ++c)
                v << rows->value(c);
            out << v;
        }
        return out;
    }
    QVariant mark(int number, const QString& column)
    {
        auto rows = host.data.db.query(u"select "_s + column + u" from 学籍表 where 学号=?"_s, {number});
        rows->first();
        return rows->value(1);
    }
};

} // namespace

class TestScoreSheetPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noClassAsksForTheSchoolSettings()
    {
        SheetPage p;
        QVERIFY(p.host.data.db.execute(u"delete from 班级表"_s));
        p.page->openMidTerm();
        QCOMPARE(p.host.prompt.texts(), QStringList {u"目前没有班级数据，请先进行校务设置！"_s});
        QCOMPARE(p.host.prompt.boxes().first().title, u"提示"_s);
        QCOMPARE(p.host.shell.commands, QStringList {u"校务设置"_s});
        QVERIFY(p.host.shell.opened.isEmpty());
        QCOMPARE(p.loads, 0);
    }

    void openingShowsTheClassSheet()
    {
        SheetPage p;
        p.page->openFinal();
        QCOMPARE(p.loads, 1);
        QCOMPARE(p.host.shell.opened, QList<Page> {Page::ScoreSheet});
        QCOMPARE(p.page->成绩表标题标签->text(), u"实验小学1年级1班期末考试成绩"_s);
        QCOMPARE(p.host.state.statusState(), u"    当前状态：学生成绩管理"_s);
        QCOMPARE(p.host.state.statusHint(), u"  提示：用鼠标或方向键移动方格光标，在光标内输入成绩后按回车键。"_s);
        QCOMPARE(p.page->考试时间组合框->currentText(), u"期末考试成绩"_s);
        QCOMPARE(p.page->成绩表排序组合框->count(), 12);
        QCOMPARE(p.page->成绩表排序组合框->currentText(), u"姓名"_s);
        QCOMPARE(p.page->清除科目成绩组合框->count(), 10);
        QCOMPARE(p.page->清除科目成绩组合框->currentText(), u"语文成绩"_s);
        QCOMPARE(p.sheet().text(1, 4), u"数学"_s);
        QCOMPARE(p.sheet().fixedRows(), 1);
        // By name in pinyin order: 李四, 王五, then the two 张伟.
        QCOMPARE(p.column(2), (QStringList {u"李四"_s, u"王五"_s, u"张伟"_s, u"张伟"_s}));
        QCOMPARE(p.column(4).mid(0, 2), (QStringList {u"81"_s, u"83"_s}));
        QVERIFY(p.sheet().cell(3, 2).isReadOnly());
        QVERIFY(!p.sheet().cell(3, 3).isReadOnly());
        QCOMPARE(p.sheet().cell(3, 3).dataType(), SheetDataType::Double);
        QCOMPARE(p.sheet().cell(1, 7).alignment(), SheetAlignment::Centre);

        // The cursor starts on the first mark and never rests on the number or the name.
        QCOMPARE(p.grid()->cursorRow(), 2);
        QCOMPARE(p.grid()->cursorColumn(), 3);
        QCOMPARE(p.sheet().cell(2, 1).background, 0xECECECu);
        p.grid()->setCursorCell(4, 1);
        QCOMPARE(p.grid()->cursorColumn(), 3);
        QCOMPARE(p.sheet().cell(4, 12).background, 0xECECECu);
        QCOMPARE(p.sheet().cell(2, 1).background, SheetColour::None);

        // One selection, one load; a renamed subject shows with the next one.
        QVERIFY(p.host.data.db.execute(u"update 班级表 set 科目1='国文' where 所在班级=?"_s, {Class1}));
        p.page->排序方向组合框->setCurrentIndex(1);
        QCOMPARE(p.loads, 2);
        QCOMPARE(p.sheet().text(1, 3), u"国文"_s);
        QCOMPARE(p.column(2).first(), u"张伟"_s);
        p.page->成绩表班级组合框->setCurrentIndex(1);
        QCOMPARE(p.loads, 3);
        QCOMPARE(p.host.state.headTeachers().currentText(), u"吴老师"_s);
        QCOMPARE(p.page->成绩表排序组合框->currentText(), u"姓名"_s);
        QCOMPARE(p.column(2), QStringList {u"赵六"_s});
        p.page->考试时间组合框->setCurrentIndex(0);
        QCOMPARE(p.loads, 4);
        QCOMPARE(p.page->成绩表标题标签->text(), u"实验小学1年级2班期中考试成绩"_s);
        QCOMPARE(p.column(3), QStringList {u"75"_s});
        QVERIFY(p.host.prompt.boxes().isEmpty());
    }

    void typedMarkIsStoredOrRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("stored"); // what 期中1 of pupil 1 holds afterwards (70 before)
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refused");

        QTest::newRow("whole") << u"85"_s << QVariant(85) << u"85"_s << false;
        QTest::newRow("full-width") << u" ８５ "_s << QVariant(85) << u"85"_s << false;
        QTest::newRow("decimal") << u"85.5"_s << QVariant(86) << u"86"_s << false;
        QTest::newRow("emptied") << QString() << QVariant() << QString() << false;
        for (const char* text : {"abc", "inf", "nan", "40000", "-40000"})
            QTest::newRow(text) << QString::fromLatin1(text) << QVariant(70) << u"70"_s << true;
    }

    void typedMarkIsStoredOrRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QVariant, stored);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        SheetPage p;
        p.page->openMidTerm();
        const QList<QVariantList> before = p.allMarks();
        const int row = p.rowOf(1);
        p.type(row, 3, typed);
        QCOMPARE(p.sheet().text(row, 3), shown);
        QCOMPARE(p.mark(1, u"期中1"_s).toInt(), stored.toInt());
        QCOMPARE(p.mark(1, u"期中1"_s).isValid(), stored.isValid());
        QCOMPARE(p.host.prompt.boxes().size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(p.host.prompt.boxes().first().title, u"提示"_s);
            QCOMPARE(p.allMarks(), before);
        }
        // What the sheet shows is what a reload reads.
        p.page->排序方向组合框->setCurrentIndex(1);
        QCOMPARE(p.sheet().text(p.rowOf(1), 3), shown);
    }

    void editOfASortedSheetChangesThatPupilOnly()
    {
        SheetPage p;
        p.page->openMidTerm();
        p.page->成绩表排序组合框->setCurrentIndex(2); // 语文, highest first
        QCOMPARE(p.column(3), (QStringList {u"90"_s, u"85"_s, u"70"_s, u"60"_s}));
        QCOMPARE(p.column(2)[1], u"张伟"_s);
        QList<QVariantList> expected = p.allMarks();
        p.type(3, 4, u"99"_s); // row 3 is the second 张伟 (number 3), subject 数学
        expected[2][2] = qint64(99);
        QCOMPARE(p.allMarks(), expected);
        p.page->成绩表排序组合框->setCurrentIndex(11); // slot 10: no marks; the name column still there
        QCOMPARE(p.column(4).size(), 4);
    }

    void clearingEmptiesOneSubjectOfThisClass()
    {
        SheetPage p;
        p.page->openFinal();
        p.page->清除科目成绩组合框->setCurrentIndex(1);
        QList<QVariantList> expected = p.allMarks();

        p.host.prompt.answerNext(Prompt::Answer::Cancel);
        p.page->清空成绩钮->click();
        QCOMPARE(p.host.prompt.lastText(), u"您确定要将当前成绩表中的数学成绩数据全部清空吗？清除的数据将不能恢复！"_s);
        QCOMPARE(p.host.prompt.boxes().last().title, u"询问"_s);
        QCOMPARE(p.host.prompt.boxes().last().buttons, Prompt::Buttons::OkCancel);
        QCOMPARE(p.allMarks(), expected);
        QCOMPARE(p.column(4).count(QString()), 0);

        p.page->清空成绩钮->click();
        for (int i = 0; i < 4; ++i)
            expected[i][12] = QVariant(); // 期末2 of the four pupils of 1年级1班
        QCOMPARE(p.allMarks(), expected);
        QCOMPARE(p.column(4), QStringList(4, QString()));
        QCOMPARE(p.column(3).count(QString()), 0);
    }

    void quotedClassLoadsAndAVanishedPupilIsNotWritten()
    {
        SheetPage p;
        const QString quoted = u"O'Neil班"_s;
        QVERIFY(p.host.data.db.execute(u"delete from 班级表"_s));
        QVERIFY(p.host.data.addClass(quoted, u"王老师"_s));
        QVERIFY(p.host.data.db.execute(u"update 学籍表 set 所在班级=?"_s, {quoted}));
        p.page->openMidTerm();
        QCOMPARE(p.column(1).size(), 5);
        QCOMPARE(p.page->成绩表标题标签->text(), u"实验小学O'Neil班期中考试成绩"_s);

        QVERIFY(p.host.data.db.execute(u"delete from 学籍表 where 学号=4"_s));
        const int row = p.rowOf(4);
        p.type(row, 3, u"88"_s);
        QCOMPARE(p.sheet().text(row, 3), u"60"_s);
        QCOMPARE(p.host.prompt.lastText(), u"该学生已不在本班，成绩没有保存！请重新载入成绩表。"_s);
        QCOMPARE(p.host.data.count(u"学籍表 where 期中1=88"_s), 0);
    }

    void menuCommandsOpenThePageInTheMainWindow()
    {
        FakeServices f;
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        StudentsFixture d;
        d.db.openSchool(DatabaseKind::Student, main.studentDb().path());
        QVERIFY(d.addClass(Class1, u"周老师"_s));
        QVERIFY(d.addPupil(StudentsFixture::pupil(1, u"张三"_s, Class1)));
        QVERIFY(d.addPupil(StudentsFixture::pupil(2, u"李四"_s, Class1)));

        main.setSession({u"教务"_s, RightsString(u"0111"_s)});
        QVERIFY(!main.runCommand(u"期中成绩录入"));
        QCOMPARE(main.currentPage(), Page::Home);

        main.setSession({u"校长"_s, RightsString::super()});
        QVERIFY(main.runCommand(u"期末成绩录入"));
        QCOMPARE(main.currentPage(), Page::ScoreSheet);
        QCOMPARE(main.statusPanel(2), u"    当前状态：学生成绩管理"_s);
        auto* page = main.findChild<ScoreSheetPage*>();
        QCOMPARE(page->考试时间组合框->currentIndex(), 1);
        main.navigate(RecordNavigation::Move::Last);
        QCOMPARE(page->成绩表格->cursorRow(), 3);
        QCOMPARE(page->成绩表格->cursorColumn(), 3);
        f.prompt.clear();
        main.navigate(RecordNavigation::Move::Next);
        QCOMPARE(f.prompt.lastText(), u"已到最后一个记录"_s);
    }
};

XIAOWU_TEST(TestScoreSheetPage)
#include "TestScoreSheetPage.moc"
