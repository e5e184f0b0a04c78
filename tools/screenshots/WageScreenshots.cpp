// Page 7 in the real main window with a filled wage sheet, and its settings window.
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "settings/AppSettings.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "wages/WagePage.h"
#include "wages/WageSettingsWindow.h"
#include "wages/WageSheet.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class WageScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The program's own typeface, also when this maker runs alone (-class).
    void initTestCase() { ScreenshotKit::useProgramFont(); }

    void wages_data() { ScreenshotKit::screenSizes(); }

    void wages()
    {
        QFETCH(QSize, size);
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        FakeServices f;
        f.screen.fixed = size;
        AppSettings(f.paths.settingsFile(), f.fileOps).setSchoolName(u"阳光实验小学"_s);
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"会计"_s, RightsString(u"0010"_s)});
        QVERIFY(ScreenshotKit::showAtSize(main, size));
        QVERIFY(main.runCommand(u"打开工资表一"));

        WagePage* page = startup.features()->wagePage();
        SheetTable& t = *page->table();
        WageSheet sheet(t);
        const QStringList names {u"王建国"_s, u"李秀英"_s, u"张伟"_s, u"刘芳"_s, u"陈静"_s};
        for (int i = 0; i < names.size(); ++i) {
            t.setText(2 + i, 1, names[i]);
            const QStringList amounts {QString::number(3200 + 150 * i), u"450"_s, QString::number(20 * (i + 3)),
                u"300"_s, i % 2 ? u"120.5"_s : u""_s, u"384"_s, QString::number(36.75 + i * 12.5)};
            for (int c = 0; c < amounts.size(); ++c) {
                t.setText(2 + i, 2 + c, amounts[c]);
                sheet.cellEdited(2 + i, 2 + c);
            }
        }
        t.commit();
        page->工资表格->setCursorCell(3, 4);
        const auto shoot = [&](QWidget& w, const QString& name) {
            QTest::qWait(200);
            QVERIFY(w.grab().save(dir + u"/"_s + name + u"-"_s + QTest::currentDataTag() + u".png"_s));
        };
        shoot(main, u"wages-page"_s);

        QTimer::singleShot(300, [&] {
            auto* window = qobject_cast<WageSettingsWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            shoot(*window, u"wages-settings"_s);
            window->reject();
        });
        QVERIFY(main.runCommand(u"标题设置"));
    }
};

XIAOWU_TEST(WageScreenshots)
#include "WageScreenshots.moc"
