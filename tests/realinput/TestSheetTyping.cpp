// Typing into the cells of the sheets and the timetable board as a keyboard does, through the X
// server: modifiers alone, capitals and accented letters reach the cell editor by way of the
// window system's focus and key propagation, which no posted event goes through.
#include "RealProgram.h"

#include "grades/ScoreSheetPage.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "timetable/TimetableSheet.h"
#include "timetable/TimetableWindow.h"
#include "wages/WagePage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "key:Left" a key, "ctrl:a" a key with Control held, "text:Ab" typed text (Shift where the
// letters need it), "shift" Shift pressed and released alone.
void play(XTestInput& x, const QStringList& script)
{
    for (const QString& step : script) {
        const QString arg = step.section(u':', 1);
        if (step == u"shift")
            x.key("Shift_L");
        else if (step.startsWith(u"key:"))
            x.key(qPrintable(arg));
        else if (step.startsWith(u"ctrl:"))
            x.key(qPrintable(arg), {"Control_L"});
        else if (step.startsWith(u"text:"))
            x.type(arg);
        else
            qFatal("bad step %s", qPrintable(step));
        // Each stroke is handled before the next is sent, as a typist's would be.
        QCoreApplication::processEvents();
    }
}

} // namespace

class TestSheetTyping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedTextReachesTheCell_data()
    {
        addColumns<QString, QStringList, QString>({"where", "script", "stored"});
        // The strokes a clerk met the crash with: Shift alone in the middle of an edit.
        QTest::newRow("wage sheet, Shift alone and capitals")
            << u"wages"_s << QStringList {u"key:Left"_s, u"text:A"_s, u"text:b"_s, u"shift"_s, u"text:O'B"_s}
            << u"AbO'B"_s;
        QTest::newRow("wage sheet, accented capital")
            << u"wages"_s << QStringList {u"key:Left"_s, u"text:é"_s, u"shift"_s, u"text:É"_s, u"text:x"_s} << u"éÉx"_s;
        QTest::newRow("score sheet, F2 then Ctrl+A and Shift")
            << u"scores"_s << QStringList {u"key:F2"_s, u"ctrl:a"_s, u"shift"_s, u"text:95"_s} << u"95"_s;
        QTest::newRow("timetable board, Shift and capitals")
            << u"timetable"_s << QStringList {u"key:Return"_s, u"ctrl:a"_s, u"text:Ab"_s, u"shift"_s, u"text:É"_s}
            << u"AbÉ"_s;
    }

    void typedTextReachesTheCell()
    {
        QFETCH(QString, where);
        QFETCH(QStringList, script);
        QFETCH(QString, stored);
        RealProgram p;
        QVERIFY(p.main && p.x.isOpen());
        QVERIFY(p.addClass(u"1年级1班"_s));
        QVERIFY(p.students().execute(u"insert into 学籍表 (学号,姓名,性别,所在班级,离校时间,离校原因) "
                                     u"values (1,'张三','男','1年级1班','-','-')"_s));
        QVERIFY(p.enter());

        if (where == u"timetable") {
            TimetableWindow window(p.ws(), p.main, TimetableSheet::templateBytes());
            QVERIFY(window.start());
            QVERIFY(p.activate(&window));
            window.编辑框1->setFocus();
            QTRY_VERIFY(window.编辑框1->hasFocus());
            const int day = window.currentDay(), period = window.currentPeriod();
            play(p.x, script);
            QTRY_COMPARE(window.科目组合框->currentText(), stored);
            p.x.key("Return");
            QTRY_VERIFY(!window.isEditing());
            QCOMPARE(window.cellLabel(day, period)->text(), stored);
            return;
        }

        SheetGrid* grid = nullptr;
        if (where == u"wages") {
            QVERIFY(p.main->runCommand(u"打开工资表一"));
            grid = p.startup.features()->wagePage()->工资表格;
            SheetTable* table = p.startup.features()->wagePage()->table();
            QVERIFY(table);
            if (table->rowCount() <= table->fixedRows()) {
                grid->setFocus();
                QTRY_VERIFY(grid->hasFocus());
                p.x.key("Insert");
                QTRY_VERIFY(table->rowCount() > table->fixedRows());
            }
            grid->setCursorCell(table->fixedRows() + 1, 2);
        } else {
            QVERIFY(p.main->runCommand(u"期中成绩录入"));
            grid = p.main->findChild<ScoreSheetPage*>()->成绩表格;
            QTRY_VERIFY(grid->table() && grid->table()->rowCount() > 1);
            grid->setCursorCell(2, 3);
        }
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        play(p.x, script);
        // Where the cursor ended up after the moving keys is the cell being edited.
        QTRY_VERIFY(grid->isEditing());
        const int row = grid->cursorRow(), column = grid->cursorColumn();
        auto* editor = grid->findChild<QLineEdit*>();
        QTRY_COMPARE(editor->text(), stored);
        p.x.key("Return");
        QTRY_VERIFY(!grid->isEditing());
        QCOMPARE(grid->table()->text(row, column), stored);
    }
};

XIAOWU_TEST(TestSheetTyping)
#include "TestSheetTyping.moc"
