// A clerk's morning from the login on, every key and click through the X server: log in, add a
// pupil with a photo, enter a mark, save a wage row, print it to a PDF; then what the files hold.
#include "RealProgram.h"

#include "access/LoginWindow.h"
#include "grades/ScoreSheetPage.h"
#include "printing/ReportPrinter.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "students/StudentEditorWindow.h"
#include "support/TestPhoto.h"
#include "support/TestRegistry.h"
#include "wages/WagePage.h"
#include "wages/WageTableFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestClerkPath : public QObject
{
    Q_OBJECT

private:
    // Types into a grid cell as a clerk does: a click on it, the text, Enter.
    static void typeIntoCell(RealProgram& p, SheetGrid* grid, int row, int column, const QString& text)
    {
        p.x.click(grid->viewport(), grid->cellRect(row, column).center());
        QTRY_VERIFY(grid->hasFocus() && grid->cursorRow() == row && grid->cursorColumn() == column);
        p.x.type(text);
        QTRY_VERIFY(grid->isEditing());
        p.x.key("Return");
        QTRY_VERIFY(!grid->isEditing());
    }

private Q_SLOTS:
    void fromLoginToPrintout()
    {
        RealProgram p;
        QVERIFY(p.main && p.x.isOpen());
        QVERIFY(p.addClass(u"1年级1班"_s));
        const QByteArray photo = testJpeg();
        const QString photoFile = p.desk.touch(u"\\照片.jpg"_s, photo);

        // 登录: the built-in administrator's password typed over what the window offers.
        Startup::openLoginWindow(*p.main, 0, false);
        LoginWindow* login = nullptr;
        QTRY_VERIFY((login = p.main->findChild<LoginWindow*>()));
        QVERIFY(p.activate(login));
        p.x.click(login->登陆密码编辑框);
        QTRY_VERIFY(login->登陆密码编辑框->hasFocus());
        p.x.key("a", {"Control_L"});
        p.x.type(u"40917"_s);
        p.x.key("Return");
        QTRY_VERIFY(p.main->isVisible());
        QVERIFY(p.activate(p.main));

        // 添加学生资料 runs modally; the editor is driven from inside its own loop.
        p.desk.fileChooser.next = photoFile;
        bool added = false;
        // Looked for until the editor's own loop runs it, and driven from inside that loop.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* editor = p.main->findChild<StudentEditorWindow*>();
            if (!editor || !editor->isVisible())
                return;
            poll.stop();
            // Whatever fails below, the modal loop ends and the test reports it.
            const auto close = qScopeGuard([editor] {
                if (editor->isVisible())
                    editor->done(QDialog::Rejected);
            });
            QVERIFY(p.activate(editor));
            p.x.click(editor->学号编辑框);
            QTRY_VERIFY(editor->学号编辑框->hasFocus());
            p.x.key("a", {"Control_L"});
            p.x.type(u"2019001"_s);
            p.x.click(editor->姓名编辑框);
            QTRY_VERIFY(editor->姓名编辑框->hasFocus());
            p.x.type(u"张三"_s);
            QTRY_COMPARE(editor->姓名编辑框->text(), u"张三"_s);
            p.x.click(editor->选择照片钮);
            QTRY_COMPARE(editor->photo(), photo);
            p.x.click(editor->保存数据钮);
            QTRY_COMPARE(editor->学号编辑框->text(), u"2019002"_s);
            // Saved: Esc closes without asking.
            p.x.key("Escape");
            QTRY_VERIFY(!editor->isVisible());
            added = true;
        });
        poll.start(10);
        QVERIFY(p.main->runCommand(u"添加学生资料"));
        QVERIFY(added);
        QCOMPARE(p.value(u"select 姓名 from 学籍表 where 学号=2019001"_s).toString(), u"张三"_s);
        QCOMPARE(p.value(u"select 照片 from 学籍表 where 学号=2019001"_s).toByteArray(), photo);

        // 期中成绩录入: the first subject's mark of the one pupil.
        QVERIFY(p.main->runCommand(u"期中成绩录入"));
        SheetGrid* marks = p.main->findChild<ScoreSheetPage*>()->成绩表格;
        QTRY_VERIFY(marks->isVisible() && marks->table() && marks->table()->rowCount() >= 2);
        typeIntoCell(p, marks, 2, 3, u"95"_s);
        QTRY_COMPARE(p.value(u"select 期中1 from 学籍表 where 学号=2019001"_s).toInt(), 95);

        // 打开工资表一: a row added with Insert, a name typed into it, saved as it is confirmed.
        QVERIFY(p.main->runCommand(u"打开工资表一"));
        WagePage* wages = p.startup.features()->wagePage();
        SheetGrid* sheet = wages->工资表格;
        QTRY_VERIFY(sheet->isVisible());
        const int row = wages->table()->fixedRows() + 1;
        p.x.click(sheet->viewport(), sheet->cellRect(row, 1).center());
        QTRY_VERIFY(sheet->hasFocus());
        const int rows = wages->table()->rowCount();
        p.x.key("Insert");
        QTRY_COMPARE(wages->table()->rowCount(), rows + 1);
        typeIntoCell(p, sheet, row, 1, u"Zhang San"_s);
        SheetTable saved;
        QVERIFY(WageTableFile::read(FakeServices::read(p.desk.paths.path(u"\\data\\001.xsk")), saved));
        QCOMPARE(saved.text(row, 1), u"Zhang San"_s);

        // 打印 on a system without a printer: the save dialog's PDF.
        p.startup.features()->reportPrinter()->printerInstalled = [] { return false; };
        const QString pdf = p.desk.paths.path(u"\\工资表.pdf");
        p.desk.fileChooser.next = pdf;
        QVERIFY(p.main->runCommand(u"打印"));
        QVERIFY(FakeServices::read(pdf).startsWith("%PDF"));
        QVERIFY(p.desk.prompt.texts().filter(u"失败"_s).isEmpty());
    }
};

XIAOWU_TEST(TestClerkPath)
#include "TestClerkPath.moc"
