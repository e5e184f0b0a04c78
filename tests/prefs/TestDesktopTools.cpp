#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "prefs/DesktopTools.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDesktopTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nothingInstalledStartsNothing()
    {
        FakeServices f;
        DesktopTools tools(f.services, f.paths);
        QVERIFY(!tools.openNotepad());
        QVERIFY(!tools.openCalculator());
        QVERIFY(f.launcher.started.isEmpty());
        QVERIFY(f.prompt.boxes().isEmpty());
    }

    void firstProgramOfTheListWins()
    {
        FakeServices f;
        f.launcher.installed = {u"xcalc"_s, u"leafpad"_s, u"kate"_s, u"galculator"_s};
        DesktopTools tools(f.services, f.paths);
        QVERIFY(tools.openNotepad());
        QVERIFY(tools.openCalculator());
        QCOMPARE(f.launcher.started, (QList<QStringList> {{u"/usr/bin/kate"_s}, {u"/usr/bin/galculator"_s}}));
    }

    void manualPrefersTheOldHelpFile()
    {
        FakeServices f;
        DesktopTools tools(f.services, f.paths);
        QVERIFY(!tools.openManual());
        QVERIFY(f.launcher.opened.isEmpty());

        const QString html = f.touch(u"\\使用手册.html"_s);
        QVERIFY(tools.openManual());
        const QString chm = f.touch(u"\\使用手册.chm"_s);
        QVERIFY(tools.openManual());
        QCOMPARE(f.launcher.opened, (QStringList {html, chm}));
    }
};

XIAOWU_TEST(TestDesktopTools)
#include "TestDesktopTools.moc"
