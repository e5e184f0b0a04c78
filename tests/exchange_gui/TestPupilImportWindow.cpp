#include "exchange/XlsxFixture.h"
#include "students_gui/StudentsBench.h"

#include "app/CommandRegistry.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "classes/ClassBook.h"
#include "exchange/PupilImportWindow.h"
#include "records/ReportList.h"
#include "students/EnrolledRosterPage.h"
#include "support/DataRows.h"
#include "support/ModalGuard.h"
#include "support/StartedProgram.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;
const QString Class2 = u"2年级1班"_s;

// Five good rows and three bad ones, and a caption that is no field.
const QList<QStringList> Pupils {{u"姓名"_s, u"性别"_s, u"出生日期"_s, u"特长"_s},
    {u"林一"_s, u"男"_s, u"=d:2019-03-15"_s}, {u"林二"_s, u"女"_s, u"2019-3-15"_s}, {u""_s, u"女"_s},
    {u"林三"_s, u"男"_s}, {u"林四"_s, u"女"_s, u"2019年13月1日"_s}, {u"林五"_s}, {u"林六"_s, u"男"_s, u"20190230"_s},
    {u"林七"_s}};

// What the window showed when it opened.
struct Seen
{
    int rows = 0;
    QString counts;
    QString ignored;
    QString klass;
    QStringList badNames;
    QStringList badDates; // as the file held them
    bool importEnabled = false;
};

Seen look(PupilImportWindow& w)
{
    Seen seen;
    QTableView* table = w.导入预览表;
    const QAbstractItemModel& cells = *table->model();
    const auto text = [&](int r, int c) { return cells.index(r, c).data().toString(); };
    seen.rows = cells.rowCount();
    seen.counts = w.统计标签->text();
    seen.ignored = w.忽略列标签->isVisibleTo(&w) ? w.忽略列标签->text() : QString();
    seen.klass = w.导入班级组合框->currentText();
    seen.importEnabled = w.导入按钮->isEnabled();
    // Columns: 行, 错误, 新学号, then the file's.
    w.只看有误复选框->setChecked(true);
    for (int r = 0; r < cells.rowCount(); ++r) {
        const bool marked = !text(r, 1).isEmpty() && cells.index(r, 0).data(Qt::ForegroundRole).canConvert<QBrush>()
            && cells.index(r, 0).data(Qt::ToolTipRole).toString() == text(r, 1);
        // The filter shows the marked rows only.
        if (!table->isRowHidden(r)) {
            seen.badNames << (marked ? QString() : u"unmarked "_s) + text(r, 3);
            seen.badDates << text(r, 5);
        }
    }
    return seen;
}

} // namespace

class TestPupilImportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void previewThenImportOrCancel_data() { addSwitchRows("import", {{"导入", true}, {"取消", false}}); }
    void previewThenImportOrCancel()
    {
        QFETCH(bool, import);
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(host.data.addClass(Class2, u"吴老师"_s));
        QVERIFY(host.data.setCounter(40));
        QTemporaryDir dir;
        const QString path = dir.filePath(u"新生.xlsx"_s);
        QVERIFY(XlsxFixture::write(path, Pupils));
        host.chooser.next = path;

        ModalGuard guard;
        Seen seen;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<PupilImportWindow*>(QApplication::activeModalWidget());
            if (!w)
                return;
            seen = look(*w);
            (import ? w->导入按钮 : w->取消按钮)->click();
        });
        const QStringList filled = PupilImportWindow::open(host.ws, Class2);

        QCOMPARE(seen.rows, 8);
        QCOMPARE(seen.counts, u"共 8 行，可导入 5 行，有误 3 行"_s);
        QCOMPARE(seen.badNames, (QStringList {QString(), u"林四"_s, u"林六"_s}));
        QCOMPARE(seen.badDates, (QStringList {QString(), u"2019年13月1日"_s, u"20190230"_s}));
        QCOMPARE(seen.ignored, u"以下列标题不是学生资料的项目，已忽略：特长"_s);
        QCOMPARE(seen.klass, Class2);
        QVERIFY(seen.importEnabled);
        QCOMPARE(filled, import ? QStringList {Class2} : QStringList {});
        QCOMPARE(host.data.count(u"学籍表"_s), import ? 5 : 0);
        QCOMPARE(host.data.counter(), import ? 45 : 40);
        QCOMPARE(host.prompt.texts(), import ? QStringList {u"已导入5名学生，学号41至45。"_s} : QStringList {});
    }

    // Every way the command ends before the preview, with what it says.
    void endsBeforeThePreview_data()
    {
        QTest::addColumn<bool>("withClass");
        QTest::addColumn<QByteArray>("file"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("message");
        QTest::newRow("no class") << false << QByteArray("姓名\n张三") << u"目前没有班级数据！请先进行校务设置！"_s;
        QTest::newRow("dialog cancelled") << true << QByteArray() << QString();
        QTest::newRow("damaged workbook") << true << QByteArray("PK\x03\x04 cut short")
                                          << u"这个文件不是Excel工作簿（.xlsx），或者文件已损坏，无法读取。"_s;
        QTest::newRow("captions only") << true << QByteArray("姓名,性别\n") << u"表格中除了列标题没有学生资料。"_s;
        QTest::newRow("unreadable") << true << QByteArray("姓名\n张三") << u"无法读取文件“学生.csv”。"_s;
    }
    void endsBeforeThePreview()
    {
        QFETCH(bool, withClass);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        StudentsBench host;
        if (withClass)
            QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QTemporaryDir dir;
        if (!file.isEmpty()) {
            host.chooser.next = dir.filePath(file.startsWith("PK") ? u"学生.xlsx"_s : u"学生.csv"_s);
            QFile out(*host.chooser.next);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        }
        host.bench.desk.fileOps.failReads = QTest::currentDataTag() == QByteArray("unreadable");
        ModalGuard guard;
        QVERIFY(PupilImportWindow::open(host.ws, Class1).isEmpty());
        QCOMPARE(host.prompt.lastText(), message);
        QCOMPARE(host.data.count(u"学籍表"_s), 0);
    }

    // From the menu of the running program: the students right is asked for, and the roster on
    // show lists the pupils it received.
    void commandNeedsTheStudentsRightAndRefreshesTheRoster()
    {
        StartedProgram program;
        QVERIFY(program.startup.start());
        MainWindow& main = program.main();
        QVERIFY(main.commands().action(u"导入学生资料"));
        main.setSession({u"张老师"_s, RightsString(u"0111"_s)});
        QVERIFY(!main.runCommand(u"导入学生资料"));
        QCOMPARE(program.f.prompt.lastText(), u"  抱歉！您没有当前的操作权限！  "_s);

        main.setSession({u"校长"_s, RightsString::super()});
        QVERIFY(ClassBook(main.studentDb()).add(Class1, u"周老师"_s, u"通用"_s) == ClassBook::AddResult::Added);
        QVERIFY(main.runCommand(u"在校学生列表"));
        ReportList* roster = program.startup.features()->enrolledRoster()->在校生列表框;
        QCOMPARE(roster->rowCount(), 0);
        QTemporaryDir dir;
        program.f.fileChooser.next = dir.filePath(u"新生.csv"_s);
        QFile file(*program.f.fileChooser.next);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(u"姓名,性别\n林一,男\n林二,女\n"_s.toUtf8()) > 0);
        file.close();
        ModalGuard guard;
        QTimer::singleShot(0, [] {
            if (auto* w = qobject_cast<PupilImportWindow*>(QApplication::activeModalWidget()))
                w->导入按钮->click();
        });
        QVERIFY(main.runCommand(u"导入学生资料"));
        QCOMPARE(roster->rowCount(), 2);
    }
};

XIAOWU_TEST(TestPupilImportWindow)
#include "TestPupilImportWindow.moc"
