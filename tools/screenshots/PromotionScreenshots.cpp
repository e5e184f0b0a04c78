// 学生升级毕业 as 通用班级毕业升级 opens it, and the three pages of 自设班级毕业升级.
#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "ScreenshotKit.h"

#include "promotion/GraduationWizard.h"
#include "records/StatusChangeDialog.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class PromotionScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardDialog()
    {
        ScreenshotKit::useProgramFont();
        StatusChangeDialog dialog(StatusChangeMode::Graduation, QDate(2026, 7, 10));
        save(dialog, u"promotion-standard"_s);
    }

    void wizardPages()
    {
        ScreenshotKit::useProgramFont();
        Workbench bench;
        for (const QString& name : {u"美术兴趣班"_s, u"书法班"_s, u"合唱团"_s, u"科技小组"_s})
            QVERIFY(bench.studentDb.execute(u"insert into 班级表 (所在班级, 班级分类) values (?, '自设')"_s, {name}));
        GraduationWizard wizard(bench.ws);
        QVERIFY(wizard.load());
        wizard.选择毕业班列表框->item(2)->setCheckState(Qt::Checked);
        save(wizard, u"promotion-wizard-1"_s);
        wizard.下一步钮0->click();
        wizard.选择升级班列表框->topLevelItem(0)->setText(1, u"美术提高班"_s);
        wizard.选择升级班列表框->topLevelItem(1)->setText(1, u"书法提高班"_s);
        save(wizard, u"promotion-wizard-2"_s);
        wizard.下一步钮1->click();
        save(wizard, u"promotion-wizard-3"_s);
    }

private:
    void save(QWidget& window, const QString& name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200);
        QVERIFY(window.grab().save(qEnvironmentVariable("XIAOWU_SCREENSHOTS") + u'/' + name + u".png"_s));
    }
};

XIAOWU_TEST(PromotionScreenshots)
#include "PromotionScreenshots.moc"
