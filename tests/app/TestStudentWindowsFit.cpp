// Page 1 and the student editor inside the real main window, in the program's own typeface: every
// part fits the window from its smallest size up, and the card's grid does not follow the data.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/StudentPageView.h"
#include "records/NameFlowView.h"
#include "students/StudentEditorWindow.h"
#include "students/StudentViewPage.h"
#include "students/StudentsFixture.h"
#include "support/StartedProgram.h"
#include "support/TestRegistry.h"

#include "store/DbConnection.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

bool addClass(DbConnection& db)
{
    return StudentsFixture::addClass(db, u"3年级2班"_s, u"王老师"_s, QStringList(10, u"科目"_s));
}

bool addPupil(DbConnection& db, qint64 number, const QString& name, const QString& address)
{
    return db.execute(
        u"insert into 学籍表 (学号,姓名,性别,所在班级,家庭住址,联系电话,户籍所在地,家长A,家长A姓名,"
        "家长A单位,家长A电话,离校时间,离校原因) values (?,?,'男','3年级2班',?,?,?,'父亲','张建国',?,?,'-','-')"_s,
        {number, name, address, u"0571-88886666"_s, address, address, u"13900000000"_s});
}

// The rectangle of a control in the coordinates of the page.
QRect within(QWidget* page, QWidget* control)
{
    return QRect(control->mapTo(page, QPoint(0, 0)), control->size());
}

} // namespace

class TestStudentWindowsFit : public QObject
{
    Q_OBJECT

    QFont m_font;

private Q_SLOTS:
    void initTestCase()
    {
        m_font = QApplication::font();
        QApplication::setFont(QFont(u"Noto Sans CJK SC"_s, 10));
    }

    void cleanupTestCase() { QApplication::setFont(m_font); }

    void pageOneAndEditorFit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1280x800") << QSize(1280, 800);
    }

    void pageOneAndEditorFit()
    {
        QFETCH(QSize, size);
        StartedProgram program;
        QVERIFY(program.startAsHead());
        MainWindow& main = program.main();
        QVERIFY(addClass(main.studentDb()));
        // 阿明 sorts first and has short texts; 张三 has 50 characters (100 GBK bytes) in each long field.
        QVERIFY(addPupil(main.studentDb(), 1, u"阿明"_s, u"幸福路1号"_s));
        QVERIFY(addPupil(main.studentDb(), 2, u"张三"_s, QString(50, u'长')));
        main.resize(size);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(main.runCommand(u"查看学生资料"));
        QCoreApplication::processEvents();

        auto* view = main.findChild<StudentPageView*>();
        StudentViewPage* page = view->page();
        for (QWidget* w = page; w; w = w->parentWidget())
            QVERIFY2(!qobject_cast<QScrollArea*>(w), "page 1 scrolls");
        // The page gets at least the height it asks for: nothing is squeezed over its neighbour.
        QVERIFY(page->height() >= page->minimumSizeHint().height());
        const QRect shown = page->visibleRegion().boundingRect();
        for (QWidget* control :
            {static_cast<QWidget*>(page->查看学生列表框), static_cast<QWidget*>(page->综合评价编辑框),
                static_cast<QWidget*>(page->查看班级名组合框), static_cast<QWidget*>(page->期末标签[10])}) {
            QVERIFY2(shown.contains(within(page, control)), qPrintable(control->objectName()));
            QVERIFY2(control->height() >= control->minimumSizeHint().height(), qPrintable(control->objectName()));
        }

        const QList<QLabel*> values {page->学生学号, page->学生姓名, page->学生家庭住址, page->学生住宅电话,
            page->学生籍贯, page->学生户籍, page->父亲姓名, page->父亲单位, page->父亲电话};
        QList<QRect> before;
        for (QLabel* value : values)
            before << within(page, value);
        // A value box takes about 1/3.333 of the window's width.
        QVERIFY(page->学生学号->width() > size.width() * 0.27 && page->学生学号->width() < size.width() * 0.31);
        page->查看学生列表框->setCurrentRow(1);
        QCOMPARE(page->学生家庭住址->text(), QString(50, u'长'));
        QCoreApplication::processEvents();
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(within(page, values[i]), before[i]);

        QVERIFY(main.runCommand(u"修改学生资料"));
        auto* editor = main.findChild<StudentEditorWindow*>();
        QVERIFY(editor);
        QCoreApplication::processEvents();
        QVERIFY(editor->width() <= size.width() && editor->height() <= size.height());
        QVERIFY(editor->height() >= editor->minimumSizeHint().height());
        // Fourteen lines of term comment are all in view from 1024 × 768 up.
        QStringList lines;
        for (int i = 1; i <= 14; ++i)
            lines << u"第%1行"_s.arg(i);
        editor->本学期评语编辑框->setPlainText(lines.join(u'\n'));
        QCoreApplication::processEvents();
        if (size.width() >= 1024)
            QCOMPARE(editor->本学期评语编辑框->verticalScrollBar()->maximum(), 0);
        editor->close();
    }
};

XIAOWU_TEST(TestStudentWindowsFit)
#include "TestStudentWindowsFit.moc"
