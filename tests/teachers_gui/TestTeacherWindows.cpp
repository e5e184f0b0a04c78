#include "records/NameListView.h"
#include "teachers/TeachersFixture.h"

#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "records/DateBox.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "sheet/SheetTable.h"
#include "teachers/TeacherEditorWindow.h"
#include "teachers/TeacherViewPage.h"
#include "text/GbText.h"
#include "workspace/PageFrame.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The teacher windows over a staff file the test fills with TeachersFixture's helpers.
struct TeacherBench
{
    TeachersFixture data;
    Workbench bench;
    PageFrame frame {Page::TeacherView, {u"查看教员外形框"_s, u"查看教员标题标签"_s, {}, u"查看教员底座"_s}, {}};
    TeacherViewPage* view = nullptr;

    TeacherBench()
    {
        bench.teacherDb.close();
        bench.open(bench.teacherDb, DatabaseKind::Teacher); // the fixture's file is another: use ours
        bench.state.setSchoolName(u"育才小学"_s);
        view = new TeacherViewPage(bench.ws, frame);
        frame.setView(view);
        frame.resize(1024, 640);
        frame.show();
    }
    DbConnection& db() { return bench.teacherDb; }
    bool add(const TeacherRecord& t, const QString& table = u"教员表"_s)
    {
        QVariantList v {t.编号, t.姓名, t.性别, t.民族, t.出生日期, t.学历, t.政治面貌, t.参加工作时间, t.调入本校时间,
            t.职称, t.职务或岗位, t.身份证号, t.手机号码, t.家庭住址, t.住宅电话, t.籍贯, t.户籍所在地, t.照片,
            GbText::toBytes(t.个人简历), GbText::toBytes(t.其他资料), t.离校时间, t.离校原因};
        QStringList q(v.size(), u"?"_s);
        return db().execute(u"insert into "_s + table + u" values ("_s + q.join(u',') + u')', v);
    }
};

} // namespace

class TestTeacherWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void viewShowsEachStaffFile()
    {
        TeacherBench b;
        b.view->show(TeacherViewKind::Retired);
        QCOMPARE(b.frame.titleLabel()->text(), u"育才小学目前没有退休教员的资料"_s);
        QVERIFY(b.view->教员姓名->text().isEmpty());
        QCOMPARE(b.view->教员照片->text(), u"暂无照片"_s);
        QCOMPARE(b.bench.shell.page, Page::TeacherView);

        TeacherRecord retired = TeachersFixture::teacher(7, u"王平"_s);
        retired.离校时间 = u"2024年7月1日"_s;
        retired.离校原因 = u"内退"_s;
        QVERIFY(b.add(retired, u"退休表"_s));
        QVERIFY(b.add(TeachersFixture::teacher(8, u"张伟"_s, u""_s)));
        QVERIFY(b.add(TeachersFixture::teacher(9, u"张伟"_s)));
        b.view->show(TeacherViewKind::Retired);
        QCOMPARE(b.frame.titleLabel()->text(), u"育才小学王平同志的资料(已退休)"_s);
        QVERIFY(!b.view->教员当前去向->isHidden());
        QCOMPARE(b.view->教员当前去向->text(), u"王平同志已经自本校退休(点击查看详细)"_s);
        QVERIFY(b.view->leaveNote().endsWith(u"有关本次退休的说明：内退"_s));
        QCOMPARE(b.bench.state.statusState(), u"    当前状态：查看退休教员资料"_s);

        b.view->openOnTeacher(TeacherViewKind::InService, 9);
        QVERIFY(b.view->教员当前去向->isHidden());
        QCOMPARE(b.view->selectedTeacher()->first, 9);
        QCOMPARE(b.view->查看教员统计标签->text(), u"目前本校在职教员有2人，其中男1人，女1人。"_s);
        QVERIFY(b.view->教员简历与资料编辑框->toPlainText().startsWith(u"个人简历\n\n1995年参加工作。"_s));

        QVERIFY(b.db().execute(u"drop table 调离表"_s));
        b.view->show(TeacherViewKind::MovedAway);
        QCOMPARE(b.bench.desk.prompt.lastText(), u"载入教员姓名数据失败！"_s);
        QCOMPARE(b.view->查看教员列表框->rowCount(), 0); // never the previous file's names
    }

    void editorAddsWithNumbersThatNeverRepeat()
    {
        TeacherBench b;
        QVERIFY(b.db().execute(u"update 记号表 set 教员编号=41 where ID=1"_s));
        TeacherEditorWindow e(b.bench.ws, TeacherEditorWindow::Mode::Add);
        QVERIFY(e.start());
        for (const QString& name : {u"李老师"_s, u"周老师"_s}) {
            e.教员姓名编辑框->setText(name);
            QTest::mouseClick(e.保存数据钮, Qt::LeftButton);
        }
        QVERIFY(e.savedOnce());
        TeacherRecords records(b.db());
        QCOMPARE(records.record(TeacherViewKind::InService, 42)->姓名, u"李老师"_s);
        const auto second = records.record(TeacherViewKind::InService, 43);
        QCOMPARE(second->姓名, u"周老师"_s);
        QCOMPARE(second->身份证号, u"-"_s);
        QCOMPARE(second->个人简历, u"-"_s);
        QCOMPARE(second->照片, RecordPhoto::placeholder());

        e.教员姓名编辑框->setText(u"  \u3000"_s);
        QTest::mouseClick(e.保存数据钮, Qt::LeftButton);
        QCOMPARE(b.bench.desk.prompt.lastText(), u"请输入教员姓名！"_s);
    }

    void editorOpensOverTheMainWindow()
    {
        TeacherBench b;
        QWidget main;
        main.setGeometry(40, 30, 800, 600);
        TeacherEditorWindow e(b.bench.ws, TeacherEditorWindow::Mode::Add, {}, &main);
        QCOMPARE(e.geometry(), main.geometry());
    }

    void modifyKeepsWhatItCannotShowAndFindsTheTeacherByNumber()
    {
        TeacherBench b;
        QVERIFY(b.add(TeachersFixture::teacher(1, u"张伟"_s)));
        TeacherRecord second = TeachersFixture::teacher(2, u"张伟"_s, u""_s);
        second.学历 = u"本科"_s; // not an entry of the list
        second.出生日期 = u"-"_s;
        second.姓名 = u"欧阳建国老"_s; // 10 bytes: more than the name box takes when typed
        QVERIFY(b.add(second));
        b.bench.shell.page = Page::TeacherView;
        TeacherEditorWindow e(b.bench.ws, TeacherEditorWindow::Mode::Modify, [] { return std::optional<qint64>(2); });
        QVERIFY(e.start());
        QCOMPARE(e.教员姓名编辑框->text(), u"欧阳建国老"_s);
        QTest::mouseClick(e.保存数据钮, Qt::LeftButton);
        QCOMPARE(b.bench.desk.prompt.lastText(), u"修改数据已保存！"_s);
        const auto back = TeacherRecords(b.db()).record(TeacherViewKind::InService, 2);
        QCOMPARE(back->姓名, u"欧阳建国老"_s);
        QCOMPARE(back->性别, QString());
        QCOMPARE(back->学历, u"本科"_s);
        QCOMPARE(back->出生日期, u"-"_s);
        QCOMPARE(TeacherRecords(b.db()).record(TeacherViewKind::InService, 1)->姓名, u"张伟"_s);

        QTest::mouseClick(e.退出钮, Qt::LeftButton);
        QCOMPARE(b.bench.shell.homePageCalls, 1); // page 5 no longer shows the database
    }

    // Another seat saved the teacher after this editor loaded it: neither edit is lost.
    void aSaveOverAnotherSeatsEditIsRefused()
    {
        TeacherBench b;
        QVERIFY(b.add(TeachersFixture::teacher(1, u"张伟"_s)));
        b.bench.shell.page = Page::TeacherView;
        TeacherEditorWindow e(b.bench.ws, TeacherEditorWindow::Mode::Modify, [] { return std::optional<qint64>(1); });
        QVERIFY(e.start());
        QVERIFY(b.db().execute(u"update 教员表 set 家庭住址=? where 编号=1"_s, {u"幸福路1号"_s}));
        e.教员姓名编辑框->setText(u"张伟国"_s);
        QTest::mouseClick(e.保存数据钮, Qt::LeftButton);
        QCOMPARE(b.bench.desk.prompt.lastText(), u"该记录已被其他电脑修改，请重新载入后再保存。"_s);
        QCOMPARE(e.教员姓名编辑框->text(), u"张伟国"_s);
        const auto stored = TeacherRecords(b.db()).record(TeacherViewKind::InService, 1);
        QCOMPARE(stored->姓名, u"张伟"_s);
        QCOMPARE(stored->家庭住址, u"幸福路1号"_s);
    }

    void resumeStopsAtNineteenLines()
    {
        TeacherBench b;
        TeacherEditorWindow e(b.bench.ws, TeacherEditorWindow::Mode::Add);
        QVERIFY(e.start());
        e.resize(1024, 700);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QStringList lines;
        for (int i = 1; i <= 20; ++i)
            lines << u"第%1行"_s.arg(i);
        e.简历编辑框->setPlainText(lines.join(u'\n'));
        QCOMPARE(b.bench.desk.prompt.lastText(), u"个人简历最多输入19行内容！"_s);
        QVERIFY(!e.简历编辑框->toPlainText().contains(u"第20行"_s));
        QVERIFY(e.简历编辑框->toPlainText().contains(u"第19行"_s));
    }

    // The printed card takes what the page shows; an empty staff file prints only its title.
    void pageBuildsTheTeacherCard()
    {
        TeacherBench b;
        SheetTable card;
        b.view->show(TeacherViewKind::InService);
        QCOMPARE(b.view->buildReport(card, QDate(2011, 3, 5)), ReportBuild::Built);
        QCOMPARE(card.text(1, 1), u"育才小学教员登记表表"_s);
        QVERIFY(card.text(3, 1).isEmpty());

        TeacherRecord retired = TeachersFixture::teacher(7, u"王平"_s);
        retired.离校时间 = u"2024年7月1日"_s;
        retired.离校原因 = u"内退"_s;
        retired.照片 = RecordPhoto::placeholder();
        QVERIFY(b.add(retired, u"退休表"_s));
        b.view->show(TeacherViewKind::Retired);
        QCOMPARE(b.view->buildReport(card, QDate(2011, 3, 5)), ReportBuild::Built);
        QCOMPARE(card.text(1, 1), u"育才小学王平同志的资料(已退休)"_s);
        QCOMPARE(card.text(2, 6), u"2011年3月5日"_s);
        QCOMPARE(card.text(3, 2), u"王平"_s);
        QCOMPARE(card.text(6, 5), u"语文老师"_s);
        QVERIFY(!card.cell(3, 6).isPicture());
        QCOMPARE(card.text(13, 1), u"1995年参加工作。"_s);
        QCOMPARE(card.text(13, 5), u"    王平同志已于2024年7月1日自本校退休\n\n    有关本次退休的说明：内退"_s);
    }
};

XIAOWU_TEST(TestTeacherWindows)
#include "TestTeacherWindows.moc"
