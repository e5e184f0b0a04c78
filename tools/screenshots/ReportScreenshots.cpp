// The printed reports of the list and sheet pages of the real main window: each one written as a
// PDF through 打印, as a user without a printer gets it, and its first and last pages rendered to
// PNG with pdftoppm (poppler-utils). The PDFs stay in $XIAOWU_REPORT_PDFS when that is set.
#include "students/StudentsFixture.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"
#include "teachers/TeachersFixture.h"

#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "printing/ReportPrinter.h"
#include "settings/AppSettings.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetTable.h"
#include "wages/WagePage.h"
#include "wages/WageSheet.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QStringList Surnames {u"王"_s, u"李"_s, u"张"_s, u"刘"_s, u"陈"_s, u"杨"_s, u"赵"_s, u"黄"_s, u"周"_s, u"吴"_s};
const QStringList Given {u"浩然"_s, u"欣怡"_s, u"子轩"_s, u"思琪"_s, u"梓涵"_s, u"俊杰"_s, u"雨桐"_s, u"宇航"_s};
const QString Class = u"4年级2班"_s;
const QStringList Subjects {
    u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"品德"_s, u"音乐"_s, u"美术"_s, u"体育"_s, u"信息"_s, u"书法"_s};

QString nameOf(qint64 n)
{
    return Surnames[(n * 7) % Surnames.size()] + Given[(n * 3) % Given.size()];
}

// A class long enough for two roster pages, last year's graduates and a small staff.
bool fillSchool(const FakeServices& f)
{
    StudentsFixture pupils;
    pupils.db.open(f.dir.databasePath(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student));
    if (!pupils.addClass(Class, u"刘红梅"_s, Subjects) || !pupils.addGraduationDate(u"2024年7月1日"_s))
        return false;
    for (qint64 n = 2021041; n < 2021041 + 36; ++n) {
        StudentRecord r = StudentsFixture::pupil(n, nameOf(n), Class, n % 2 ? u"男"_s : u"女"_s);
        for (int s = 0; s < 10; ++s)
            r.期中[size_t(s)] = int(60 + (n * (s + 3)) % 41);
        if (!pupils.addPupil(r))
            return false;
        r.学号 = n - 3000;
        r.所在班级 = u"6年级1班"_s;
        r.离校时间 = u"2024年7月1日"_s;
        r.离校原因 = u"毕业"_s;
        if (!pupils.addPupil(r, u"毕业表"_s))
            return false;
    }
    TeachersFixture staff;
    staff.db.open(f.dir.databasePath(DatabaseKind::Teacher), {}, DatabaseKinds::password(DatabaseKind::Teacher));
    for (qint64 n = 1; n <= 12; ++n) {
        if (!staff.add(TeachersFixture::teacher(n, nameOf(n + 5) + u"老师"_s, n % 3 ? u"女"_s : u"男"_s)))
            return false;
    }
    return true;
}

void fillWages(WagePage& page)
{
    SheetTable& t = *page.table();
    WageSheet sheet(t);
    for (int i = 0; i < 9; ++i) {
        if (!sheet.isStaffRow(2 + i))
            sheet.insertRow(2 + i);
        t.setText(2 + i, 1, nameOf(i + 11));
        const QStringList amounts {QString::number(3200 + 150 * i), u"450"_s, QString::number(20 * (i + 3)), u"300"_s,
            i % 2 ? u"120.5"_s : u""_s, u"384"_s, QString::number(36.75 + i * 12.5)};
        for (int c = 0; c < amounts.size(); ++c) {
            t.setText(2 + i, 2 + c, amounts[c]);
            sheet.cellEdited(2 + i, 2 + c);
        }
    }
    sheet.highlight(3); // the grey row of the cursor must print white
    t.commit();
}

} // namespace

class ReportScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // As the program does at its start.
    void initTestCase() { SheetFonts::installSubstitutions(); }

    void reports()
    {
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        const QString pdftoppm = QStandardPaths::findExecutable(u"pdftoppm"_s);
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir scratch;
        const QString pdfDir = qEnvironmentVariable("XIAOWU_REPORT_PDFS", scratch.path());
        QVERIFY(QDir().mkpath(pdfDir));
        FakeServices f;
        AppSettings(f.paths.settingsFile(), f.fileOps).setSchoolName(u"阳光实验小学"_s);
        QVERIFY(fillSchool(f));
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"校长"_s, RightsString::super()});
        main.resize(1024, 768);
        ReportPrinter& printer = *startup.features()->reportPrinter();
        printer.printerInstalled = [] { return false; };

        const auto shoot = [&](const QString& command, const QString& name) {
            f.prompt.clear();
            const QString pdf = pdfDir + u"/report-"_s + name + u".pdf"_s;
            f.fileChooser.next = pdf;
            QVERIFY(main.runCommand(command));
            QVERIFY2(f.prompt.boxes().isEmpty(), qPrintable(f.prompt.lastText()));
            QVERIFY(QFile::exists(pdf));
            const int last = int(PrintLayout::of(printer.sheet()).pages.size());
            for (int page : {1, last}) {
                const QString png = dir + u"/report-"_s + name + u"-"_s + QString::number(page);
                QCOMPARE(QProcess::execute(pdftoppm,
                             {u"-png"_s, u"-r"_s, u"60"_s, u"-f"_s, QString::number(page), u"-l"_s,
                                 QString::number(page), u"-singlefile"_s, pdf, png}),
                    0);
                if (last == 1)
                    break;
            }
        };

        QVERIFY(main.runCommand(u"在校学生列表"));
        shoot(u"打印"_s, u"enrolled"_s);
        QVERIFY(main.runCommand(u"毕业学生列表"));
        shoot(u"打印"_s, u"graduates"_s);
        QVERIFY(main.runCommand(u"期中成绩录入"));
        shoot(u"打印"_s, u"scores"_s);
        QTest::mouseClick(main.findChild<QPushButton*>(u"平均成绩统计钮"_s), Qt::LeftButton);
        shoot(u"打印"_s, u"statistics"_s);
        QVERIFY(main.runCommand(u"在职教员列表"));
        shoot(u"打印"_s, u"staff"_s);
        QVERIFY(main.runCommand(u"打开工资表一"));
        fillWages(*startup.features()->wagePage());
        shoot(u"打印"_s, u"wages"_s);

        // The preview window of a roster at the smallest window size and a large one.
        QVERIFY(main.runCommand(u"在校学生列表"));
        bool shown = false;
        QTimer::singleShot(300, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!preview)
                return;
            shown = true;
            for (const QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
                preview->resize(size);
                QTest::qWait(300);
                preview->grab().save(dir + u"/report-preview-%1x%2.png"_s.arg(size.width()).arg(size.height()));
            }
            preview->close();
        });
        QVERIFY(main.runCommand(u"打印预览"));
        QVERIFY(shown);
    }
};

XIAOWU_TEST(ReportScreenshots)
#include "ReportScreenshots.moc"
