#include "support/DataRows.h"
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
        QCOMPARE(tools.openNotepad(), DesktopTools::Start::NotInstalled);
        QCOMPARE(tools.openCalculator(), DesktopTools::Start::NotInstalled);
        QVERIFY(f.launcher.started.isEmpty());
        QVERIFY(f.prompt.boxes().isEmpty());
    }

    void firstProgramOfTheListWins()
    {
        FakeServices f;
        f.launcher.installed = {u"xcalc"_s, u"leafpad"_s, u"kate"_s, u"galculator"_s};
        DesktopTools tools(f.services, f.paths);
        QCOMPARE(tools.openNotepad(), DesktopTools::Start::Started);
        QCOMPARE(tools.openCalculator(), DesktopTools::Start::Started);
        QCOMPARE(f.launcher.started, (QList<QStringList> {{u"/usr/bin/kate"_s}, {u"/usr/bin/galculator"_s}}));
    }

    void manualPrefersTheOldHelpFile_data()
    {
        addColumns<QStringList, bool, DesktopTools::Manual, QString>({"files", "browser", "result", "opened"});

        const QString chm = u"\\使用手册.chm"_s;
        const QString html = u"\\使用手册.html"_s;
        QTest::newRow("nothing") << QStringList {} << true << DesktopTools::Manual::Missing << QString();
        QTest::newRow("html, browser") << QStringList {html} << true << DesktopTools::Manual::Opened << html;
        QTest::newRow("html, no browser") << QStringList {html} << false << DesktopTools::Manual::ShowHere << QString();
        QTest::newRow("chm and html") << QStringList {html, chm} << true << DesktopTools::Manual::Opened << chm;
        QTest::newRow("chm, no browser") << QStringList {chm} << false << DesktopTools::Manual::Opened << chm;
    }

    void manualPrefersTheOldHelpFile()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, browser);
        QFETCH(DesktopTools::Manual, result);
        QFETCH(QString, opened);

        FakeServices f;
        for (const QString& file : files)
            f.touch(file);
        f.launcher.browser = browser;
        DesktopTools tools(f.services, f.paths);
        QCOMPARE(tools.openManual(), result);
        QCOMPARE(f.launcher.opened, opened.isEmpty() ? QStringList() : QStringList {f.paths.path(opened)});
        QCOMPARE(tools.manualPath(), f.paths.path(u"\\使用手册.html"_s));
    }
};

XIAOWU_TEST(TestDesktopTools)
#include "TestDesktopTools.moc"
