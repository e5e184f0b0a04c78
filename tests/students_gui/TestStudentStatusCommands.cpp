#include "StudentsBench.h"

#include "records/DateBox.h"
#include "records/ReportList.h"
#include "records/StatusChangeDialog.h"
#include "students/ArchivedRosterPage.h"
#include "students/EnrolledRosterPage.h"
#include "students/StudentRecords.h"
#include "students/StudentStatusCommands.h"
#include "students/StudentViewPage.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "workspace/PageFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;

// The three pages in their frames, as the main window holds them, and the commands over them.
struct StatusBench
{
    StudentsBench host;
    PageFrame viewFrame {Page::StudentView, {u"a"_s, u"b"_s, {}, u"c"_s}, {}};
    PageFrame enrolledFrame {Page::EnrolledRoster, {u"a"_s, u"b"_s, u"c"_s, {}}, {}};
    PageFrame archivedFrame {Page::LeaverRoster, {u"a"_s, u"b"_s, u"c"_s, {}}, {}};
    StudentViewPage* view = new StudentViewPage(host.ws);
    EnrolledRosterPage* enrolled = new EnrolledRosterPage(host.ws, enrolledFrame);
    ArchivedRosterPage* archived = new ArchivedRosterPage(host.ws, archivedFrame);
    StudentStatusCommands commands {host.ws, *view, *enrolled, *archived};

    StatusBench()
    {
        viewFrame.setView(view);
        enrolledFrame.setView(enrolled);
        archivedFrame.setView(archived);
        host.data.addClass(Class1, u"周老师"_s);
        host.data.addClass(u"1年级2班"_s, u"吴老师"_s);
        host.data.addPupil(host.data.pupil(1, u"张伟"_s, Class1));
        host.data.addPupil(host.data.pupil(2, u"张伟"_s, Class1)); // one name, two pupils
        host.data.addPupil(host.data.pupil(3, u"李四"_s, Class1));
    }

    // The roster of class 1 with the given pupil selected.
    void selectOnRoster(qint64 number)
    {
        enrolled->showRoster();
        ReportList* list = enrolled->在校生列表框;
        for (int i = 0; i < list->rowCount(); ++i) {
            if (list->text(i, 1) == QString::number(number))
                list->setCurrentRow(i);
        }
    }
};

// Runs with the status dialog up; the dialog is closed afterwards if the handler left it open.
void withDialog(const std::function<void(StatusChangeDialog*)>& handle)
{
    QTimer::singleShot(0, [handle] {
        auto* dialog = qobject_cast<StatusChangeDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        handle(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

class TestStudentStatusCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leaveActsOnTheSelectedNumber()
    {
        StatusBench b;
        b.selectOnRoster(2);
        QString question;
        withDialog([&](StatusChangeDialog* d) {
            question = d->question();
            d->离校原因组合框->setEditText({});
            d->离校确定钮->click();
            QVERIFY(d->isVisible()); // no reason: the dialog stays
            QCOMPARE(b.host.prompt.lastText(), u"请选择学生离校的原因！"_s);
            d->离校日期框->setDate(QDate(2009, 7, 3));
            d->离校原因组合框->setEditText(u"转学'外省"_s);
            d->离校确定钮->click();
        });
        b.commands.leave();
        QCOMPARE(question, u"您确定1年级1班的张伟同学要离开本校吗？"_s);
        QCOMPARE(b.host.prompt.lastText(), u"完成学生转学退学离校操作！"_s);
        const auto left = StudentRecords(b.host.data.db).record(StudentViewKind::Leaver, 2);
        QVERIFY(left);
        QCOMPARE(left->离校原因, u"转学'外省"_s);
        QCOMPARE(left->离校时间, u"2009年7月3日"_s);
        QVERIFY(StudentRecords(b.host.data.db).record(StudentViewKind::Enrolled, 1)); // the other 张伟 stays
        QCOMPARE(b.enrolled->在校生列表框->rowCount(), 2);
    }

    void aPupilGoneSinceTheListLoadedIsAFailure()
    {
        StatusBench b;
        b.selectOnRoster(3);
        QVERIFY(b.host.data.db.execute(u"delete from 学籍表 where 学号=3"_s));
        withDialog([](StatusChangeDialog* d) { d->离校确定钮->click(); });
        b.commands.leave();
        QCOMPARE(b.host.prompt.lastText(), u"学生转学退学离校操作失败！"_s);
        QCOMPARE(b.host.data.count(u"转退表"_s), 0);
    }

    void changeClassToTheSameClassKeepsTheDialog()
    {
        StatusBench b;
        b.selectOnRoster(3);
        withDialog([&](StatusChangeDialog* d) {
            QCOMPARE(d->调整班名组合框->count(), 2);
            d->调整确定钮->click();
            QVERIFY(d->isVisible());
            QCOMPARE(b.host.prompt.lastText(), u"该生目前已在1年级1班，无须调整！"_s);
            d->调整班名组合框->setCurrentIndex(1);
            d->调整确定钮->click();
        });
        b.commands.changeClass();
        QCOMPARE(b.host.prompt.lastText(), u"完成调班操作！"_s);
        QCOMPARE(StudentRecords(b.host.data.db).record(StudentViewKind::Enrolled, 3)->所在班级, u"1年级2班"_s);
    }

    void deleteAsksTheShortQuestionOnTheClassRosterOnly()
    {
        StatusBench b;
        b.selectOnRoster(1);
        b.host.shell.page = Page::EnrolledRoster;
        b.host.prompt.answerNext(Prompt::Answer::Cancel);
        b.commands.deleteRecord();
        QCOMPARE(b.host.prompt.lastText(), u"  您确认要删除当前学生张伟的资料吗？  "_s);
        QCOMPARE(b.host.data.count(u"学籍表"_s), 3);
        b.commands.deleteRecord();
        QCOMPARE(b.host.data.count(u"学籍表"_s), 2);
        QVERIFY(!StudentRecords(b.host.data.db).record(StudentViewKind::Enrolled, 1));

        // On the student view the question carries the warning about the number.
        b.view->showEnrolled();
        b.host.prompt.answerNext(Prompt::Answer::Cancel);
        b.commands.deleteRecord();
        QVERIFY(b.host.prompt.lastText().startsWith(u"  删除资料后其学号也将会作废"_s));
        QCOMPARE(b.host.prompt.boxes().last().icon, Prompt::Icon::Warning);
    }

    void reenrolTakesThePupilFromTheTableItsPageLists()
    {
        StatusBench b;
        StudentRecord graduate = b.host.data.pupil(9, u"赵六"_s, Class1);
        graduate.离校时间 = u"2005年7月1日"_s;
        QVERIFY(b.host.data.addPupil(graduate, u"毕业表"_s));
        QVERIFY(b.host.data.addGraduationDate(u"2005年7月1日"_s));
        b.archived->showGraduates();
        b.host.state.setCurrentViewKind(u"在校学生"_s); // another command changed the shared kind since
        withDialog([](StatusChangeDialog* d) {
            QCOMPARE(d->windowTitle(), u"离校学生复学"_s);
            d->复学班级组合框->setCurrentIndex(1);
            d->复学确定钮->click();
        });
        b.commands.reenrol();
        QCOMPARE(b.host.prompt.lastText(), u"学生复学操作完成！"_s);
        const auto back = StudentRecords(b.host.data.db).record(StudentViewKind::Enrolled, 9);
        QVERIFY(back);
        QCOMPARE(back->所在班级, u"1年级2班"_s);
        QCOMPARE(back->离校时间, u"-"_s);
        QCOMPARE(b.archived->毕业离校列表框->rowCount(), 0);
    }

    void everyModeOpensOnItsOwnPage_data()
    {
        addColumns<int, QString, QString>({"mode", "title", "heading"});
        QTest::newRow("leave") << 0 << u"学生因转学、退学等原因离开本校"_s << u"学生转学退学离校"_s;
        QTest::newRow("change class") << 1 << u"调整学生班级"_s << u"调整学生班级"_s;
        QTest::newRow("graduation") << 2 << u"学生升级毕业"_s << u"学生升级毕业"_s;
        QTest::newRow("retire") << 3 << u"本校教员退休"_s << u"本校教员退休"_s;
        QTest::newRow("re-enrol") << 4 << u"离校学生复学"_s << u"离开本校的学生复学"_s;
    }

    void everyModeOpensOnItsOwnPage()
    {
        QFETCH(int, mode);
        StatusChangeDialog d(StatusChangeMode(mode), QDate(2026, 9, 1));
        QTEST(d.windowTitle(), "title");
        QTEST(d.标签1->text(), "heading");
        QCOMPARE(d.选择夹1->currentIndex(), mode);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(d.选择夹1->isTabEnabled(i), i == mode);
        QCOMPARE(d.离校日期框->date(), QDate(2026, 9, 1));
        QVERIFY(d.备份选择框->isChecked());
        QCOMPARE(d.退休调离组合框->currentText(), u"正常退休"_s);
        QCOMPARE(StatusChangeDialog(
                     StatusChangeMode::RetireOrTransfer, {}, nullptr, StatusChangeDialog::TeacherChange::Transfer)
                     .标签2->text(),
            u"调离原因："_s);
    }
};

XIAOWU_TEST(TestStudentStatusCommands)
#include "TestStudentStatusCommands.moc"
