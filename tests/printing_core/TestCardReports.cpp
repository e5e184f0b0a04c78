#include "printing/CardSheet.h"
#include "printing/StudentCard.h"
#include "printing/StudentCardReport.h"
#include "printing/TeacherCard.h"
#include "printing/TeacherCardReport.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QDate>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2011, 3, 5);
const QByteArray Photo("\x89PNG\r\n\x1a\n-photo-bytes", 20);

StudentCard pupil()
{
    StudentCard c;
    c.schoolName = u"实验小学"_s;
    c.title = u"实验小学1年级1班林小雨同学的资料"_s;
    c.atSchool = true;
    c.headTeacher = u"周老师"_s;
    const QStringList columns {u"学号"_s, u"姓名"_s, u"性别"_s, u"民族"_s, u"出生日期"_s, u"入学日期"_s, u"所在班级"_s,
        u"班内职务"_s, u"家庭住址"_s, u"联系电话"_s, u"籍贯"_s, u"户籍所在地"_s};
    for (const QString& column : columns)
        c.values.insert(column, column + u"值"_s);
    c.guardians[0] = {u"爷爷姓名"_s, u"林建国"_s, u"第一医院"_s, u"13900000000"_s};
    c.guardians[1] = {u"母亲姓名"_s, u"王芳"_s, u"纺织厂"_s, u"13800000000"_s};
    c.photo = Photo;
    for (int i = 1; i <= 10; ++i) {
        c.subjects << u"科目%1"_s.arg(i);
        c.midterm << QString::number(80 + i);
        c.final << QString::number(60 + i);
    }
    c.termComment = u"你是一个懂事的孩子。\r\n继续努力！"_s;
    return c;
}

TeacherCard teacher()
{
    TeacherCard c;
    c.schoolName = u"实验小学"_s;
    c.title = u"实验小学张明同志的资料(已退休)"_s;
    const QStringList columns {u"姓名"_s, u"性别"_s, u"民族"_s, u"出生日期"_s, u"学历"_s, u"政治面貌"_s,
        u"参加工作时间"_s, u"调入本校时间"_s, u"职称"_s, u"职务或岗位"_s, u"身份证号"_s, u"手机号码"_s, u"家庭住址"_s,
        u"住宅电话"_s, u"籍贯"_s, u"户籍所在地"_s};
    for (const QString& column : columns)
        c.values.insert(column, column + u"值"_s);
    c.photo = Photo;
    c.resume = u"1980年参加工作。\r\n1990年调入本校。"_s;
    c.leaveNote = u"    张明同志已于2010年7月1日自本校退休"_s;
    return c;
}

QByteArray templateOf(bool student)
{
    return CardSheet::templateBytes(
        QString::fromUtf16(student ? StudentCardReport::TemplateResource : TeacherCardReport::TemplateResource));
}

// Every non-empty text of the sheet, "r,c=text".
QStringList texts(const SheetTable& t)
{
    QStringList out;
    for (int r = 1; r <= t.rowCount(); ++r) {
        for (int c = 1; c <= t.columnCount(); ++c) {
            if (!t.text(r, c).isEmpty())
                out << u"%1,%2=%3"_s.arg(r).arg(c).arg(t.text(r, c));
        }
    }
    return out;
}

} // namespace

class TestCardReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void templates_data()
    {
        addColumns<bool, int, int, int, int, SheetRange, QString>(
            {"student", "rows", "columns", "height", "width", "picture", "title"});
        QTest::newRow("pupil") << true << 24 << 13 << 1748 << 2563 << SheetRange {3, 12, 8, 2} << u"学籍资料卡"_s;
        QTest::newRow("teacher") << false << 25 << 6 << 1746 << 2570 << SheetRange {3, 6, 8, 1} << u"教员档案卡"_s;
    }
    void templates()
    {
        QFETCH(bool, student);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(SheetRange, picture);
        QFETCH(QString, title);
        SheetTable t;
        QVERIFY(t.load(templateOf(student)));
        QCOMPARE(t.rowCount(), rows);
        QCOMPARE(t.columnCount(), columns);
        int rowsHeight = 0, columnsWidth = 0;
        for (int r = 1; r <= rows; ++r)
            rowsHeight += t.rowHeight(r);
        for (int c = 1; c <= columns; ++c)
            columnsWidth += t.columnWidth(c);
        QCOMPARE(rowsHeight, height);
        QCOMPARE(columnsWidth, width);
        QCOMPARE(t.mergedRange(5, columns), picture);
        QCOMPARE(t.text(1, 1), title);
        const SheetCell& head = t.cell(1, 1);
        QCOMPARE(head.fontName, u"楷体_GB2312"_s);
        QCOMPARE(int(head.fontHeight), 77);
        QVERIFY(head.isBold());
        QCOMPARE(t.mergedRange(1, 1).columns, columns);
        const SheetCell& label = t.cell(3, 1);
        QCOMPARE(label.fontName, u"宋体"_s);
        QCOMPARE(int(label.fontHeight), 42);
        QCOMPARE(label.borders(), quint8(AllBorders));
        QCOMPARE(label.alignment(), SheetAlignment::Centre);
        QCOMPARE(int(t.cell(2, 1).fontHeight), 38);
        const PageSetup p = t.pageSetup();
        QCOMPARE(p.orientation, PageSetup::Landscape);
        QCOMPARE(p.paper, PageSetup::A4);
        QCOMPARE(
            QList<int>({p.marginLeft, p.marginTop, p.marginRight, p.marginBottom}), QList<int>({200, 150, 200, 200}));
        QCOMPARE(int(p.pageNumberPosition), int(PageSetup::BottomRight));
        QCOMPARE(p.zoom, PageSetup::FitWidth);
    }

    void pupilCardIsFilledFromThePage()
    {
        SheetTable t;
        QCOMPARE(StudentCardReport::build(t, pupil(), Today), ReportBuild::Built);
        QCOMPARE(t.text(1, 1), u"实验小学1年级1班林小雨同学的资料"_s);
        QCOMPARE(t.text(2, 1), u"班主任："_s);
        QCOMPARE(t.text(2, 2), u"周老师"_s);
        QCOMPARE(t.text(2, 10), u"打印日期："_s);
        QCOMPARE(t.text(2, 12), u"2011年3月5日"_s);
        QCOMPARE(t.text(3, 1), u"学    号"_s);
        QCOMPARE(t.text(3, 2), u"学号值"_s);
        QCOMPARE(t.text(3, 8), u"姓名值"_s);
        QCOMPARE(t.text(7, 8), u"联系电话值"_s);
        QCOMPARE(t.text(8, 2), u"籍贯值"_s);
        QCOMPARE(t.text(8, 8), u"户籍所在地值"_s);
        QCOMPARE(t.text(9, 1), u"爷爷姓名"_s);
        QCOMPARE(t.text(9, 2), u"林建国"_s);
        QCOMPARE(t.text(9, 4), u"第一医院"_s);
        QCOMPARE(t.text(9, 10), u"13900000000"_s);
        QCOMPARE(t.text(10, 1), u"母亲姓名"_s);
        QCOMPARE(t.text(10, 10), u"13800000000"_s);
        QCOMPARE(t.picture(3, 12), Photo);
        QVERIFY(t.cell(3, 12).isPicture());
        // Subjects 6 and 9 sit in two-column cells, subject 10 in the last column.
        QCOMPARE(t.text(12, 6), u"科目5"_s);
        QCOMPARE(t.text(12, 8), u"科目6"_s);
        QCOMPARE(t.text(12, 11), u"科目9"_s);
        QCOMPARE(t.text(13, 13), u"90"_s);
        QCOMPARE(t.text(14, 2), u"61"_s);
        QCOMPARE(t.text(16, 1), u"你是一个懂事的孩子。\n继续努力！"_s);
        QVERIFY(t.text(16, 8).isEmpty());

        // Graduates and leavers: no head-teacher line; a leaver's note beside the comment.
        StudentCard leaver = pupil();
        leaver.atSchool = false;
        leaver.headTeacher.clear();
        leaver.leaveNote = u"    林小雨同学已于2006年3月2日离开本校\r\n\r\n    离开本校的原因是：迁居"_s;
        QCOMPARE(StudentCardReport::build(t, leaver, Today), ReportBuild::Built);
        QVERIFY(t.text(2, 1).isEmpty());
        QVERIFY(t.text(2, 2).isEmpty());
        QCOMPARE(t.text(16, 8), u"    林小雨同学已于2006年3月2日离开本校\n\n    离开本校的原因是：迁居"_s);
    }

    void teacherCardIsFilledFromThePage()
    {
        SheetTable t;
        QCOMPARE(TeacherCardReport::build(t, teacher(), QDate(2026, 12, 9)), ReportBuild::Built);
        QCOMPARE(t.text(1, 1), u"实验小学张明同志的资料(已退休)"_s);
        QCOMPARE(t.text(2, 5), u"打印时间："_s);
        QCOMPARE(t.text(2, 6), u"2026年12月9日"_s);
        const QList<std::tuple<int, int, QString>> cells {{3, 2, u"姓名值"_s}, {3, 5, u"性别值"_s}, {4, 2, u"民族值"_s},
            {4, 5, u"出生日期值"_s}, {6, 5, u"职务或岗位值"_s}, {7, 2, u"参加工作时间值"_s}, {8, 5, u"手机号码值"_s},
            {10, 2, u"户籍所在地值"_s}, {10, 5, u"籍贯值"_s}, {10, 3, u"籍    贯"_s}, {12, 5, u"  备注"_s},
            {13, 1, u"1980年参加工作。\n1990年调入本校。"_s}, {13, 5, u"    张明同志已于2010年7月1日自本校退休"_s}};
        for (const auto& [r, c, text] : cells)
            QCOMPARE(t.text(r, c), text);
        QCOMPARE(t.picture(3, 6), Photo);
    }

    void cardOfNobodyCarriesOnlyItsTitle()
    {
        StudentCard nobody;
        nobody.schoolName = u"实验小学"_s;
        nobody.title = u"实验小学1年级1班目前没有学生资料"_s;
        nobody.guardians[0].caption = u"家长姓名"_s;
        SheetTable t;
        QCOMPARE(StudentCardReport::build(t, nobody, Today), ReportBuild::Built);
        QCOMPARE(texts(t), QStringList {u"1,1=实验小学学籍表"_s});
        QCOMPARE(PrintLayout::of(t).pages.size(), 1);

        TeacherCard none;
        none.schoolName = u"实验小学"_s;
        none.listEmpty = true;
        QCOMPARE(TeacherCardReport::build(t, none, Today), ReportBuild::Built);
        QCOMPARE(texts(t), QStringList {u"1,1=实验小学教员登记表表"_s});

        // A teacher on the list whose name is blank still gets the filled card.
        none.listEmpty = false;
        none.title = u"实验小学同志的资料"_s;
        QCOMPARE(TeacherCardReport::build(t, none, Today), ReportBuild::Built);
        QCOMPARE(t.text(1, 1), none.title);
        QCOMPARE(t.text(2, 5), u"打印时间："_s);
    }

    // Fitted to the width alone, the pupil card is 2.7 tenths of a millimetre taller than the
    // printable area and its last row went onto a second page.
    void cardPrintsOnOnePage_data() { addSwitchRows("student", {{"pupil", true}, {"teacher", false}}); }
    void cardPrintsOnOnePage()
    {
        QFETCH(bool, student);
        SheetTable t;
        const ReportBuild built
            = student ? StudentCardReport::build(t, pupil(), Today) : TeacherCardReport::build(t, teacher(), Today);
        QCOMPARE(built, ReportBuild::Built);
        const PrintLayout l = PrintLayout::of(t);
        QCOMPARE(l.pages.size(), 1);
        QCOMPARE(l.pages[0].lastRow, t.rowCount());
        QCOMPARE(l.lastColumn, t.columnCount());
        double height = 0, width = 0;
        for (int r = 1; r <= t.rowCount(); ++r)
            height += t.rowHeight(r) * l.scale;
        for (int c = 1; c <= t.columnCount(); ++c)
            width += t.columnWidth(c) * l.scale;
        QVERIFY(height <= l.printable.height());
        QVERIFY(width <= l.printable.width());
        // Not shrunk more than the page asks for.
        QVERIFY(height > l.printable.height() * 0.99 || width > l.printable.width() * 0.99);

        if (student) {
            SheetTable widthOnly;
            QVERIFY(widthOnly.load(templateOf(true)));
            QCOMPARE(PrintLayout::of(widthOnly).pages.size(), 2);
        }
    }

    void missingTemplateLeavesTheSheetAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("not a sheet") << QByteArray("SDTX not a sheet at all");
        QTest::newRow("cut short") << templateOf(true).left(300);
    }
    void missingTemplateLeavesTheSheetAlone()
    {
        QFETCH(QByteArray, bytes);
        SheetTable t;
        t.reset(2, 2);
        t.setText(1, 1, u"上一张报表"_s);
        QCOMPARE(StudentCardReport::build(t, pupil(), Today, bytes), ReportBuild::TemplateMissing);
        QCOMPARE(TeacherCardReport::build(t, teacher(), Today, bytes), ReportBuild::TemplateMissing);
        QCOMPARE(t.rowCount(), 2);
        QCOMPARE(t.text(1, 1), u"上一张报表"_s);
    }
};

XIAOWU_TEST(TestCardReports)
#include "TestCardReports.moc"
