// The two printed record cards as the PDF printer writes them, rendered to PNG: a pupil at school
// and a retired teacher, each built by its record page from what the page shows.
#include "students_gui/StudentsBench.h"
#include "teachers/TeachersFixture.h"

#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "ScreenshotKit.h"

#include "app/StudentPageView.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "students/StudentViewPage.h"
#include "teachers/TeacherViewPage.h"
#include "workspace/PageFrame.h"

#include <QDate>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate PrintDay(2026, 12, 9);

// `sheet` to DIR/NAME.pdf, page 1 of it to DIR/NAME.png. The PDF stays only with
// XIAOWU_KEEP_PDF=1 (to look at it with pdffonts).
bool printAndRender(const SheetTable& sheet, const QString& dir, const QString& name)
{
    const QString pdf = dir + u'/' + name + u".pdf"_s;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setDocName(u"打印报表"_s);
    if (!SheetPrintJob(sheet).printTo(printer))
        return false;
    const bool rendered
        = QProcess::execute(u"pdftoppm"_s,
              {u"-png"_s, u"-r"_s, u"80"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, u"-singlefile"_s, pdf, dir + u'/' + name})
        == 0;
    if (qEnvironmentVariable("XIAOWU_KEEP_PDF") != u"1"_s)
        QFile::remove(pdf);
    return rendered;
}

} // namespace

class CardScreenshots : public QObject
{
    Q_OBJECT

    QString m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        m_dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        SheetFonts::installSubstitutions();
    }

    void pupilCard()
    {
        if (m_dir.isEmpty())
            QSKIP("XIAOWU_SCREENSHOTS is not set");
        StudentsBench host;
        host.state.setSchoolName(u"阳光实验小学"_s);
        const QStringList subjects {u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"品德与社会"_s, u"音乐"_s, u"美术"_s,
            u"体育"_s, u"信息技术"_s, u"综合实践"_s};
        QVERIFY(host.data.addClass(u"4年级2班"_s, u"刘红梅"_s, subjects));
        StudentRecord r = host.data.pupil(2021041, u"林小雨"_s, u"4年级2班"_s, u"女"_s);
        r.班内职务 = u"学习委员"_s;
        r.家庭住址 = u"杭州市西湖区文三路幸福里12幢3单元501室"_s;
        r.家长A单位 = u"杭州市第一人民医院"_s;
        r.家长B单位 = u"西湖区教育局"_s;
        r.照片 = ScreenshotKit::portrait(QColor(214, 90, 110));
        r.本学期评语 = u"你是一个懂事的孩子，小小年纪知道怎样管理好自己。上课专心听讲，作业认真，乐于帮助同学。"_s
                       u"\r\n希望你继续努力，做一个更加出色的自己！"_s;
        for (int i = 0; i < 10; ++i) {
            r.期中[i] = 80 + i;
            r.期末[i] = 99 - i;
        }
        QVERIFY(host.data.addPupil(r));
        StudentPageView view(host.ws);
        view.page()->showEnrolled();
        SheetTable sheet;
        QCOMPARE(view.buildReport(sheet, PrintDay), ReportBuild::Built);
        QVERIFY(printAndRender(sheet, m_dir, u"card-pupil-print"_s));
    }

    void teacherCard()
    {
        if (m_dir.isEmpty())
            QSKIP("XIAOWU_SCREENSHOTS is not set");
        TeachersFixture staff;
        TeacherRecord t = TeachersFixture::teacher(7, u"王建平"_s);
        t.政治面貌 = u"中共党员"_s;
        t.参加工作时间 = u"1985年8月1日"_s;
        t.调入本校时间 = u"1996年9月1日"_s;
        t.职称 = u"小学高级教师"_s;
        t.身份证号 = u"330106196503081234"_s;
        t.家庭住址 = u"杭州市拱墅区湖墅南路88号"_s;
        t.住宅电话 = u"0571-88886666"_s;
        t.籍贯 = u"浙江绍兴"_s;
        t.户籍所在地 = u"杭州市拱墅区"_s;
        t.照片 = ScreenshotKit::portrait(QColor(60, 110, 170));
        t.个人简历 = u"1985年毕业于杭州师范学校，分配到余杭区塘栖小学任教。\r\n1996年调入本校，任语文教师、"_s
                     u"教导主任。\r\n2005年被评为杭州市优秀教师。"_s;
        t.离校时间 = u"2025年7月1日"_s;
        t.离校原因 = u"到龄退休"_s;
        QVERIFY(staff.add(t, u"退休表"_s));
        Workbench bench;
        bench.state.setSchoolName(u"阳光实验小学"_s);
        bench.teacherDb.close();
        bench.teacherDb.open(
            staff.dir.databasePath(DatabaseKind::Teacher), {}, DatabaseKinds::password(DatabaseKind::Teacher));
        PageFrame frame {Page::TeacherView, {u"查看教员外形框"_s, u"查看教员标题标签"_s, {}, u"查看教员底座"_s}, {}};
        auto* view = new TeacherViewPage(bench.ws, frame);
        frame.setView(view);
        view->show(TeacherViewKind::Retired);
        SheetTable sheet;
        QCOMPARE(view->buildReport(sheet, PrintDay), ReportBuild::Built);
        QVERIFY(printAndRender(sheet, m_dir, u"card-teacher-print"_s));
    }
};

XIAOWU_TEST(CardScreenshots)
#include "CardScreenshots.moc"
