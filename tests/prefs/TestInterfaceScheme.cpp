#include "support/TestRegistry.h"

#include "prefs/InterfaceScheme.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestInterfaceScheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyOneToThreeAreSchemes()
    {
        for (int style : {-1, 0, 4, 7})
            QCOMPARE(InterfaceScheme::normalized(style), int(InterfaceScheme::Default));
        QCOMPARE(InterfaceScheme::name(7), u"默认界面"_s);
        QCOMPARE(InterfaceScheme::name(2), u"绿色XP界面"_s);
        QVERIFY(InterfaceScheme::styleSheet(0).isEmpty());
        QVERIFY(InterfaceScheme::styleSheet(7).isEmpty());
    }

    void schemesAreReadable_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("blue") << 1;
        QTest::newRow("green") << 2;
        QTest::newRow("silver") << 3;
    }

    void schemesAreReadable()
    {
        QFETCH(int, style);
        const QPalette p = InterfaceScheme::palette(style);
        const auto ratio = [&p](QPalette::ColorGroup group, QPalette::ColorRole fore, QPalette::ColorRole back) {
            return InterfaceScheme::contrast(p.color(group, fore), p.color(group, back));
        };
        QVERIFY(ratio(QPalette::Active, QPalette::WindowText, QPalette::Window) >= 7.0);
        QVERIFY(ratio(QPalette::Active, QPalette::Text, QPalette::Base) >= 7.0);
        QVERIFY(ratio(QPalette::Active, QPalette::ButtonText, QPalette::Button) >= 7.0);
        QVERIFY(ratio(QPalette::Active, QPalette::HighlightedText, QPalette::Highlight) >= 4.5);
        QVERIFY(ratio(QPalette::Inactive, QPalette::HighlightedText, QPalette::Highlight) >= 4.5);
        // Disabled text must look different yet stay legible.
        const double disabled = ratio(QPalette::Disabled, QPalette::WindowText, QPalette::Window);
        QVERIFY2(disabled >= 2.5 && disabled <= 4.5, qPrintable(QString::number(disabled)));
        QVERIFY(ratio(QPalette::Disabled, QPalette::HighlightedText, QPalette::Highlight) >= 4.5);

        const QString sheet = InterfaceScheme::styleSheet(style);
        QVERIFY(!sheet.contains(u'@'));
        for (const QString& part : {u"QMenu::item:selected"_s, u"QMenu::item:disabled"_s, u"QTabBar::tab:selected"_s,
                 u"QPushButton:disabled"_s, u"QToolBar"_s, u"QGroupBox::title"_s})
            QVERIFY2(sheet.contains(part), qPrintable(part));
        // The progress bar's percentage is drawn in plain text over its chunk.
        const QString chunk = sheet.section(u"QProgressBar::chunk"_s, 1).section(u"stop:1 "_s, 1).left(7);
        QVERIFY2(InterfaceScheme::contrast(QColor(chunk), p.color(QPalette::Text)) >= 4.5, qPrintable(chunk));
        // The menus' selection is the palette's, so menus and lists agree.
        QVERIFY(sheet.contains(p.color(QPalette::Highlight).name()));
    }

    void schemesDiffer()
    {
        QCOMPARE(InterfaceScheme::contrast(Qt::black, Qt::white), 21.0);
        QSet<QString> windows;
        QSet<QString> sheets;
        for (int style : {1, 2, 3}) {
            windows.insert(InterfaceScheme::palette(style).color(QPalette::Window).name());
            sheets.insert(InterfaceScheme::styleSheet(style));
        }
        QCOMPARE(windows.size(), 3);
        QCOMPARE(sheets.size(), 3);
    }
};

XIAOWU_TEST(TestInterfaceScheme)
#include "TestInterfaceScheme.moc"
