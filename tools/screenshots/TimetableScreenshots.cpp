// The timetable window over the real main window, and the first printed page of every class's
// timetable (three to a page) as the PDF printer writes it, rendered to PNG.
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "classes/ClassBook.h"
#include "settings/AppSettings.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "timetable/TimetableSlot.h"
#include "timetable/TimetableStore.h"
#include "timetable/TimetableWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TimetableScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timetable()
    {
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        FakeServices f;
        f.screen.fixed = QSize(1024, 768);
        AppSettings(f.paths.settingsFile(), f.fileOps).setSchoolName(u"阳光实验小学"_s);
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"admin"_s, RightsString(u"1111"_s)});
        QVERIFY(ScreenshotKit::showAtSize(main, QSize(1024, 768)));

        ClassBook book(main.studentDb());
        const QStringList subjects {u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"音乐"_s, u"美术"_s, u"体育"_s,
            u"品德与社会"_s, u"信息技术"_s, u"班会"_s};
        TimetableStore store(main.studentDb());
        for (int c = 1; c <= 4; ++c) {
            const QString name = u"三年级%1班"_s.arg(c);
            QCOMPARE(book.add(name, QStringList({u"王建国"_s, u"李秀英"_s, u"张伟"_s, u"刘芳"_s})[c - 1], u"通用"_s),
                ClassBook::AddResult::Added);
            for (int i = 0; i < TimetableSlot::Count; ++i)
                QVERIFY(store.store(name, TimetableSlot::at(i), subjects[(i * 7 + c * 3) % subjects.size()]));
        }
        QVERIFY(book.saveSubjectsToAll(subjects));

        TimetableWindow* window = nullptr;
        QTimer::singleShot(400, [&] {
            window = qobject_cast<TimetableWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QTest::mouseDClick(window->cellLabel(3, 6), Qt::LeftButton);
            QTest::qWait(200);
            QVERIFY(window->grab().save(dir + u"/timetable-window.png"_s));

            QTest::keyClick(window->科目组合框->lineEdit(), Qt::Key_Return);
            window->sendToPrinter = [&](SheetGrid& grid, TimetableWindow::PrintMode) {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(dir + u"/timetable-print.pdf"_s);
                QVERIFY(SheetPrintJob(*grid.table()).printTo(printer));
            };
            f.prompt.answerNext(Prompt::Answer::Yes);
            window->打印预览钮->click();
            window->reject();
        });
        QVERIFY(main.runCommand(u"编辑课程表"));
        QCOMPARE(QProcess::execute(u"pdftoppm"_s,
                     {u"-png"_s, u"-r"_s, u"110"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, u"-singlefile"_s,
                         dir + u"/timetable-print.pdf"_s, dir + u"/timetable-print"_s}),
            0);
        QFile::remove(dir + u"/timetable-print.pdf"_s);
    }
};

XIAOWU_TEST(TimetableScreenshots)
#include "TimetableScreenshots.moc"
