// The school settings window with a few classes, and the subjects window as it opens over it.
#include "classes_gui/ClassesBench.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "classes/ClassBook.h"
#include "classes/SchoolSettingsWindow.h"
#include "classes/SubjectsWindow.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class ClassesScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settingsAndSubjects()
    {
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        ScreenshotKit::useProgramFont();
        ClassesBench bench;
        ClassBook classes(bench.db);
        for (const QString& name : {u"1年级1班"_s, u"1年级2班"_s, u"3年级1班"_s, u"初中2年级4班"_s, u"高中1年级10班"_s})
            QVERIFY(classes.add(name, name.left(1) + u"老师"_s, u"通用"_s) == ClassBook::AddResult::Added);
        classes.add(u"特长 班"_s, u"O'Neil"_s, u"自设"_s);

        SchoolSettingsWindow window(bench.ws, nullptr);
        auto* list = window.findChild<QTreeWidget*>(u"班级名列表框"_s);
        list->setCurrentItem(list->topLevelItem(3));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(300);
        QVERIFY(window.grab().save(dir + u"/classes-settings.png"_s));

        classes.saveSubjectsToAll(
            {u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"音乐"_s, u"美术"_s, u"体育"_s, u"品德"_s, {}, {}});
        SubjectsWindow subjects(bench.ws, &window);
        QVERIFY(subjects.load());
        subjects.show();
        QVERIFY(QTest::qWaitForWindowExposed(&subjects));
        QTest::qWait(300);
        QVERIFY(subjects.grab().save(dir + u"/classes-subjects.png"_s));
    }
};

XIAOWU_TEST(ClassesScreenshots)
#include "ClassesScreenshots.moc"
