#include "StudentsBench.h"

#include "records/ReportList.h"
#include "students/ArchivedRosterPage.h"
#include "students/EnrolledRosterPage.h"
#include "support/TestRegistry.h"
#include "workspace/PageFrame.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;

QStringList column(const ReportList* list, int column)
{
    QStringList out;
    for (int i = 0; i < list->rowCount(); ++i)
        out << list->text(i, column);
    return out;
}

void clickHeader(ReportList* list, int column)
{
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

} // namespace

class TestRosterPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enrolledRosterSortsAndStillOpensTheRightPupil()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(host.data.addClass(u"1年级2班"_s, u"吴老师"_s));
        QVERIFY(host.data.addPupil(host.data.pupil(9, u"张三"_s, Class1, u"男"_s)));
        QVERIFY(host.data.addPupil(host.data.pupil(10, u"阿明"_s, Class1, u"女"_s)));
        QVERIFY(host.data.addPupil(host.data.pupil(11, u"李四"_s, Class1, u"男"_s)));
        PageFrame frame(
            Page::EnrolledRoster, {u"在校生列表外形框1"_s, u"在校生列表标题标签"_s, u"在校生列表外形框2"_s, {}}, {});
        auto* page = new EnrolledRosterPage(host.ws, frame);
        frame.setView(page);
        frame.resize(1024, 600);
        frame.show();
        QList<qint64> opened;
        page->openPupil = [&opened](const QString&, qint64 number) { opened << number; };

        page->showRoster();
        QCOMPARE(host.shell.page, Page::EnrolledRoster);
        QCOMPARE(frame.titleLabel()->text(), u"实验小学1年级1班学生花名册"_s);
        QCOMPARE(page->在校生统计标签->text(), u"本班共有3人 其中男生2人 女生1人"_s);
        QCOMPARE(host.state.statusState(), u"    当前状态：在校学生列表"_s);
        ReportList* list = page->在校生列表框;
        QCOMPARE(column(list, 2), (QStringList {u"阿明"_s, u"李四"_s, u"张三"_s}));

        clickHeader(list, 2); // loaded ascending by name: the first click reverses it
        QCOMPARE(column(list, 2), (QStringList {u"张三"_s, u"李四"_s, u"阿明"_s}));
        clickHeader(list, 1);
        QCOMPARE(column(list, 1), (QStringList {u"9"_s, u"10"_s, u"11"_s}));
        QCOMPARE(list->header()->sortIndicatorSection(), 1);

        list->setCurrentRow(1);
        QCOMPARE(page->currentPick()->学号, 10);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(opened, QList<qint64> {10});
        QCOMPARE(page->rosterClass(), Class1);

        page->搜索在校生编辑框->setText(u" \u3000"_s);
        QTest::mouseClick(page->全校搜索, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"请输入搜索条件！"_s);
        page->搜索在校生编辑框->setText(u"李"_s);
        QTest::mouseClick(page->班内搜索, Qt::LeftButton);
        QCOMPARE(column(list, 2), QStringList {u"李四"_s});
        QVERIFY(page->isSearchResult());
        QCOMPARE(frame.titleLabel()->text(), u"实验小学1年级1班部分学生花名册"_s);
        QCOMPARE(host.prompt.lastText(),
            u"\r\n\r\n  搜索结果：在1年级1班搜索到1个符合条件的学生资料 其中男生1人 女生0人  "_s);
        QCOMPARE(page->在校生统计标签->text(), u"本班共有3人 其中男生2人 女生1人"_s); // a search leaves it
        page->搜索在校生编辑框->setText(u"钱"_s);
        QTest::mouseClick(page->全校搜索, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"未找到符合条件的资料！"_s);

        page->在校生列表班级组合框->setCurrentIndex(1);
        QVERIFY(!page->isSearchResult());
        QCOMPARE(list->rowCount(), 0);
        QCOMPARE(host.state.headTeachers().currentText(), u"吴老师"_s);
    }

    void archivedRosterOpensGraduatesByNumberAndKeepsThePageWithoutLeavers()
    {
        StudentsBench host;
        for (const QString& date : {u"2004年7月1日"_s, u"2005年7月1日"_s})
            QVERIFY(host.data.addGraduationDate(date));
        for (qint64 n : {30, 31}) {
            StudentRecord graduate = host.data.pupil(n, u"张伟"_s, Class1); // one name, two pupils
            graduate.离校时间 = u"2005年7月1日"_s;
            QVERIFY(host.data.addPupil(graduate, u"毕业表"_s));
        }
        PageFrame frame(
            Page::LeaverRoster, {u"离校生列表外形框1"_s, u"离校生列表标题标签"_s, u"离校生列表外形框2"_s, {}}, {});
        auto* page = new ArchivedRosterPage(host.ws, frame);
        frame.setView(page);
        frame.show();
        QList<qint64> opened;
        page->openPupil = [&opened](StudentViewKind kind, qint64 number, const QString& date) {
            QCOMPARE(kind, StudentViewKind::Graduate);
            QCOMPARE(date, u"2005年7月1日"_s);
            opened << number;
        };

        page->showLeavers();
        QCOMPARE(host.prompt.lastText(), u"目前本校没有因转学、退学等原因离校的学生数据！"_s);
        QCOMPARE(host.shell.openCount(Page::LeaverRoster), 0);

        page->showGraduates();
        QCOMPARE(host.shell.page, Page::LeaverRoster);
        QCOMPARE(page->毕业日期组合框->itemText(0), u"2005年7月1日"_s); // stored last, shown first
        QCOMPARE(frame.titleLabel()->text(), u"实验小学2005年毕业学生花名册"_s);
        QCOMPARE(page->毕业统计标签->text(), u"本年度毕业生2人 其中男生2人 女生0人"_s);
        QCOMPARE(host.state.currentViewKind(), u"毕业学生"_s);
        QVERIFY(!page->历届搜索->isHidden());
        QCOMPARE(page->搜索离校->text(), u"本届搜索"_s);
        ReportList* list = page->毕业离校列表框;
        clickHeader(list, 1);
        clickHeader(list, 1);
        QCOMPARE(column(list, 1), (QStringList {u"31"_s, u"30"_s}));
        QCOMPARE(list->currentRow(), 0); // a sorted list is read from its top
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(opened, QList<qint64> {31});

        page->毕业日期组合框->setCurrentIndex(1);
        QCOMPARE(host.prompt.lastText(), u"2004年没有毕业生数据！"_s);
    }
};

XIAOWU_TEST(TestRosterPages)
#include "TestRosterPages.moc"
