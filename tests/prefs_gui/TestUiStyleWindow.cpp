#include "support/DataRows.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "prefs/InterfaceScheme.h"
#include "prefs/InterfaceStyler.h"
#include "prefs/Preferences.h"
#include "prefs/UiStyleWindow.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestUiStyleWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeServices> f;
    std::unique_ptr<AppSettings> settings;
    QPalette platformPalette;

    QList<bool> ticks(const UiStyleWindow& window) const
    {
        return {window.单选框1->isChecked(), window.单选框2->isChecked(), window.单选框3->isChecked(),
            window.单选框4->isChecked()};
    }

private Q_SLOTS:
    void initTestCase() { platformPalette = QApplication::palette(); }

    void init()
    {
        f = std::make_unique<FakeServices>();
        settings = std::make_unique<AppSettings>(f->paths.settingsFile());
        QVERIFY(settings->writeDefaultsIfMissing());
    }

    void cleanup() { InterfaceStyler::apply(0); }

    void unknownValuesGiveTheDefaultLook_data()
    {
        addColumns<QString, int>({"stored", "ticked"});
        QTest::newRow("7") << u"7"_s << 0;
        QTest::newRow("abc") << u"abc"_s << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("1") << u"1"_s << 1;
        QTest::newRow("3") << u"3"_s << 3;
    }

    void unknownValuesGiveTheDefaultLook()
    {
        QFETCH(QString, stored);
        QFETCH(int, ticked);
        InterfaceStyler::apply(2); // whatever came before must give way
        QVERIFY(settings->setValue(u"Interface"_s, u"Style"_s, stored));

        Preferences prefs(f->services, f->paths, *settings, nullptr);
        prefs.applyStoredStyle();
        QCOMPARE(InterfaceStyler::current(), ticked);
        QCOMPARE(qApp->styleSheet().isEmpty(), ticked == 0);

        UiStyleWindow window(*settings);
        QList<bool> expected {false, false, false, false};
        expected[ticked] = true;
        QCOMPARE(ticks(window), expected);
        QCOMPARE(window.windowTitle(), u"设置系统界面"_s);
    }

    void choosingGreenRestylesOpenAndLaterWindows()
    {
        QWidget open;
        open.show();
        InterfaceStyler::apply(3); // from one scheme straight to another
        QCOMPARE(open.palette().color(QPalette::Window), InterfaceScheme::palette(3).color(QPalette::Window));

        UiStyleWindow window(*settings);
        QTest::mouseClick(window.单选框3, Qt::LeftButton);
        QTest::mouseClick(window.按钮1, Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));

        QCOMPARE(settings->value(u"Interface"_s, u"Style"_s), u"2"_s);
        const QColor green = InterfaceScheme::palette(2).color(QPalette::Window);
        QCOMPARE(open.palette().color(QPalette::Window), green);
        QWidget later;
        QCOMPARE(later.palette().color(QPalette::Window), green);
        QCOMPARE(qApp->styleSheet(), InterfaceScheme::styleSheet(2));

        // And back: no scheme for anyone, the platform's palette again.
        UiStyleWindow again(*settings);
        QCOMPARE(ticks(again), (QList<bool> {false, false, true, false}));
        QTest::mouseClick(again.单选框1, Qt::LeftButton);
        QTest::mouseClick(again.按钮1, Qt::LeftButton);
        QCOMPARE(settings->value(u"Interface"_s, u"Style"_s), u"0"_s);
        QVERIFY(qApp->styleSheet().isEmpty());
        QCOMPARE(open.palette().color(QPalette::Window), platformPalette.color(QPalette::Window));
    }

    void cancelChangesNothing()
    {
        int applied = -1;
        UiStyleWindow window(*settings, nullptr, [&applied](int style) { applied = style; });
        QTest::mouseClick(window.单选框4, Qt::LeftButton);
        QTest::mouseClick(window.按钮2, Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(applied, -1);
        QCOMPARE(settings->value(u"Interface"_s, u"Style"_s), u"0"_s);
    }

    void chooseStyleOpensTheWindowModally_data()
    {
        addSwitchRows("diskFull", {{"stored", false}, {"disk full", true}});
    }

    void chooseStyleOpensTheWindowModally()
    {
        QFETCH(bool, diskFull);
        QWidget owner;
        AppSettings stored(f->paths.settingsFile(), f->fileOps);
        f->fileOps.failWrites = diskFull;
        Preferences prefs(f->services, f->paths, stored, &owner);
        QTimer::singleShot(0, this, [] {
            auto* window = qobject_cast<UiStyleWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            window->单选框2->setChecked(true);
            window->按钮1->click();
        });
        prefs.chooseStyle();
        QCOMPARE(InterfaceStyler::current(), 1);
        QCOMPARE(AppSettings(f->paths.settingsFile()).interfaceStyle(), diskFull ? 0 : 1);
        QCOMPARE(f->prompt.texts().size(), diskFull ? 1 : 0);
        if (diskFull)
            QVERIFY(f->prompt.texts().first().startsWith(u"界面风格不能保存"_s));
    }
};

XIAOWU_TEST(TestUiStyleWindow)
#include "TestUiStyleWindow.moc"
