#include "classes/ClassBook.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/FindControl.h"
#include "support/TestRegistry.h"
#include "support/TypeAsUser.h"
#include "support/WindowTest.h"
#include "support/Workbench.h"
#include "timetable/TimetableSheet.h"
#include "timetable/TimetableStore.h"
#include "timetable/TimetableWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

class TestTimetableWindow : public WindowTest<Workbench, TimetableWindow>
{
    Q_OBJECT

private:
    FakePrompt& prompt() { return m_host->desk.prompt; }

    void addClasses(int count)
    {
        ClassBook book(m_host->studentDb);
        for (int i = 1; i <= count; ++i)
            QCOMPARE(book.add(u"一年级%1班"_s.arg(i), u"老师%1"_s.arg(i), u"通用"_s), ClassBook::AddResult::Added);
        QVERIFY(book.saveSubjectsToAll({u"语文"_s, u"数学"_s, u"英语"_s, {}, {}, {}, {}, {}, {}, u"体育"_s}));
    }

    QString stored(const QString& className, const QString& column)
    {
        auto row = m_host->studentDb.query(u"select "_s + column + u" from 班级表 where 所在班级=?"_s, {className});
        return row && !row->pastLast() ? row->text(1) : u"<none>"_s;
    }

    bool open(const QByteArray& templateBytes = TimetableSheet::templateBytes())
    {
        m_window = std::make_unique<TimetableWindow>(m_host->ws, nullptr, templateBytes);
        if (!m_window->start())
            return false;
        m_window->show();
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window.get());
    }

    void key(Qt::Key k)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_window->编辑框1, k);
    }

    // Types into the picker of the current cell and confirms with Enter.
    void editCurrent(const QString& text)
    {
        key(Qt::Key_Return);
        QVERIFY(m_window->isEditing());
        QLineEdit* edit = m_window->科目组合框->lineEdit();
        typeOver(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!m_window->isEditing());
    }

private Q_SLOTS:
    void init() { newHost().state.setSchoolName(u"希望小学"_s); }
    void cleanup() { closeAll(); }

    void opensOnTheFirstClassAndMovesWithTheKeys()
    {
        addClasses(2);
        QVERIFY(TimetableStore(m_host->studentDb).store(u"一年级1班"_s, *TimetableSlot::of(3, 6), u"美术"_s));
        QVERIFY(open());
        QCOMPARE(m_window->课程表标题标签->text(), u"希望小学一年级1班课程表"_s);
        QCOMPARE(m_window->班主任标签->text(), u"班主任：老师1"_s);
        QCOMPARE(m_window->cellLabel(3, 6)->text(), u"美术"_s);
        QCOMPARE(m_window->课程源->text(8, 5), u"美术"_s);
        QCOMPARE(m_window->课程源->text(1, 1), u"希望小学一年级1班课程表"_s);
        QCOMPARE(m_window->cellFrame(1, 1), m_window->初始外形框);
        QCOMPARE(m_window->cellFrame(1, 5)->y() - m_window->cellFrame(1, 4)->y(), 33);
        QCOMPARE(m_window->科目组合框->count(), 10);
        QVERIFY(m_window->科目组合框->isHidden());

        for (int i = 0; i < 10; ++i)
            key(Qt::Key_Down);
        QCOMPARE(m_window->currentPeriod(), 8);
        for (int i = 0; i < 6; ++i)
            key(Qt::Key_Right);
        QCOMPARE(m_window->currentDay(), 5);
        QCOMPARE(m_window->cellFrame(5, 8)->lineWidth(), 2);
        QCOMPARE(m_window->cellFrame(1, 1)->lineWidth(), 1);
        key(Qt::Key_Up);
        key(Qt::Key_Left);
        QCOMPARE(m_window->currentDay(), 4);
        QCOMPARE(m_window->currentPeriod(), 7);

        // A double-click makes a cell current and opens the picker over it.
        QTest::mouseDClick(m_window->cellLabel(2, 3), Qt::LeftButton);
        QVERIFY(m_window->isEditing());
        QCOMPARE(m_window->currentDay(), 2);
        QCOMPARE(m_window->科目组合框->pos(), m_window->cellFrame(2, 3)->pos() + QPoint(2, 2));
        QTest::keyClick(m_window->科目组合框->lineEdit(), Qt::Key_Down);
        QTest::mouseDClick(m_window->科目组合框->lineEdit(), Qt::LeftButton);
        QVERIFY(!m_window->isEditing());
        QCOMPARE(stored(u"一年级1班"_s, u"星期23"_s), m_window->cellLabel(2, 3)->text());
        QVERIFY(!m_window->cellLabel(2, 3)->text().isEmpty());
    }

    void typedSubjectsAreStoredAsTyped_data()
    {
        addColumns<QString, QString>({"typed", "expected"});
        QTest::newRow("picked name") << u"数学"_s << u"数学"_s;
        QTest::newRow("quote") << u"O'Neil课"_s << u"O'Neil课"_s;
        QTest::newRow("eleven characters cut to ten") << u"一二三四五六七八九十壹"_s << u"一二三四五六七八九十"_s;
    }
    void typedSubjectsAreStoredAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        addClasses(1);
        QVERIFY(open());
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        editCurrent(typed);
        QCOMPARE(m_window->cellLabel(2, 2)->text(), expected);
        QCOMPARE(stored(u"一年级1班"_s, u"星期22"_s), expected);
        QCOMPARE(m_window->课程源->text(4, 4), expected);
        QVERIFY(prompt().boxes().isEmpty());
    }

    void failuresAreReportedAndTheBoardShowsTheTruth()
    {
        addClasses(2);
        QVERIFY(TimetableStore(m_host->studentDb).store(u"一年级1班"_s, *TimetableSlot::of(1, 1), u"语文"_s));
        QVERIFY(open());

        // Closing while editing is refused; so are preview and print.
        key(Qt::Key_Return);
        m_window->退出钮->click();
        QVERIFY(m_window->isVisible());
        QCOMPARE(prompt().lastText(), u"请先退出编辑状态！"_s);
        QCOMPARE(prompt().boxes().last().title, u"提示"_s);
        m_window->打印钮->click();
        QCOMPARE(prompt().boxes().size(), 2);

        // The class row goes away under the window: the store fails, is reported, and the cell
        // shows what is stored.
        typeOver(m_window->科目组合框->lineEdit(), u"体"_s);
        QVERIFY(m_host->studentDb.execute(u"update 班级表 set 所在班级='别处' where 所在班级='一年级1班'"_s));
        QTest::keyClick(m_window->科目组合框->lineEdit(), Qt::Key_Return);
        QCOMPARE(prompt().lastText(), u"保存课程表数据失败！"_s);
        QCOMPARE(m_window->cellLabel(1, 1)->text(), u"语文"_s);
        QVERIFY(!m_window->isEditing());

        // Selecting a class that cannot be read clears the board rather than showing the last one.
        m_window->课程表班级组合框->setCurrentIndex(1);
        QCOMPARE(m_window->cellLabel(1, 1)->text(), QString());
        m_window->课程表班级组合框->setCurrentIndex(0);
        QCOMPARE(prompt().texts().mid(3), QStringList({u"载入课程科目数据失败！"_s, u"载入课程表数据失败！"_s}));
        QCOMPARE(m_window->课程表标题标签->text(), u"希望小学一年级1班课程表"_s);
        QCOMPARE(m_window->cellLabel(1, 1)->text(), QString());
        QCOMPARE(m_window->课程源->text(3, 3), QString());
        QCOMPARE(m_window->班主任标签->text(), u"班主任："_s);

        // An open edit is dropped unstored when the class changes.
        m_window->课程表班级组合框->setCurrentIndex(1);
        key(Qt::Key_Return);
        typeOver(m_window->科目组合框->lineEdit(), u"化学"_s);
        m_window->课程表班级组合框->setCurrentIndex(0);
        QVERIFY(!m_window->isEditing());
        QCOMPARE(stored(u"一年级2班"_s, u"星期11"_s), QString());
    }

    void badTemplateOrNoClassCloses()
    {
        QVERIFY(!open(TimetableSheet::templateBytes()));
        QCOMPARE(prompt().lastText(), u"目前没有班级数据，请先进行校务设置！"_s);
        QCOMPARE(m_host->shell.commands, QStringList {u"校务设置"_s});

        addClasses(1);
        QByteArray damaged = TimetableSheet::templateBytes();
        damaged.truncate(damaged.size() / 2);
        QVERIFY(!open(damaged));
        QCOMPARE(prompt().lastText(), u"  打开模板文件失败！  "_s);
        QCOMPARE(prompt().boxes().last().title, u"错误"_s);
        QCOMPARE(prompt().boxes().last().icon, Prompt::Icon::Error);
    }

    void printsOneOrAllClasses()
    {
        addClasses(6);
        QVERIFY(open());
        m_window->课程表班级组合框->setCurrentIndex(2);
        QVERIFY(TimetableStore(m_host->studentDb).store(u"一年级3班"_s, *TimetableSlot::of(5, 8), u"自习"_s));

        // As shipped, a preview opens Qt's preview of the print sheet.
        QString shown;
        QTimer::singleShot(0, this, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown = QString::fromLatin1(dialog->metaObject()->className());
                dialog->reject();
            }
        });
        prompt().answerNext(Prompt::Answer::No);
        m_window->打印预览钮->click();
        QCOMPARE(shown, u"QPrintPreviewDialog"_s);

        int sent = 0;
        QList<int> pageStarts;
        int rows = 0;
        m_window->sendToPrinter = [&](SheetGrid& grid, TimetableWindow::PrintMode mode) {
            ++sent;
            QCOMPARE(mode, TimetableWindow::PrintMode::Print);
            rows = grid.table()->rowCount();
            pageStarts.clear();
            for (const PrintLayout::Page& page : PrintLayout::of(*grid.table()).pages)
                pageStarts.append(page.firstRow);
        };
        prompt().answerNext(Prompt::Answer::Cancel);
        m_window->打印钮->click();
        QCOMPARE(sent, 0);
        QCOMPARE(prompt().boxes().last().buttons, Prompt::Buttons::YesNoCancel);
        QCOMPARE(prompt().boxes().last().title, u"询问"_s);

        prompt().answerNext(Prompt::Answer::Yes);
        m_window->打印钮->click();
        QCOMPARE(sent, 1);
        QCOMPARE(rows, 72);
        QCOMPARE(pageStarts, QList<int>({1, 37}));
        QCOMPARE(m_window->打印源->text(25 + 9, 7), u"自习"_s);
        QCOMPARE(m_window->课程表班级组合框->currentIndex(), 2);
        QCOMPARE(m_window->课程表标题标签->text(), u"希望小学一年级3班课程表"_s);
        QCOMPARE(m_window->课程源->text(1, 1), u"希望小学一年级3班课程表"_s);

        prompt().answerNext(Prompt::Answer::No);
        m_window->打印钮->click();
        QCOMPARE(sent, 2);
        QCOMPARE(rows, 10);
        QCOMPARE(m_window->打印源->pageSetup().pageNumberPosition, PageSetup::NoPageNumber);
        QCOMPARE(m_window->打印源->pageSetup().marginTop, 130);
    }
};

XIAOWU_TEST(TestTimetableWindow)
#include "TestTimetableWindow.moc"
