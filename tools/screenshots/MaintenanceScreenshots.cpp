// The data maintenance window: its ticks, and the log of a backup where one wage file is damaged.
#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "maintenance/DataMaintenanceWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class MaintenanceScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void maintenance()
    {
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        Workbench bench;
        DataMaintenanceWindow window(bench.ws, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.备份或还原全部工资表->setChecked(false);
        for (int i : {0, 1, 3})
            window.wageBoxes()[i]->setChecked(true);
        QTest::qWait(200);
        QVERIFY(window.grab().save(dir + u"/maintenance-options.png"_s));

        QFile damaged(bench.desk.paths.path(u"\\data\\002.xsk"_s));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(40, 'x'));
        damaged.close();
        window.备份系统数据按钮->click();
        QTest::qWait(200);
        QVERIFY(window.grab().save(dir + u"/maintenance-log.png"_s));
    }
};

XIAOWU_TEST(MaintenanceScreenshots)
#include "MaintenanceScreenshots.moc"
