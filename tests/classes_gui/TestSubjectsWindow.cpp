#include "ClassesWindowTest.h"
#include "GuiHelpers.h"

#include "classes/ClassBook.h"
#include "classes/ClassSelector.h"
#include "classes/SubjectsWindow.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestSubjectsWindow : public ClassesWindowTest<SubjectsWindow>
{
    Q_OBJECT

private:
    QLineEdit* box(int n) { return control<QLineEdit>(u"科目编辑框%1"_s.arg(n)); }
    QComboBox* classBox() { return control<QComboBox>(u"科目班级名组合框"_s); }
    QString heading() { return control<QLabel>(u"标签1"_s)->text(); }
    QStringList boxTexts()
    {
        QStringList texts;
        for (int n = 1; n <= 10; ++n)
            texts.append(box(n)->text());
        return texts;
    }

    static QStringList subjects(const QString& prefix)
    {
        QStringList list;
        for (int n = 1; n <= 10; ++n)
            list.append(prefix + QString::number(n));
        return list;
    }

    void addClasses()
    {
        ClassBook classes(m_host->db);
        classes.add(u"1年级1班"_s, u"甲"_s, u"通用"_s);
        classes.add(u"1年级2班"_s, u"乙"_s, u"通用"_s);
        classes.saveSubjects(u"1年级1班"_s, subjects(u"一"_s));
        classes.saveSubjects(u"1年级2班"_s, subjects(u"二"_s));
    }

    bool openWindow()
    {
        makeWindow();
        const bool loaded = m_window->load();
        if (loaded)
            m_window->show();
        return loaded;
    }

private Q_SLOTS:
    void init() { newHost(); }
    void cleanup() { closeAll(); }

    void withoutClassesItDoesNotOpen()
    {
        QVERIFY(!openWindow());
        QCOMPARE(m_host->prompt.texts(), QStringList({u"目前没有班级数据，请先进行系统设置!"_s}));
        QCOMPARE(m_host->prompt.boxes().last().title, u"提示"_s);
    }

    void opensOnTheFirstClass()
    {
        addClasses();
        m_host->state.headTeachers().setItems({u"旧"_s, u"旧"_s, u"旧"_s});
        QVERIFY(openWindow());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

        QCOMPARE(m_window->windowTitle(), u"设置修改本校的课程科目"_s);
        QCOMPARE(classBox()->count(), 2);
        QCOMPARE(classBox()->currentText(), u"1年级1班"_s);
        QCOMPARE(m_host->state.headTeachers().items(), QStringList({u"甲"_s, u"乙"_s}));
        QCOMPARE(m_host->state.headTeachers().currentIndex(), 0);
        QCOMPARE(heading(), u"设置修改1年级1班的课程科目"_s);
        QCOMPARE(boxTexts(), subjects(u"一"_s));
        QVERIFY(!control<QCheckBox>(u"选择框1"_s)->isChecked());
        QVERIFY(classBox()->isEnabled());
        QCOMPARE(box(1)->selectedText(), u"一1"_s);
        QCOMPARE(m_window->focusWidget(), box(1));

        classBox()->setCurrentIndex(1);
        QCOMPARE(heading(), u"设置修改1年级2班的课程科目"_s);
        QCOMPARE(boxTexts(), subjects(u"二"_s));

        box(5)->setFocus();
        QTRY_COMPARE(box(5)->selectedText(), u"二5"_s);
    }

    void tickingChoosesAllClasses()
    {
        addClasses();
        QVERIFY(openWindow());
        auto* all = control<QCheckBox>(u"选择框1"_s);
        QCOMPARE(all->text(), u"所有班级使用统一的课程科目"_s);
        box(3)->setText(u"书法"_s);

        all->setChecked(true);
        QCOMPARE(heading(), u"设置修改本校所有班级的课程科目"_s);
        QVERIFY(!classBox()->isEnabled());
        QCOMPARE(box(3)->text(), u"书法"_s);
        all->setChecked(false);
        QCOMPARE(heading(), u"设置修改1年级1班的课程科目"_s);
        QVERIFY(classBox()->isEnabled());
        QCOMPARE(box(3)->text(), u"书法"_s);
    }

    void savingToAllClassesOrToOne()
    {
        addClasses();
        QVERIFY(openWindow());
        auto* save = control<QPushButton>(u"保存按钮"_s);
        QCOMPARE(save->text(), u"保 存"_s);

        control<QCheckBox>(u"选择框1"_s)->setChecked(true);
        box(1)->setText(u"语文"_s);
        box(2)->clear();
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(m_host->prompt.lastText(), u"当前的课程科目已保存到本校所有班级中！"_s);
        QCOMPARE(m_host->prompt.boxes().last().title, Prompt::defaultTitle());
        ClassBook classes(m_host->db);
        QStringList expected = subjects(u"一"_s);
        expected[0] = u"语文"_s;
        expected[1] = QString();
        QCOMPARE(*classes.subjects(u"1年级1班"_s), expected);
        QCOMPARE(*classes.subjects(u"1年级2班"_s), expected);

        control<QCheckBox>(u"选择框1"_s)->setChecked(false);
        classBox()->setCurrentIndex(1);
        box(10)->setText(u"O'Neil"_s);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(m_host->prompt.lastText(), u"1年级2班的课程科目数据已保存！"_s);
        QCOMPARE(classes.subjects(u"1年级2班"_s)->at(9), u"O'Neil"_s);
        QCOMPARE(*classes.subjects(u"1年级1班"_s), expected);
        QVERIFY(m_window->isVisible());

        QVERIFY(RefusingTrigger::execute(
            m_host->db, u"create trigger keep before update on 班级表 begin select raise(abort,'locked'); end"_s));
        box(10)->setText(u"历史"_s);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(m_host->prompt.lastText(), u"设置修改科目失败！"_s);
        QCOMPARE(m_host->prompt.boxes().last().title, u"错误"_s);
        QCOMPARE(box(10)->text(), u"历史"_s);
    }

    void subjectsKeepTheirByteLimit()
    {
        addClasses();
        QVERIFY(openWindow());
        box(4)->clear();
        commitText(box(4), u"思想品德课"_s);
        QCOMPARE(box(4)->text(), u"思想品"_s);
    }

    void closingOverTheGradeSheetFocusesItsGrid()
    {
        addClasses();
        QVERIFY(openWindow());
        QTest::mouseClick(control<QPushButton>(u"退出按钮"_s), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_host->gradeGridFocused, 0);

        m_host->shell.page = Page::ScoreSheet;
        QVERIFY(openWindow());
        m_window->close();
        QCOMPARE(m_host->gradeGridFocused, 1);
    }

    void classSelectorFillsBothListsBeforeItReports()
    {
        QComboBox box;
        HeadTeacherList hidden;
        hidden.setItems({u"旧"_s});
        box.addItem(u"旧班"_s);
        QList<QPair<int, QString>> reported;
        connect(&box, &QComboBox::currentIndexChanged, &box, [&](int index) {
            reported.append({index, hidden.currentText()});
        });

        QVERIFY(!ClassSelector::load(box, hidden, m_host->db));
        QCOMPARE(box.count(), 0);
        QCOMPARE(hidden.count(), 0);
        reported.clear();

        addClasses();
        QVERIFY(ClassSelector::load(box, hidden, m_host->db));
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.itemText(1), u"1年级2班"_s);
        QCOMPARE(box.currentIndex(), 0);
        QCOMPARE(hidden.items(), QStringList({u"甲"_s, u"乙"_s}));
        QCOMPARE(reported, (QList<QPair<int, QString>>({{0, u"甲"_s}})));
    }
};

XIAOWU_TEST(TestSubjectsWindow)
#include "TestSubjectsWindow.moc"
