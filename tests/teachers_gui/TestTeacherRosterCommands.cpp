#include "records/NameListView.h"
#include "teachers/TeachersFixture.h"

#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "records/DateBox.h"
#include "records/ReportList.h"
#include "records/StatusChangeDialog.h"
#include "teachers/TeacherRosterPage.h"
#include "teachers/TeacherStatusCommands.h"
#include "teachers/TeacherViewPage.h"
#include "text/GbText.h"
#include "workspace/PageFrame.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

struct StaffBench
{
    Workbench bench;
    PageFrame viewFrame {Page::TeacherView, {u"a"_s, u"查看教员标题标签"_s, {}, u"c"_s}, {}};
    PageFrame rosterFrame {Page::TeacherRoster, {u"a"_s, u"教员表标题标签"_s, u"c"_s, {}}, {}};
    TeacherViewPage* view = new TeacherViewPage(bench.ws, viewFrame);
    TeacherRosterPage* roster = new TeacherRosterPage(bench.ws, rosterFrame);
    TeacherStatusCommands commands {bench.ws, *view, *roster};

    StaffBench()
    {
        viewFrame.setView(view);
        rosterFrame.setView(roster);
        bench.state.setSchoolName(u"育才小学"_s);
        roster->openTeacher = [this](TeacherViewKind kind, qint64 number) {
            opened << number;
            (void)kind;
        };
    }
    bool add(TeacherRecord t, const QString& table = u"教员表"_s)
    {
        QVariantList v {t.编号, t.姓名, t.性别, t.民族, t.出生日期, t.学历, t.政治面貌, t.参加工作时间, t.调入本校时间,
            t.职称, t.职务或岗位, t.身份证号, t.手机号码, t.家庭住址, t.住宅电话, t.籍贯, t.户籍所在地, t.照片,
            GbText::toBytes(t.个人简历), GbText::toBytes(t.其他资料), t.离校时间, t.离校原因};
        return bench.teacherDb.execute(
            u"insert into "_s + table + u" values ("_s + QStringList(v.size(), u"?"_s).join(u',') + u')', v);
    }
    QList<qint64> opened;
};

} // namespace

class TestTeacherRosterCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rosterSortsAndOpensTheRightTeacher()
    {
        StaffBench b;
        TeacherRecord early = TeachersFixture::teacher(1, u"张伟"_s);
        early.参加工作时间 = u"2000年1月1日"_s;
        TeacherRecord late = TeachersFixture::teacher(2, u"张伟"_s, u"女"_s);
        late.参加工作时间 = u"1999年12月1日"_s;
        TeacherRecord dashed = TeachersFixture::teacher(3, u"李丽"_s, u"女"_s);
        dashed.参加工作时间 = u"-"_s;
        QVERIFY(b.add(early) && b.add(late) && b.add(dashed));
        b.roster->show(TeacherViewKind::InService);
        QCOMPARE(b.bench.shell.page, Page::TeacherRoster);
        QCOMPARE(b.rosterFrame.titleLabel()->text(), u"育才小学在职教员花名册"_s);
        QCOMPARE(b.roster->教员列表统计标签->text(), u"本校在职教员有3人 其中男1人 女2人"_s);
        ReportList* list = b.roster->教员列表框;
        list->sortByColumn(7); // 参加工作时间, with "-" last
        QCOMPARE(list->text(0, 0), u"2"_s);
        QCOMPARE(list->text(2, 7), u"-"_s);
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(b.opened, QList<qint64> {1});

        b.roster->show(TeacherViewKind::Retired);
        QCOMPARE(b.rosterFrame.titleLabel()->text(), u"目前本校没有退休教员数据"_s);
        QCOMPARE(list->columnTitle(8), u"退休时间"_s);
        QCOMPARE(b.roster->搜索教员组合框->itemText(7), u"离校时间"_s);
    }

    void retireFromTheRosterTakesItsSelectedRow()
    {
        StaffBench b;
        QVERIFY(b.add(TeachersFixture::teacher(1, u"张伟"_s)));
        QVERIFY(b.add(TeachersFixture::teacher(2, u"张伟"_s)));
        b.roster->show(TeacherViewKind::InService);
        b.roster->教员列表框->setCurrentRow(1);
        const qint64 chosen = b.roster->selectedTeacher()->first;
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<StatusChangeDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), u"本校教员退休"_s);
            d->退休日期框->setDate(QDate(2024, 7, 1));
            d->退休调离组合框->setCurrentText(u"内退"_s);
            d->退休确定钮->click();
        });
        b.commands.leave(TeacherViewKind::Retired);
        QCOMPARE(b.bench.desk.prompt.lastText(), u"完成教员退休操作！"_s);
        QCOMPARE(TeacherRecords(b.bench.teacherDb).record(TeacherViewKind::Retired, chosen)->离校原因, u"内退"_s);
        QCOMPARE(b.roster->教员列表框->rowCount(), 1);
    }

    void deletingTheLastTeacherShowsTheEmptyPage()
    {
        StaffBench b;
        QVERIFY(b.add(TeachersFixture::teacher(1, u"王平"_s)));
        b.view->show(TeacherViewKind::InService);
        QCOMPARE(b.view->教员姓名->text(), u"王平"_s);
        b.commands.deleteRecord();
        QCOMPARE(b.bench.desk.prompt.lastText(), u"  您确认要删除当前教员王平的资料吗？  "_s);
        QCOMPARE(b.view->查看教员列表框->rowCount(), 0);
        QVERIFY(b.view->教员姓名->text().isEmpty());
        QCOMPARE(b.viewFrame.titleLabel()->text(), u"育才小学目前没有在职教员的资料"_s);

        // Nobody to retire on an empty page.
        b.view->show(TeacherViewKind::Retired);
        b.commands.leave(TeacherViewKind::Retired);
        QCOMPARE(b.bench.desk.prompt.lastText(), u"  请先选择要退休的教员姓名！  "_s);
    }
};

XIAOWU_TEST(TestTeacherRosterCommands)
#include "TestTeacherRosterCommands.moc"
