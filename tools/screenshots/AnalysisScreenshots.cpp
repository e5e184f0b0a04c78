// Pictures of the 成绩分析 window on a grade of eight classes: every table and both charts at the
// smallest and a large screen, and the printed grade report with its charts, written as a PDF through
// 打印 and rendered with pdftoppm (analysis-report-*.png).
#include "students/StudentsFixture.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "ScreenshotKit.h"

#include "analysis/ExamAnalysisWindow.h"
#include "printing/ReportPrinter.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetFonts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList Surnames {u"王"_s, u"李"_s, u"张"_s, u"刘"_s, u"陈"_s, u"杨"_s, u"赵"_s, u"黄"_s, u"周"_s, u"吴"_s};
const QStringList Given {u"浩然"_s, u"欣怡"_s, u"子轩"_s, u"思琪"_s, u"梓涵"_s, u"俊杰"_s, u"雨桐"_s, u"宇航"_s};
const QStringList Subjects {
    u"语文"_s, u"数学"_s, u"英语"_s, u"物理"_s, u"化学"_s, u"生物"_s, u"历史"_s, u"地理"_s, u"政治"_s, {}};

// 初中1年级1班 .. 8班 of 45 pupils and a class of the next grade; 语文, 数学 and 英语 out of 120.
void fillSchool(DbConnection& db, Workbench& bench)
{
    StudentsFixture d;
    d.db.close();
    d.db.open(db.path(), {}, DatabaseKinds::password(DatabaseKind::Student));
    QRandomGenerator random(38);
    d.db.beginTransaction();
    qint64 number = 2025001;
    for (int c = 1; c <= 9; ++c) {
        const QString klass = c <= 8 ? u"初中1年级%1班"_s.arg(c) : u"初中2年级1班"_s;
        d.addClass(klass, Surnames[c] + u"老师"_s, Subjects);
        const int strength = int(random.bounded(12)) - 6;
        for (int i = 0; i < 45; ++i, ++number) {
            StudentRecord r = StudentsFixture::pupil(
                number, Surnames[(number * 7) % 10] + Given[(number * 3) % 8], klass, i % 2 ? u"男"_s : u"女"_s);
            const int pupil = int(random.bounded(30)) - 15;
            for (int s = 0; s < 9; ++s) {
                const int full = s < 3 ? 120 : 100;
                for (auto* marks : {&r.期中, &r.期末}) {
                    const int spread = int(random.bounded(24)) - 12;
                    const int mark = full * (74 + strength + pupil + spread) / 100;
                    (*marks)[size_t(s)] = qBound(15, mark, full);
                }
            }
            if (i == 7)
                r.期中[1] = std::nullopt; // absent from one exam
            d.addPupil(r);
        }
    }
    d.db.commit();
    bench.settings.setValue(u"Analysis"_s, u"FullMarks"_s, u"数学:120;英语:120;语文:120"_s);
}

} // namespace

class AnalysisScreenshots : public QObject
{
    Q_OBJECT

    QString m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        m_dir = ScreenshotKit::outputDir();
        SheetFonts::installSubstitutions();
    }

    void shots_data() { ScreenshotKit::screenSizes("size", {QSize(800, 600), QSize(1920, 1080)}); }

    void shots()
    {
        if (m_dir.isEmpty())
            QSKIP("XIAOWU_SCREENSHOTS is not set");
        QFETCH(QSize, size);
        Workbench bench;
        bench.desk.screen.fixed = size;
        bench.state.setSchoolName(u"阳光实验中学"_s);
        fillSchool(bench.studentDb, bench);
        ExamAnalysisWindow window(bench.ws);
        QVERIFY(window.start(ScoreSheetRules::Exam::Final, {}, true));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString suffix = ScreenshotKit::pngSuffix(size);
        const QStringList names {u"statistics"_s, u"ranking"_s, u"bands"_s, u"averages-chart"_s, u"bands-chart"_s};
        for (int tab = 0; tab < names.size(); ++tab) {
            window.分析页签->setCurrentIndex(tab);
            QTest::qWait(150);
            QVERIFY(window.grab().save(m_dir + u"/analysis-"_s + names[tab] + suffix));
        }
        // One class: its subjects, against the grade.
        window.分析班级组合框->setCurrentIndex(3);
        window.分析页签->setCurrentIndex(ExamAnalysisWindow::StatisticsTab);
        QTest::qWait(150);
        QVERIFY(window.grab().save(m_dir + u"/analysis-class"_s + suffix));
    }

    void printedReport()
    {
        if (m_dir.isEmpty())
            QSKIP("XIAOWU_SCREENSHOTS is not set");
        const QString pdftoppm = QStandardPaths::findExecutable(u"pdftoppm"_s);
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        Workbench bench;
        bench.state.setSchoolName(u"阳光实验中学"_s);
        fillSchool(bench.studentDb, bench);
        ExamAnalysisWindow window(bench.ws);
        QVERIFY(window.start(ScoreSheetRules::Exam::Final, {}, true));
        window.printer().printerInstalled = [] { return false; };
        const QString pdf = qEnvironmentVariable("XIAOWU_REPORT_PDFS", m_dir) + u"/analysis-report.pdf"_s;
        bench.desk.fileChooser.next = pdf;
        window.打印钮->click();
        QVERIFY2(bench.desk.prompt.boxes().isEmpty(), qPrintable(bench.desk.prompt.lastText()));
        QVERIFY(QFile::exists(pdf));
        const int pages = int(PrintLayout::of(window.printer().sheet()).pages.size());
        for (int page = 1; page <= pages; ++page) {
            QCOMPARE(QProcess::execute(pdftoppm,
                         {u"-png"_s, u"-r"_s, u"70"_s, u"-f"_s, QString::number(page), u"-l"_s, QString::number(page),
                             u"-singlefile"_s, pdf, m_dir + u"/analysis-report-"_s + QString::number(page)}),
                0);
        }
    }
};

XIAOWU_TEST(AnalysisScreenshots)
#include "AnalysisScreenshots.moc"
