#include "ClassesWindowTest.h"
#include "GuiHelpers.h"

#include "classes/ClassBook.h"
#include "classes/HeadTeacherDialog.h"
#include "classes/SchoolSettingsWindow.h"
#include "classes/SubjectsWindow.h"
#include "support/DataRows.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <QTreeWidget>

#include <memory>

using namespace Qt::StringLiterals;

class TestSchoolSettingsWindow : public ClassesWindowTest<SchoolSettingsWindow>
{
    Q_OBJECT

private:
    QTreeWidget* list() { return control<QTreeWidget>(u"班级名列表框"_s); }
    QComboBox* teachers() { return control<QComboBox>(u"班主任组合框"_s); }
    void click(const QString& button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    void addClasses(const QStringList& names)
    {
        ClassBook classes(m_host->db);
        for (const QString& name : names)
            QCOMPARE(classes.add(name, name.left(1) + u"老师"_s, u"通用"_s), ClassBook::AddResult::Added);
    }

    void openWindow()
    {
        makeWindow();
        m_window->show();
    }

    // Fills the standard-class inputs as a user would.
    void typeStandardClass(int grade, const QString& number, const QString& teacher)
    {
        control<QTabWidget>(u"选择夹1"_s)->setCurrentIndex(0);
        control<QComboBox>(u"选择年级组合框"_s)->setCurrentIndex(grade);
        QLineEdit* numberEdit = control<QComboBox>(u"选择班组合框"_s)->lineEdit();
        numberEdit->clear();
        commitText(numberEdit, number);
        teachers()->lineEdit()->clear();
        commitText(teachers()->lineEdit(), teacher);
    }

    void typeCustomClass(const QString& name, const QString& teacher)
    {
        control<QTabWidget>(u"选择夹1"_s)->setCurrentIndex(1);
        control<QLineEdit>(u"自设班名编辑框"_s)->clear();
        commitText(control<QLineEdit>(u"自设班名编辑框"_s), name);
        teachers()->lineEdit()->clear();
        commitText(teachers()->lineEdit(), teacher);
    }

    qint64 number(const QString& sql, const QVariantList& parameters = {})
    {
        auto rows = m_host->db.query(sql, parameters);
        rows->first();
        return rows->number(1);
    }

    QStringList rowTexts(int column)
    {
        QStringList texts;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            texts.append(list()->topLevelItem(i)->text(column));
        return texts;
    }

    QStringList teacherItems()
    {
        QStringList items;
        for (int i = 0; i < teachers()->count(); ++i)
            items.append(teachers()->itemText(i));
        return items;
    }

private Q_SLOTS:
    void init() { newHost(); }
    void cleanup() { closeAll(); }

    void openingShowsTheClassesInTableOrder()
    {
        addClasses({u"2年级1班"_s, u"1年级1班"_s, u"初中1年级3班"_s});
        openWindow();

        QCOMPARE(m_window->windowTitle(), u"系统设置"_s);
        QCOMPARE(control<QLabel>(u"标签1"_s)->text(), u"教务管理系统设置"_s);
        QCOMPARE(control<QLabel>(u"学校名标签"_s)->text(), u"育才小学"_s);
        QCOMPARE(control<QLineEdit>(u"学校名编辑框"_s)->text(), u"育才小学"_s);
        QCOMPARE(control<QTabWidget>(u"选择夹1"_s)->currentIndex(), 0);
        QCOMPARE(control<QTabWidget>(u"选择夹1"_s)->tabText(1), u"自设班级名称"_s);
        QCOMPARE(list()->headerItem()->text(0), u"班级名称"_s);
        QCOMPARE(list()->headerItem()->text(1), u"班主任"_s);
        QCOMPARE(rowTexts(0), QStringList({u"2年级1班"_s, u"1年级1班"_s, u"初中1年级3班"_s}));
        QCOMPARE(rowTexts(1), QStringList({u"2老师"_s, u"1老师"_s, u"初老师"_s}));
        QCOMPARE(teacherItems(), rowTexts(1));
        QCOMPARE(list()->currentItem(), list()->topLevelItem(0));
        QCOMPARE(teachers()->currentIndex(), 0);
        QCOMPARE(control<QComboBox>(u"选择年级组合框"_s)->count(), 12);
        QCOMPARE(control<QComboBox>(u"选择班组合框"_s)->itemText(14), u"15班"_s);
        QCOMPARE(control<QPushButton>(u"删除班级按钮"_s)->text(), u"×　删除班级"_s);

        list()->setCurrentItem(list()->topLevelItem(2));
        QCOMPARE(teachers()->currentIndex(), 2);
        QCOMPARE(teachers()->currentText(), u"初老师"_s);
        QVERIFY(!m_window->changeFlag());
        QVERIFY(m_host->prompt.boxes().isEmpty());
    }

    void aListThatCannotBeLoadedIsReported()
    {
        QVERIFY(m_host->db.execute(u"drop table 班级表"_s));
        openWindow();
        QCOMPARE(m_host->prompt.lastText(), u"班级数据载入失败！"_s);
        QCOMPARE(m_host->prompt.boxes().last().title, u"错误"_s);
        QCOMPARE(m_host->prompt.boxes().last().icon, Prompt::Icon::Error);
        QCOMPARE(list()->topLevelItemCount(), 0);
    }

    void addingAStandardClassAndItsDuplicate()
    {
        addClasses({u"1年级1班"_s});
        m_host->shell.page = Page::StudentView;
        openWindow();

        typeStandardClass(9, u"10班"_s, u"王老师"_s);
        click(u"添加班级按钮"_s);
        QVERIFY(m_host->prompt.boxes().isEmpty());
        QCOMPARE(rowTexts(0), QStringList({u"1年级1班"_s, u"高中1年级10班"_s}));
        QCOMPARE(teacherItems(), QStringList({u"1老师"_s, u"王老师"_s}));
        QCOMPARE(list()->currentItem(), list()->topLevelItem(1));
        QCOMPARE(teachers()->currentIndex(), 1);
        QCOMPARE(
            number(u"select count(*) from 班级表 where 所在班级=? and 班级分类=?"_s, {u"高中1年级10班"_s, u"通用"_s}),
            1);
        QVERIFY(m_window->changeFlag());

        click(u"添加班级按钮"_s);
        QCOMPARE(m_host->prompt.texts(), QStringList({u"高中1年级10班已经存在！"_s}));
        QCOMPARE(m_host->prompt.boxes().last().title, Prompt::defaultTitle());
        QCOMPARE(list()->topLevelItemCount(), 2);

        m_window->close();
        QCOMPARE(m_host->shell.homePageCalls, 1);
    }

    void changeFlagOnlyUnderPagesThatShowClasses_data()
    {
        addColumns<int, bool>({"page", "flagged"});
        QTest::newRow("home") << 0 << false;
        QTest::newRow("student view") << 1 << true;
        QTest::newRow("graduate roster") << 2 << false;
        QTest::newRow("enrolled roster") << 3 << true;
        QTest::newRow("grade sheet") << 4 << true;
        QTest::newRow("teachers") << 5 << false;
        QTest::newRow("wages") << 7 << false;
        QTest::newRow("averages") << 8 << true;
    }

    void changeFlagOnlyUnderPagesThatShowClasses()
    {
        QFETCH(int, page);
        QFETCH(bool, flagged);
        addClasses({u"1年级1班"_s});
        m_host->shell.page = static_cast<Page>(page);

        openWindow();
        click(u"删除班级按钮"_s);
        QCOMPARE(m_window->changeFlag(), flagged);
        click(u"退出设置按钮"_s);
        QCOMPARE(m_host->shell.homePageCalls, flagged ? 1 : 0);

        m_host->shell.page = static_cast<Page>(page);
        openWindow();
        typeStandardClass(0, u"2班"_s, u"甲"_s);
        click(u"添加班级按钮"_s);
        QCOMPARE(m_window->changeFlag(), flagged);
        QVERIFY(m_window->isVisible());
    }

    void refusedClassesWriteNothing()
    {
        openWindow();
        typeStandardClass(0, u"  "_s, u"王"_s);
        click(u"添加班级按钮"_s);
        typeCustomClass(u"\u3000 "_s, u"王"_s);
        click(u"添加班级按钮"_s);
        typeCustomClass(u"特长 班"_s, QString());
        click(u"添加班级按钮"_s);
        QCOMPARE(m_host->prompt.texts(),
            QStringList({u"请选择或输入通用班级名称！"_s, u"请输入自设的班级名称！"_s, u"请输入班主任的姓名"_s}));
        for (const FakePrompt::Box& box : m_host->prompt.boxes())
            QCOMPARE(box.title, u"提示"_s);
        QCOMPARE(number(u"select count(*) from 班级表"_s), 0);
        QCOMPARE(list()->topLevelItemCount(), 0);

        // Blanks inside a custom name stay, and a head teacher of blanks is a name.
        typeCustomClass(u"特长 班"_s, u"  "_s);
        click(u"添加班级按钮"_s);
        QCOMPARE(m_host->prompt.boxes().size(), 3);
        QCOMPARE(number(u"select count(*) from 班级表 where 所在班级=? and 班主任=? and 班级分类=?"_s,
                     {u"特长 班"_s, u"  "_s, u"自设"_s}),
            1);
        QCOMPARE(rowTexts(0), QStringList({u"特长 班"_s}));
    }

    void quotesInNamesWork()
    {
        openWindow();
        typeCustomClass(u"3'班"_s, u"O'Neil"_s);
        click(u"添加班级按钮"_s);
        QVERIFY(m_host->prompt.boxes().isEmpty());
        QCOMPARE(number(u"select count(*) from 班级表 where 所在班级=? and 班主任=?"_s, {u"3'班"_s, u"O'Neil"_s}), 1);

        whenModal([](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(u"编辑框1"_s);
            edit->setText(u"D'Arcy"_s);
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"按钮1"_s), Qt::LeftButton);
        });
        click(u"修改班主任按钮"_s);
        QCOMPARE(number(u"select count(*) from 班级表 where 班主任=?"_s, {u"D'Arcy"_s}), 1);

        click(u"删除班级按钮"_s);
        QCOMPARE(number(u"select count(*) from 班级表"_s), 0);
        QCOMPARE(list()->topLevelItemCount(), 0);
    }

    void deletingAClass()
    {
        addClasses({u"1年级1班"_s, u"1年级2班"_s, u"1年级3班"_s});
        QVERIFY(m_host->db.execute(u"update 记号表 set 学号=? where ID=1"_s, {30}));
        QVERIFY(m_host->db.execute(
            u"insert into 学籍表 (学号,姓名,所在班级) values (1,'甲','1年级2班'),(2,'乙','1年级3班')"_s));
        openWindow();

        list()->clearSelection();
        click(u"删除班级按钮"_s);
        QCOMPARE(m_host->prompt.lastText(), u"请在列表中选择要删除的班级"_s);

        list()->setCurrentItem(list()->topLevelItem(1));
        m_host->prompt.answerNext(Prompt::Answer::Cancel);
        click(u"删除班级按钮"_s);
        const FakePrompt::Box question = m_host->prompt.boxes().last();
        QCOMPARE(question.text, u"您确定要删除1年级2班的全部学生资料吗？"_s);
        QCOMPARE(question.title, u"询问"_s);
        QCOMPARE(question.icon, Prompt::Icon::Warning);
        QCOMPARE(question.buttons, Prompt::Buttons::OkCancel);
        QCOMPARE(list()->topLevelItemCount(), 3);
        QCOMPARE(number(u"select count(*) from 学籍表"_s), 2);

        // The head teacher picked in the box does not decide which item goes: the row's does.
        teachers()->setCurrentIndex(0);
        click(u"删除班级按钮"_s);
        QCOMPARE(rowTexts(0), QStringList({u"1年级1班"_s, u"1年级3班"_s}));
        QCOMPARE(teacherItems(), rowTexts(1));
        QCOMPARE(number(u"select count(*) from 学籍表 where 所在班级=?"_s, {u"1年级2班"_s}), 0);
        QCOMPARE(number(u"select 学号 from 记号表 where ID=1"_s), 30);

        for (int i = 0; i < 2; ++i) {
            list()->setCurrentItem(list()->topLevelItem(0));
            click(u"删除班级按钮"_s);
        }
        QCOMPARE(list()->topLevelItemCount(), 0);
        QCOMPARE(teachers()->count(), 0);
        QCOMPARE(number(u"select 学号 from 记号表 where ID=1"_s), 0);
    }

    void aFailedDeletionKeepsTheRow()
    {
        addClasses({u"1年级1班"_s});
        QVERIFY(m_host->db.execute(u"insert into 学籍表 (学号,姓名,所在班级) values (1,'甲','1年级1班')"_s));
        QVERIFY(RefusingTrigger::execute(
            m_host->db, u"create trigger keep before delete on 学籍表 begin select raise(abort,'locked'); end"_s));
        openWindow();
        click(u"删除班级按钮"_s);
        QCOMPARE(m_host->prompt.lastText(), u"删除班级数据失败！"_s);
        QCOMPARE(list()->topLevelItemCount(), 1);
        QCOMPARE(number(u"select count(*) from 班级表"_s), 1);
    }

    void changingAHeadTeacher()
    {
        addClasses({u"1年级1班"_s, u"1年级2班"_s});
        openWindow();

        list()->clearSelection();
        click(u"修改班主任按钮"_s);
        QCOMPARE(m_host->prompt.lastText(), u"  请选择要修改班主任姓名的班级！  "_s);
        m_host->prompt.clear();

        list()->setCurrentItem(list()->topLevelItem(1));
        bool checked = false;
        whenModal([&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), u"修改班主任姓名"_s);
            QCOMPARE(dialog->findChild<QLabel*>(u"标签1"_s)->text(), u"修改1年级2班的班主任姓名"_s);
            auto* edit = dialog->findChild<QLineEdit*>(u"编辑框1"_s);
            QCOMPARE(edit->text(), u"1老师"_s);
            QCOMPARE(edit->selectedText(), u"1老师"_s);
            QCOMPARE(dialog->focusWidget(), edit);
            auto* ok = dialog->findChild<QPushButton*>(u"按钮1"_s);
            QCOMPARE(ok->text(), u"确 定"_s);

            edit->clear();
            QTest::mouseClick(ok, Qt::LeftButton);
            QCOMPARE(m_host->prompt.lastText(), u"请输入班主任的姓名"_s);
            QVERIFY(dialog->isVisible());

            commitText(edit, u"欧阳司马诸葛先生"_s);
            QCOMPARE(edit->text(), u"欧阳司马诸葛先"_s); // 14 bytes
            QTest::mouseClick(ok, Qt::LeftButton);
            checked = true;
        });
        click(u"修改班主任按钮"_s);
        QVERIFY(checked);
        QCOMPARE(rowTexts(1), QStringList({u"1老师"_s, u"欧阳司马诸葛先"_s}));
        QCOMPARE(teacherItems(), rowTexts(1));
        QCOMPARE(number(u"select count(*) from 班级表 where 所在班级=? and 班主任=?"_s,
                     {u"1年级2班"_s, u"欧阳司马诸葛先"_s}),
            1);
        QVERIFY(!m_window->changeFlag());

        // A failed update keeps the dialog; cancelling changes nothing.
        QVERIFY(RefusingTrigger::execute(
            m_host->db, u"create trigger keep before update on 班级表 begin select raise(abort,'locked'); end"_s));
        whenModal([&](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(u"编辑框1"_s);
            edit->setText(u"李"_s);
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"按钮1"_s), Qt::LeftButton);
            QCOMPARE(m_host->prompt.lastText(), u"修改记录失败！"_s);
            QCOMPARE(m_host->prompt.boxes().last().title, u"提示信息"_s);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"按钮2"_s), Qt::LeftButton);
        });
        click(u"修改班主任按钮"_s);
        QCOMPARE(rowTexts(1).last(), u"欧阳司马诸葛先"_s);
    }

    void renamingTheSchool()
    {
        openWindow();
        auto* edit = control<QLineEdit>(u"学校名编辑框"_s);
        edit->clear();
        click(u"添加学校按钮"_s);
        QCOMPARE(m_host->bench.settings.schoolName(), QString());
        QCOMPARE(m_host->state.schoolName(), QString());
        QCOMPARE(control<QLabel>(u"学校名标签"_s)->text(), QString());

        commitText(edit, u"北京市海淀区第一实验小学校本部"_s);
        QCOMPARE(edit->text(), u"北京市海淀区第一实验小学"_s); // 24 bytes
        click(u"添加学校按钮"_s);
        QCOMPARE(m_host->state.schoolName(), u"北京市海淀区第一实验小学"_s);
        QCOMPARE(m_host->bench.settings.schoolName(), u"北京市海淀区第一实验小学"_s);
        QCOMPARE(control<QLabel>(u"学校名标签"_s)->text(), u"北京市海淀区第一实验小学"_s);

        m_host->bench.desk.fileOps.failWrites = true;
        m_host->bench.desk.fileOps.failRenames = true;
        edit->setText(u"别的学校"_s);
        click(u"添加学校按钮"_s);
        // Said with the reason, naming the file.
        QVERIFY(m_host->prompt.lastText().startsWith(u"保存学校名称失败！\r\n\r\n磁盘空间已满"_s));
        QVERIFY(m_host->prompt.lastText().contains(u"config.ini"_s));
        QCOMPARE(control<QLabel>(u"学校名标签"_s)->text(), u"北京市海淀区第一实验小学"_s);
        QVERIFY(m_host->prompt.boxes().size() == 1);
        QCOMPARE(m_host->state.schoolName(), u"北京市海淀区第一实验小学"_s);
    }

    void classNamesKeepTheirByteLimits()
    {
        openWindow();
        QLineEdit* numberEdit = control<QComboBox>(u"选择班组合框"_s)->lineEdit();
        numberEdit->clear();
        QTest::keyClicks(numberEdit, u"1234567"_s);
        QCOMPARE(numberEdit->text(), u"123456"_s);
        numberEdit->clear();
        commitText(numberEdit, u"实验班级"_s);
        QCOMPARE(numberEdit->text(), u"实验班"_s);

        auto* custom = control<QLineEdit>(u"自设班名编辑框"_s);
        commitText(custom, u"一二三四五六七八"_s);
        QCOMPARE(custom->text(), u"一二三四五六七"_s); // 14 of 15 bytes: no half character
        QTest::keyClicks(custom, u"ab"_s);
        QCOMPARE(custom->text(), u"一二三四五六七a"_s);
    }

    void subjectsFromTheSettingsWindow()
    {
        m_host->shell.page = Page::EnrolledRoster;
        openWindow();
        click(u"课程设置按钮"_s);
        QCOMPARE(m_host->prompt.lastText(), u"目前没有班级数据，请先进行系统设置!"_s);
        QCOMPARE(m_host->prompt.boxes().last().title, u"提示"_s);
        QVERIFY(!m_window->changeFlag()); // the roster does not show subjects

        addClasses({u"1年级1班"_s});
        m_host->shell.page = Page::ScoreSheet;
        bool opened = false;
        whenModal([&](QWidget* window) {
            opened = qobject_cast<SubjectsWindow*>(window) != nullptr;
            window->close();
        });
        click(u"课程设置按钮"_s);
        QVERIFY(opened);
        QVERIFY(m_window->changeFlag());
        QCOMPARE(m_host->gradeGridFocused, 1);
        QCOMPARE(m_host->state.headTeachers().items(), QStringList({u"1老师"_s}));
    }
};

XIAOWU_TEST(TestSchoolSettingsWindow)
#include "TestSchoolSettingsWindow.moc"
