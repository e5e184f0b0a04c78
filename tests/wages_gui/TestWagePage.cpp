#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/ModalGuard.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"
#include "text/GbText.h"
#include "wages/DesCipher.h"
#include "wages/WagePage.h"
#include "wages/WageSettingsWindow.h"
#include "wages/WageSheet.h"
#include "wages/WageTableFile.h"
#include "workspace/PageFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Page 7 on a fresh program directory, logged in with the wage right only.
struct WageDesk
{
    WageDesk()
    {
        wb.state.setSession({u"会计"_s, RightsString(u"0010"_s)});
        wb.state.setSchoolName(u"实验小学"_s);
        page = new WagePage(wb.ws, frame);
        frame.setView(page);
        frame.resize(1024, 700);
        frame.show();
        page->markOpenSheet = [this](int sheet) { marks << sheet; };
        grid = page->工资表格;
    }

    QString path(int sheet) const { return wb.desk.paths.path(WageTableFile::relativePath(sheet)); }
    QByteArray bytes(int sheet) const
    {
        QFile file(path(sheet));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void put(int sheet, const QByteArray& bytes) const
    {
        QFile file(path(sheet));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // The sheet as its file holds it now.
    std::unique_ptr<SheetTable> stored(int sheet) const
    {
        auto table = std::make_unique<SheetTable>();
        if (!WageTableFile::read(bytes(sheet), *table))
            qFatal("wage file %d unreadable", sheet);
        return table;
    }
    void type(int row, int column, const QString& text)
    {
        grid->setCursorCell(row, column);
        QTest::keyClicks(grid, text);
        QTest::keyClick(grid->viewport()->findChild<QLineEdit*>(), Qt::Key_Return);
    }
    SheetTable& table() const { return *page->table(); }
    QString title() const { return frame.titleLabel()->text(); }

    Workbench wb;
    PageFrame frame {Page::WageSheet, {u"工资表外形框1"_s, u"工资表标题标签"_s, u"工资表外形框2"_s, u"工资表底座"_s},
        u"教员工资表"_s};
    WagePage* page;
    SheetGrid* grid;
    QList<int> marks;
    ModalGuard guard;
};

// Answers the settings window once it is open.
void whenSettingsOpen(std::function<void(WageSettingsWindow&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* window = qobject_cast<WageSettingsWindow*>(QApplication::activeModalWidget());
        QVERIFY(window);
        answer(*window);
    });
}

QByteArray sealedWithLength(quint32 length, const QByteArray& payload)
{
    QByteArray plain(4, '\0');
    qToLittleEndian(length, plain.data());
    plain += payload;
    plain += QByteArray((8 - plain.size() % 8) % 8, '\0');
    return DesCipher(WageTableFile::key()).encrypt(plain);
}

QByteArray sheetOf(int rows, int columns)
{
    SheetTable t;
    t.reset(rows, columns);
    return WageTableFile::write(t);
}

} // namespace

class TestWagePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsAreWorkedOutAndStoredAtOnce()
    {
        WageDesk d;
        QVERIFY(d.page->openSheet(1));
        QCOMPARE(d.title(), u"实验小学教员工资表(表一)"_s);
        QCOMPARE(d.page->工资日期标签->text(), u"2026年9月份"_s);
        QCOMPARE(d.wb.state.statusState(), u"    当前状态：教员工资管理"_s);
        QCOMPARE(d.wb.state.statusHint(), u"    提示：移动方格光标直接键入修改内容，单击右键可弹出操作菜单！"_s);
        QCOMPARE(d.wb.shell.opened, QList<Page> {Page::WageSheet});
        QCOMPARE(d.marks, QList<int> {1});
        QCOMPARE(d.grid->cursorRow(), 2);
        QCOMPARE(d.grid->cursorColumn(), 2);
        QCOMPARE(d.table().cell(2, 5).background, WageSheet::Highlight);
        const int total = d.table().rowCount();

        d.type(2, 3, u"100"_s);
        d.type(3, 2, u"2.675"_s);
        d.type(2, 4, u"-5"_s);
        d.type(2, 1, u"Wang"_s);
        for (SheetTable* t : {&d.table(), d.stored(1).get()}) {
            QCOMPARE(t->text(2, 3), u"100.00"_s);
            QCOMPARE(t->text(2, 4), QString());
            QCOMPARE(t->text(2, 9), u"100.00"_s);
            QCOMPARE(t->text(3, 2), u"2.68"_s);
            QCOMPARE(t->text(total, 3), u"100.00"_s);
            QCOMPARE(t->text(total, 2), u"2.68"_s);
            QCOMPARE(t->text(total, 9), u"102.68"_s);
            QCOMPARE(t->text(2, 1), u"Wang"_s);
        }
        QCOMPARE(d.table().cell(2, 5).background, WageSheet::Highlight);
        QCOMPARE(d.table().cell(3, 5).background, WageSheet::White);

        // The cursor never rests in the computed columns nor on the total row.
        d.grid->setCursorCell(4, 10);
        QCOMPARE(d.grid->cursorColumn(), 8);
        d.grid->setCursorCell(total, 3);
        QCOMPARE(d.grid->cursorRow(), total - 1);
        QVERIFY(d.wb.desk.prompt.boxes().isEmpty());
    }

    void brokenFilesAreRefused_data()
    {
        addColumns<bool, QByteArray>({"missing", "file"});
        const QByteArray valid = WageTableFile::templateBytes();
        const QByteArray payload = *WageTableFile::unseal(valid);
        QByteArray lying = payload;
        const QByteArray name = QByteArray("\x05\0\0\0", 4) + GbText::toBytes(u"姓名") + '\0';
        const qsizetype at = lying.indexOf(name);
        QVERIFY(at > 0);
        qToLittleEndian<quint32>(0x7FFF0000, lying.data() + at);
        DesCipher::Key other = WageTableFile::key();
        other[7] = 0x10; // not the parity bit, which DES ignores

        QTest::newRow("missing") << true << QByteArray();
        QTest::newRow("0 bytes") << false << QByteArray("");
        QTest::newRow("7 bytes") << false << QByteArray(7, 'x');
        QTest::newRow("9 bytes") << false << QByteArray(9, 'x');
        QTest::newRow("8 zero bytes") << false << QByteArray(8, '\0');
        QTest::newRow("cut by 8") << false << valid.chopped(8);
        QTest::newRow("grown by 8") << false << valid + QByteArray(8, '\0');
        QTest::newRow("L = 0") << false << sealedWithLength(0, payload);
        QTest::newRow("L = 0x7FFFFFFF") << false << sealedWithLength(0x7FFFFFFF, payload);
        QTest::newRow("L = 0xFFFFFFFF") << false << sealedWithLength(0xFFFFFFFF, payload);
        QTest::newRow("wrong key") << false << DesCipher(other).encrypt(DesCipher(WageTableFile::key()).decrypt(valid));
        QTest::newRow("no SDTW") << false << WageTableFile::seal("SDTX" + payload.mid(4));
        QTest::newRow("lying cell length") << false << WageTableFile::seal(lying);
        QTest::newRow("9 columns") << false << sheetOf(4, 9);
        QTest::newRow("1 row") << false << sheetOf(1, 10);
    }
    void brokenFilesAreRefused()
    {
        QFETCH(bool, missing);
        QFETCH(QByteArray, file);
        WageDesk d;
        QVERIFY(d.page->openSheet(1));
        d.type(2, 2, u"10"_s);
        const QByteArray before = d.bytes(1);
        const SheetTable* shown = d.page->table();
        const QString title = d.title();
        if (missing)
            QVERIFY(QFile::remove(d.path(2)));
        else
            d.put(2, file);

        d.page->工资表组合框->setCurrentIndex(1);
        QCOMPARE(d.wb.desk.prompt.lastText(), u"不能打开工资表数据文件！"_s);
        QCOMPARE(d.wb.desk.prompt.boxes().size(), 1);
        QCOMPARE(d.page->openSheetNumber(), 1);
        QCOMPARE(d.page->工资表组合框->currentIndex(), 0);
        QCOMPARE(d.page->table(), shown);
        QCOMPARE(d.table().text(2, 2), u"10.00"_s);
        QCOMPARE(d.title(), title);
        QCOMPARE(d.marks, QList<int> {1});
        QCOMPARE(d.bytes(1), before);
        QCOMPARE(QFile::exists(d.path(2)), !missing);
        if (!missing)
            QCOMPARE(d.bytes(2), file);

        // The next edit still goes to sheet 1.
        d.type(2, 3, u"20"_s);
        QCOMPARE(d.stored(1)->text(2, 9), u"30.00"_s);
    }

    void rightsAreCheckedWhereverASheetOpens()
    {
        WageDesk d;
        d.wb.state.setSession({u"教务"_s, RightsString(u"1101"_s)});
        d.page->工资表组合框->setCurrentIndex(2);
        QVERIFY(!d.page->openSheet(1));
        QCOMPARE(d.wb.desk.prompt.texts(), QStringList(2, u"  抱歉！您没有当前的操作权限！  "_s));
        QCOMPARE(d.page->工资表组合框->currentIndex(), 0);
        QCOMPARE(d.page->openSheetNumber(), 0);
        QVERIFY(d.marks.isEmpty());
        QVERIFY(d.wb.shell.opened.isEmpty());
    }

    void failedWriteIsReportedAndKeepsTheFile()
    {
        WageDesk d;
        QVERIFY(d.page->openSheet(1));
        const QByteArray before = d.bytes(1);
        d.wb.desk.fileOps.failWrites = true;
        d.type(2, 2, u"100"_s);
        const QString told = d.wb.desk.prompt.lastText();
        QVERIFY2(told.startsWith(u"不能保存工资表数据文件！\r\n\r\n磁盘空间已满"_s), qPrintable(told));
        QCOMPARE(d.bytes(1), before);
        // The typed amount stays on screen, marked as not saved, and no other sheet silently drops it.
        QVERIFY(d.page->hasUnsavedChanges());
        QVERIFY(d.wb.state.statusState().contains(u"尚未保存"_s));
        const QString typed = d.table().text(2, 2);
        QCOMPARE(typed, u"100.00"_s);
        d.wb.desk.prompt.answerNext(Prompt::Answer::Ok);
        d.wb.desk.prompt.answerNext(Prompt::Answer::No);
        QVERIFY(!d.page->openSheet(2));
        QCOMPARE(d.page->openSheetNumber(), 1);
        QCOMPARE(d.table().text(2, 2), typed);

        // With room again the next attempt writes what was typed.
        d.wb.desk.fileOps.failWrites = false;
        QVERIFY(d.page->openSheet(2));
        QCOMPARE(d.stored(1)->text(2, 2), typed);
        QVERIFY(!d.page->hasUnsavedChanges());
    }

    void rowsAreInsertedAndDeletedByKey()
    {
        WageDesk d;
        QVERIFY(d.page->openSheet(1));
        SheetTable& t = d.table();
        const int rows = t.rowCount();
        d.grid->setFocus();
        QTest::keyClick(d.grid, Qt::Key_Insert);
        QCOMPARE(t.rowCount(), rows + 1);
        QCOMPARE(d.stored(1)->rowCount(), rows + 1);
        QCOMPARE(d.grid->cursorRow(), 2);
        QCOMPARE(d.grid->cursorColumn(), 1);
        QCOMPARE(t.cell(2, 4).background, WageSheet::Highlight);
        QCOMPARE(t.cell(3, 4).background, WageSheet::White);
        QVERIFY(t.cell(2, 9).isReadOnly() && t.cell(2, 10).isReadOnly());
        // A key held down acts once.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(d.grid, &repeat);
        QCOMPARE(t.rowCount(), rows + 1);

        d.type(2, 1, u"Li"_s);
        d.wb.desk.prompt.answerNext(Prompt::Answer::Cancel);
        QTest::keyClick(d.grid, Qt::Key_Delete);
        QCOMPARE(d.wb.desk.prompt.lastText(), u"您确认要删除Li的工资资料吗？"_s);
        QCOMPARE(d.wb.desk.prompt.boxes().last().title, u"询问"_s);
        QCOMPARE(t.rowCount(), rows + 1);
        QTest::keyClick(d.grid, Qt::Key_Delete);
        QCOMPARE(t.rowCount(), rows);
        QCOMPARE(d.wb.desk.prompt.boxes().size(), 2);

        // Emptied from the bottom: an unnamed row goes without asking, and the cursor and the
        // grey row never land on the total row.
        while (t.rowCount() > 2) {
            d.grid->setCursorCell(t.rowCount() - 1, 3);
            QTest::keyClick(d.grid, Qt::Key_Delete);
            if (t.rowCount() > 2) {
                QCOMPARE(d.grid->cursorRow(), t.rowCount() - 1);
                QCOMPARE(t.cell(t.rowCount() - 1, 1).background, WageSheet::Highlight);
            }
            QCOMPARE(t.cell(t.rowCount(), 1).background, WageSheet::White);
        }
        QCOMPARE(d.wb.desk.prompt.boxes().size(), 2);
        QTest::keyClick(d.grid, Qt::Key_Delete);
        QCOMPARE(d.wb.desk.prompt.lastText(), u"抱歉！您不能删除“合计：”的资料！"_s);
        QCOMPARE(d.wb.desk.prompt.boxes().last().title, u"错误"_s);
        QCOMPARE(d.wb.desk.prompt.boxes().last().icon, Prompt::Icon::Error);
        QCOMPARE(d.stored(1)->rowCount(), 2);
        d.page->插入一行钮->click();
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(t.text(3, 1), u"合计："_s);
    }

    void settingsWindowSetsTitleMonthAndItems()
    {
        WageDesk d;
        QVERIFY(d.page->openSheet(1));
        const QStringList items = WageSheet(d.table()).itemNames();
        whenSettingsOpen([&](WageSettingsWindow& w) {
            QCOMPARE(w.windowTitle(), u"工资管理设置"_s);
            QCOMPARE(w.标签1->text(), u"设置修改 工资表一 的工资项目名称"_s);
            QCOMPARE(w.年份组合框->count(), 10);
            QCOMPARE(w.年份组合框->itemText(0), u"2022年"_s);
            QCOMPARE(w.年份组合框->currentText(), u"2026年"_s);
            QCOMPARE(w.月份组合框->currentText(), u"9月份"_s);
            QCOMPARE(w.工资表标题编辑框->text(), u"实验小学教员工资表(表一)"_s);
            QCOMPARE(w.itemNames(), items);
            QCOMPARE(w.实发工资标签->text(), u"实发工资"_s);
            w.工资表标题编辑框->clear();
            w.工资项目编辑框[5]->setText(u"扣房租"_s);
            w.年份组合框->setCurrentIndex(5);
            w.月份组合框->setCurrentIndex(2);
            w.确定按钮->click();
        });
        QTest::keyClick(d.grid, Qt::Key_F12);
        QCOMPARE(d.wb.settings.value(u"Wages"_s, u"工资表一"_s, u"none"_s), QString());
        QCOMPARE(d.title(), QString());
        QCOMPARE(d.page->工资日期标签->text(), u"2027年3月份"_s);
        QCOMPARE(d.stored(1)->text(1, 7), u"扣房租"_s);

        QVERIFY(d.page->openSheet(2));
        QVERIFY(d.page->openSheet(1));
        QCOMPARE(d.title(), u"实验小学教员工资表(表一)"_s);
        QCOMPARE(d.page->工资日期标签->text(), u"2026年9月份"_s);

        // Cancel changes nothing, not even the file's bytes.
        const QByteArray before = d.bytes(1);
        whenSettingsOpen([](WageSettingsWindow& w) {
            w.工资表标题编辑框->setText(u"别的标题"_s);
            w.工资项目编辑框[0]->setText(u"别的"_s);
            w.取消按钮->click();
        });
        d.page->工资设置按钮->click();
        QCOMPARE(d.bytes(1), before);
        QCOMPARE(d.title(), u"实验小学教员工资表(表一)"_s);
        QCOMPARE(d.table().text(1, 2), items.first());
        QVERIFY(d.guard.closed().isEmpty());
    }

    void pendingEditNeverReachesAnotherSheet()
    {
        WageDesk d;
        QVERIFY(d.page->openSheet(1));
        d.grid->setCursorCell(2, 2);
        QVERIFY(d.grid->editCell(u"55"_s));
        QVERIFY(d.page->openSheet(2));
        QCOMPARE(d.page->工资表组合框->currentIndex(), 1);
        QCOMPARE(d.marks, (QList<int> {1, 2}));
        QVERIFY(!d.grid->isEditing());
        QTest::keyClick(d.grid, Qt::Key_Return);
        QCOMPARE(d.table().text(2, 2), QString());
        QCOMPARE(d.stored(1)->text(2, 2), QString());
        QCOMPARE(d.stored(2)->text(2, 2), QString());
    }
};

XIAOWU_TEST(TestWagePage)
#include "TestWagePage.moc"
