#include "StudentsBench.h"

#include "app/StudentPageView.h"
#include "records/NameFlowView.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "sheet/SheetTable.h"
#include "students/StudentViewPage.h"
#include "support/ServerSchool.h"
#include "support/TestPhoto.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;
const QString Enrolled = u"在校学生"_s;

struct ViewPage
{
    StudentsBench host;
    std::unique_ptr<StudentViewPage> page;
    QList<QByteArray> zoomed;
    QStringList leaveNotes;

    ViewPage()
    {
        page = std::make_unique<StudentViewPage>(host.ws);
        page->zoomPhoto = [this](const QByteArray& photo) { zoomed << photo; };
        page->showLeaveNote = [this](const QString& note) { leaveNotes << note; };
        page->resize(1024, 700);
        page->show();
    }
    QStringList names() const
    {
        QStringList out;
        for (int i = 0; i < page->查看学生列表框->rowCount(); ++i)
            out << page->查看学生列表框->text(i, 1);
        return out;
    }
};

} // namespace

class TestStudentViewPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyClassShowsSchoolClassAndNobody()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s));
        p.page->showEnrolled();
        QCOMPARE(p.host.state.currentViewKind(), Enrolled);
        QCOMPARE(p.page->查看页标题标签->text(), u"实验小学1年级1班目前没有学生资料"_s);
        QCOMPARE(p.page->查看学生统计标签->text(), u"本班共有0人 其中男0人 女0人"_s);
        QVERIFY(p.page->学生姓名->text().isEmpty());
        QCOMPARE(p.page->家长1标签->text(), u"家长姓名"_s);
        QVERIFY(!p.page->变动标签->isVisible());
        QCOMPARE(p.host.state.statusState(), u"    当前状态：查看在校学生资料"_s);
        QCOMPARE(p.host.state.statusHint(), u"    提示： 右击姓名列表可弹出操作菜单，双击照片查看可放大的照片。"_s);
        QCOMPARE(p.host.shell.page, Page::StudentView);
    }

    void reloadingTheClassesReadsTheNamesOnce()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s, {u"语文"_s}));
        QVERIFY(p.host.data.addClass(u"1年级2班"_s, u"吴老师"_s));
        QVERIFY(p.host.data.addPupil(p.host.data.pupil(1, u"张伟"_s, Class1)));
        p.page->showLeavers();
        const QSignalSpy fills(p.page->查看学生列表框->model(), &QAbstractItemModel::rowsInserted);
        // Back from the leavers the classes are loaded while the old view kind is still set; only
        // the enrolled names may be read, once.
        p.page->showEnrolled();
        QCOMPARE(fills.count(), 1);
        QCOMPARE(p.host.state.headTeachers().items(), (QStringList {u"周老师"_s, u"吴老师"_s}));
        QCOMPARE(p.host.state.headTeachers().currentIndex(), 0);
        QCOMPARE(p.page->班主任->text(), u"周老师"_s);
        QCOMPARE(p.page->科目标签[1]->text(), u"语文"_s);
        QCOMPARE(p.names(), QStringList {u"张伟"_s});
    }

    void enrolledRecordFillsTheCard()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(u"1年级2班"_s, u"吴老师"_s));
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s, {u"语文"_s, u"数学"_s, u"英语"_s}));
        StudentRecord r = p.host.data.pupil(12, u"林小雨"_s, Class1, u""_s);
        r.期中 = {95, 0, std::nullopt, 60};
        r.期末[0] = 98;
        r.照片 = testJpeg();
        r.家长A = u"爷爷"_s;
        QVERIFY(p.host.data.addPupil(r));
        QVERIFY(p.host.data.addPupil(p.host.data.pupil(13, u"王五"_s, Class1, u"男"_s)));
        p.page->showEnrolled();
        QCOMPARE(p.page->查看班级名组合框->currentText(), u"1年级2班"_s);
        p.page->查看班级名组合框->setCurrentIndex(1); // as the user picks it
        QCOMPARE(p.host.state.headTeachers().currentIndex(), 1);
        QCOMPARE(p.names(), (QStringList {u"林小雨"_s, u"王五"_s}));
        QCOMPARE(p.page->查看学生统计标签->text(), u"本班共有2人 其中男1人 女1人"_s);
        // Two names are handed over at once: no progress bar for them.
        QCOMPARE(p.host.shell.bar->steps, 0);
        QVERIFY(!p.host.shell.bar->shown);
        QCOMPARE(p.page->查看学生列表框->currentRow(), 0);

        QCOMPARE(p.page->查看页标题标签->text(), u"实验小学1年级1班林小雨同学的资料"_s);
        QCOMPARE(p.page->班主任标签->text(), u"本班班主任："_s);
        QCOMPARE(p.page->班主任->text(), u"周老师"_s);
        QCOMPARE(p.page->学生学号->text(), u"12"_s);
        QCOMPARE(p.page->学生籍贯->text(), u"浙江绍兴"_s);
        QCOMPARE(p.page->学生户籍->text(), u"杭州市西湖区"_s);
        QCOMPARE(p.page->学生住宅电话->text(), u"0571-88886666"_s);
        QCOMPARE(p.page->家长1标签->text(), u"爷爷姓名"_s);
        QCOMPARE(p.page->父亲单位->text(), u"张记'老字号'"_s);
        QCOMPARE(p.page->家长2标签->text(), u"母亲姓名"_s);
        QCOMPARE(p.page->科目标签[2]->text(), u"数学"_s);
        QCOMPARE(p.page->期中标签[1]->text(), u"95"_s);
        QCOMPARE(p.page->期中标签[2]->text(), QString()); // 0
        QCOMPARE(p.page->期中标签[3]->text(), QString()); // no mark
        QCOMPARE(p.page->期中标签[4]->text(), u"60"_s);
        QCOMPARE(p.page->期末标签[1]->text(), u"98"_s);
        QCOMPARE(p.page->综合评价编辑框->toPlainText(),
            u"\n本学期评语：\n\n你是一个懂事的孩子。\n继续努力！\n\n综合评价：\n\n品学兼优。"_s);
        QCOMPARE(p.page->termComment(), r.本学期评语);
        QVERIFY(!p.page->学生照片框->pixmap().isNull());
        QVERIFY(!p.page->变动标签->isVisible());

        QTest::mouseDClick(p.page->学生照片框, Qt::LeftButton);
        QCOMPARE(p.zoomed, QList<QByteArray> {r.照片});

        const auto pick = p.page->currentPick();
        QVERIFY(pick);
        QCOMPARE(pick->学号, 12);
        QCOMPARE(pick->className, Class1);

        // The next pupil has no photo: nothing to zoom, and both headings stay.
        p.page->nextRecord();
        QCOMPARE(p.page->学生姓名->text(), u"王五"_s);
        QVERIFY(p.page->学生照片框->pixmap().isNull());
        QTest::mouseDClick(p.page->学生照片框, Qt::LeftButton);
        QCOMPARE(p.zoomed.size(), 1);
    }

    void navigationMovesTheSelection()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s));
        for (const auto& [n, name] : {std::pair {1, u"阿明"_s}, std::pair {2, u"李四"_s}, std::pair {3, u"张三"_s}})
            QVERIFY(p.host.data.addPupil(p.host.data.pupil(n, name, Class1)));
        p.page->showEnrolled();
        p.page->lastRecord();
        QCOMPARE(p.page->学生姓名->text(), u"张三"_s);
        p.page->nextRecord();
        QCOMPARE(p.page->学生姓名->text(), u"张三"_s);
        p.page->previousRecord();
        QCOMPARE(p.page->学生姓名->text(), u"李四"_s);
        p.page->firstRecord();
        p.page->previousRecord();
        QCOMPARE(p.page->学生姓名->text(), u"阿明"_s);
        p.page->查看学生列表框->setCurrentRow(2);
        QCOMPARE(p.page->学生学号->text(), u"3"_s);
    }

    // A card's value is selected as in any label, and stays selectable once the pointer left it
    // while it has the focus (Ctrl+A, Ctrl+C) or a selection.
    void aCardValueStaysSelectableForItsCopy()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(p.host.data.addPupil(p.host.data.pupil(1, u"阿明"_s, Class1)));
        p.page->showEnrolled();
        QVERIFY(QTest::qWaitForWindowExposed(p.page.get()));
        QLabel* name = p.page->学生姓名;
        QLabel* phone = p.page->学生住宅电话;
        // Through the window, as a real pointer comes: the boxes see it enter and leave.
        QWindow* window = p.page->windowHandle();
        const auto at = [&](QWidget* box, int x) { return box->mapTo(p.page.get(), QPoint(x, box->height() / 2)); };

        QTest::mouseMove(window, at(phone, 8));
        QTest::mouseClick(window, Qt::LeftButton, {}, at(phone, 8));
        QVERIFY(phone->hasFocus());
        QTest::mouseMove(window, at(name, 8));
        QTest::keyClick(phone, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(phone->selectedText(), phone->text());

        QTest::mousePress(window, Qt::LeftButton, {}, at(name, 2));
        QTest::mouseMove(window, at(name, name->width() - 2));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(name, name->width() - 2));
        QCOMPARE(name->selectedText(), u"阿明"_s);
        QVERIFY(!phone->hasSelectedText());
    }

    void graduatesAreListedNewestDateFirst()
    {
        ViewPage p;
        for (const QString& d : {u"2004年7月1日"_s, u"2005年7月1日"_s})
            QVERIFY(p.host.data.addGraduationDate(d));
        StudentRecord g = p.host.data.pupil(40, u"赵六"_s, u"6年级1班"_s);
        g.离校时间 = u"2005年7月1日"_s;
        QVERIFY(p.host.data.addPupil(g, u"毕业表"_s));
        p.page->showGraduates();
        QCOMPARE(p.host.state.currentViewKind(), u"毕业学生"_s);
        QCOMPARE(p.page->查看班级名组合框->itemText(0), u"2005年7月1日"_s);
        QCOMPARE(p.page->查看班级名组合框->itemText(1), u"2004年7月1日"_s);
        QCOMPARE(p.page->查看学生统计标签->text(), u"共有1人毕业 其中男1人 女0人"_s);
        QCOMPARE(p.page->查看页标题标签->text(), u"实验小学2005年毕业生赵六同学的资料"_s);
        QCOMPARE(p.page->班主任标签->text(), u"个人详细资料"_s);
        QCOMPARE(p.page->科目标签[1]->text(), u"第1科"_s);
        QCOMPARE(p.page->科目标签[10]->text(), u"第10科"_s);
        QCOMPARE(p.host.state.statusHint(), u"    提示： 双击照片查看可放大的照片。毕业学生的资料不能被修改。"_s);
        QVERIFY(!p.page->currentPick()); // graduates cannot be modified

        p.host.prompt.clear();
        p.page->查看班级名组合框->setCurrentIndex(1);
        QCOMPARE(p.page->查看页标题标签->text(), u"没有2004年7月1日毕业的学生资料"_s);

        // Opening from the roster finds the date and the number.
        p.page->openOnArchived(StudentViewKind::Graduate, 40, u"2005年7月1日"_s);
        QCOMPARE(p.page->查看班级名组合框->currentText(), u"2005年7月1日"_s);
        QCOMPARE(p.page->学生学号->text(), u"40"_s);
        QCOMPARE(p.host.state.statusState(), u"    当前状态：查看毕业学生资料"_s);
    }

    void noGraduatesIsReportedWithoutSwitching()
    {
        ViewPage p;
        p.page->showGraduates();
        QCOMPARE(p.host.prompt.lastText(), u"目前没有毕业学生数据！"_s);
        QCOMPARE(p.page->查看页标题标签->text(), u"本校目前没有毕业学生数据"_s);
        QCOMPARE(p.host.shell.openCount(Page::StudentView), 0);

        QVERIFY(p.host.data.addGraduationDate(u"2006年7月1日"_s));
        p.page->showGraduates();
        QCOMPARE(p.host.prompt.lastText(), u"没有2006年毕业的学生数据！"_s);
    }

    void leaverShowsTheLinkAndTheEnrolledViewHidesIt()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(p.host.data.addPupil(p.host.data.pupil(1, u"在校生"_s, Class1)));
        StudentRecord l = p.host.data.pupil(50, u"钱七"_s, u"3年级2班"_s, u"女"_s);
        l.离校时间 = u"2006年3月2日"_s;
        l.离校原因 = u"随父母迁居外地"_s;
        QVERIFY(p.host.data.addPupil(l, u"转退表"_s));

        p.page->showLeavers();
        QCOMPARE(p.host.state.currentViewKind(), u"离校学生"_s);
        QCOMPARE(p.page->查看班级名组合框->count(), 1);
        QCOMPARE(p.page->查看班级名组合框->currentText(), u"离校学生资料"_s);
        QCOMPARE(p.page->查看学生统计标签->text(), u"共有1人离校 其中男0人 女1人"_s);
        QCOMPARE(p.page->查看页标题标签->text(), u"实验小学3年级2班钱七同学的资料(已离校)"_s);
        QVERIFY(p.page->变动标签->isVisible());
        QCOMPARE(p.page->变动标签->text(), u"钱七同学已离开本校(点击查看详细)"_s);
        QTest::mouseClick(p.page->变动标签, Qt::LeftButton);
        QCOMPARE(p.leaveNotes,
            QStringList {u"    钱七同学已于2006年3月2日离开本校\r\n\r\n    离开本校的原因是：随父母迁居外地"_s});

        // The archive views offer their own pop-up commands.
        const auto actions = p.page->离校学生菜单->actions();
        QCOMPARE(actions.size(), 2);
        actions[1]->trigger();
        QCOMPARE(p.host.shell.commands, QStringList {u"离校学生复学"_s});

        p.page->showEnrolled();
        QVERIFY(!p.page->变动标签->isVisible());
        QVERIFY(p.page->变动标签->text().isEmpty());
        QVERIFY(p.page->leaveNote().isEmpty());
    }

    void noLeaversIsReported()
    {
        ViewPage p;
        p.page->showLeavers();
        QCOMPARE(p.host.prompt.lastText(), u"目前本校没有因转学、退学等原因离校的学生数据！"_s);
        QCOMPARE(p.page->查看页标题标签->text(), u"本校目前没有因转学、退学等原因离校的学生资料"_s);
        QCOMPARE(p.host.shell.openCount(Page::StudentView), 0);
    }

    void rosterOpensThePageOnAPupilByNumber()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(u"1年级2班"_s, u"吴老师"_s));
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(p.host.data.addPupil(p.host.data.pupil(1, u"张伟"_s, Class1)));
        StudentRecord second = p.host.data.pupil(2, u"张伟"_s, Class1);
        second.家庭住址 = u"另一个张伟家"_s;
        QVERIFY(p.host.data.addPupil(second));
        p.page->openOnEnrolled(Class1, 2);
        QCOMPARE(p.host.state.currentViewKind(), Enrolled);
        QCOMPARE(p.page->查看班级名组合框->currentText(), Class1);
        QCOMPARE(p.host.state.headTeachers().currentIndex(), 1);
        QCOMPARE(p.page->班主任->text(), u"周老师"_s);
        QCOMPARE(p.page->学生学号->text(), u"2"_s);
        QCOMPARE(p.page->学生家庭住址->text(), u"另一个张伟家"_s);
        QCOMPARE(p.page->科目标签[1]->text(), u"科目1"_s);
        QCOMPARE(p.host.shell.page, Page::StudentView);
    }

    void failedSubjectQueryIsReported()
    {
        ViewPage p;
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s, {u"语文"_s}));
        QVERIFY(p.host.data.addClass(u"1年级2班"_s, u"吴老师"_s, {u"数学"_s}));
        QVERIFY(p.host.data.addPupil(p.host.data.pupil(1, u"王五"_s, u"1年级2班"_s)));
        p.page->showEnrolled();
        QVERIFY(p.host.data.db.execute(u"alter table 班级表 rename to 旧班级表"_s));
        p.page->查看班级名组合框->setCurrentIndex(1);
        QCOMPARE(p.host.prompt.lastText(), u"    读取课程科目失败！   "_s);
        QCOMPARE(p.host.prompt.boxes().last().title, u"错误"_s);
        QCOMPARE(p.host.prompt.boxes().last().icon, Prompt::Icon::Error);
        QCOMPARE(p.page->学生姓名->text(), u"王五"_s);
    }

    // A broken page inside 学籍表 is not an empty class: the file is named as damaged.
    void damagedListIsNotShownAsAnEmptyClass()
    {
        SKIP_ON_SERVER("a damaged page of a database file");
        ViewPage p;
        QVERIFY(p.host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(p.host.data.addPupil(p.host.data.pupil(1, u"王五"_s, Class1)));
        QVERIFY(StudentsFixture::damageTable(p.host.data.db, u"学籍表"_s));
        p.page->showEnrolled();
        const QString told = p.host.prompt.lastText();
        QVERIFY2(
            told.startsWith(u"载入学生姓名数据失败！\r\n\r\n数据文件已损坏："_s) && told.contains(u"系统数据维护"_s),
            qPrintable(told));
        QVERIFY(p.page->查看页标题标签->text().endsWith(u"数据文件已损坏"_s));
        QVERIFY(!p.page->查看学生统计标签->text().startsWith(u"本班共有0人"_s));
    }

    void noClassSendsToTheSchoolSettings()
    {
        ViewPage p;
        p.page->showEnrolled();
        QCOMPARE(p.host.prompt.lastText(), u"目前没有班级数据，请先进行校务设置!"_s);
        QCOMPARE(p.host.prompt.boxes().last().title, u"提示"_s);
        p.page->openOnEnrolled(Class1, 1);
        QCOMPARE(p.host.prompt.lastText(), u"目前没有班级数据，请先进行系统设置!"_s);
        QCOMPARE(p.host.shell.commands, (QStringList {u"校务设置"_s, u"校务设置"_s}));
        QCOMPARE(p.host.shell.openCount(Page::StudentView), 0);
    }

    // The printed card takes what the page shows: the head teacher only for pupils at school, the
    // leave note only for a leaver, and nobody's card only its title.
    void pageBuildsThePupilCard()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s, {u"语文"_s, u"数学"_s}));
        StudentRecord r = host.data.pupil(12, u"林小雨"_s, Class1, u"女"_s);
        r.期中[1] = 88;
        r.照片 = testJpeg();
        QVERIFY(host.data.addPupil(r));
        StudentRecord l = host.data.pupil(50, u"钱七"_s, u"3年级2班"_s);
        l.离校时间 = u"2006年3月2日"_s;
        l.离校原因 = u"迁居"_s;
        QVERIFY(host.data.addPupil(l, u"转退表"_s));
        StudentPageView view(host.ws);
        const QDate today(2011, 3, 5);
        SheetTable card;

        view.page()->showEnrolled();
        QCOMPARE(view.buildReport(card, today), ReportBuild::Built);
        QCOMPARE(card.text(1, 1), u"实验小学1年级1班林小雨同学的资料"_s);
        QCOMPARE(card.text(2, 1), u"班主任："_s);
        QCOMPARE(card.text(2, 2), u"周老师"_s);
        QCOMPARE(card.text(2, 12), u"2011年3月5日"_s);
        QCOMPARE(card.text(3, 2), u"12"_s);
        QCOMPARE(card.text(7, 8), u"0571-88886666"_s);
        QCOMPARE(card.text(9, 1), u"父亲姓名"_s);
        QCOMPARE(card.text(10, 4), u"第一医院"_s);
        QCOMPARE(card.picture(3, 12), r.照片);
        QCOMPARE(card.text(12, 3), u"数学"_s);
        QCOMPARE(card.text(13, 3), u"88"_s);
        QCOMPARE(card.text(16, 1), u"你是一个懂事的孩子。\n继续努力！"_s);
        QVERIFY(card.text(16, 8).isEmpty());

        view.page()->showLeavers();
        QCOMPARE(view.buildReport(card, today), ReportBuild::Built);
        QVERIFY(card.text(2, 1).isEmpty());
        QCOMPARE(card.text(12, 2), u"第1科"_s);
        QCOMPARE(card.text(16, 8), u"    钱七同学已于2006年3月2日离开本校\n\n    离开本校的原因是：迁居"_s);

        QVERIFY(host.data.addClass(u"2年级1班"_s, u"吴老师"_s));
        view.page()->showEnrolled();
        view.page()->查看班级名组合框->setCurrentIndex(1);
        QCOMPARE(view.buildReport(card, today), ReportBuild::Built);
        QCOMPARE(card.text(1, 1), u"实验小学学籍表"_s);
        QVERIFY(card.text(2, 1).isEmpty() && card.text(3, 1).isEmpty());
    }
};

XIAOWU_TEST(TestStudentViewPage)
#include "TestStudentViewPage.moc"
