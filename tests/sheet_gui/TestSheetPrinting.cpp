#include "printing/TableReports.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetPageRenderer.h"
#include "sheet/SheetPainter.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "sheet/TextWidths.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QStringList Names = {u"张三"_s, u"李四"_s, u"王五"_s, u"赵六"_s, u"钱七"_s, u"孙八"_s, u"周九"_s, u"吴十"_s};

// A class roster as the printed reports build it, with `pupils` rows: 3 pages for 50 pupils.
void buildRoster(SheetTable& t, int pupils)
{
    t.reset(0, 0);
    t.appendRows(3);
    t.insertColumns(1, 9);
    const int widths[] = {240, 240, 140, 240, 300, 300, 360, 360, 360};
    for (int c = 1; c <= 9; ++c)
        t.setColumnWidth(c, widths[c - 1]);
    t.setRowHeight(1, 180);
    t.setRowHeights(2, 2, 80);
    t.merge({1, 1, 1, 9});
    t.setText(1, 1, u"希望小学高中1年级10班学生名单"_s);
    t.setFont({1, 1, 1, 9}, u"楷体_GB2312"_s, 80);
    t.merge({2, 1, 1, 7});
    t.setText(2, 1, u"本班共有学生50人，其中男生25人，女生25人。"_s);
    t.setText(2, 8, u"打印日期："_s);
    t.setAlignment({2, 8, 1, 1}, SheetAlignment::MiddleRight);
    t.setText(2, 9, u"2011年3月5日"_s);
    const QStringList captions = {u"学号"_s, u"姓名"_s, u"性别"_s, u"民族"_s, u"出生日期"_s, u"入学日期"_s,
        u"班内职务"_s, u"联系电话"_s, u"籍贯"_s};
    for (int c = 1; c <= 9; ++c)
        t.setText(3, c, captions[c - 1]);
    t.setBold({1, 1, 3, 9}, true);
    t.setAlignment({1, 1, 1, 9}, SheetAlignment::Centre);
    t.setAlignment({3, 1, 1, 9}, SheetAlignment::Centre);
    for (int i = 1; i <= pupils; ++i) {
        t.appendRows(1);
        const int r = t.rowCount();
        t.setRowHeight(r, 70);
        t.setText(r, 1, QString::number(20110000 + i));
        t.setText(r, 2, Names[i % Names.size()]);
        t.setText(r, 3, i % 2 ? u"男"_s : u"女"_s);
        t.setText(r, 4, u"汉族"_s);
        t.setText(r, 5, u"1995年%1月%2日"_s.arg(i % 12 + 1).arg(i % 28 + 1));
        t.setText(r, 6, u"2010年9月1日"_s);
        t.setText(r, 7, i == 1 ? u"班长"_s : QString());
        t.setText(r, 8, u"0571-8888%1"_s.arg(i, 4, 10, QChar(u'0')));
        t.setText(r, 9, u"浙江杭州"_s);
        t.setAlignment({r, 1, 1, 9}, SheetAlignment::Centre);
    }
    t.setBorders({3, 1, t.rowCount() - 2, 9}, AllBorders);
    t.setBackground({1, 1, t.rowCount(), 9}, 0xFFFFFF);
    t.setFixedRows(3);
    t.setPageSetup(TableReports::reportPage(220, true));
}

int pdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    // Page objects, not the page tree ("/Type /Pages").
    auto it = QRegularExpression(u"/Type\\s*/Page[^s]"_s).globalMatch(QString::fromLatin1(f.readAll()));
    int n = 0;
    for (; it.hasNext(); it.next())
        ++n;
    return n;
}

// A sheet of one column in its stored form: the header, heights and width, empty cells without a
// font name, and the page setup (margins 200, no page number, A4 portrait).
QByteArray storedSheet(const QList<qint32>& heights, qint32 width, qint32 fixedRows, qint16 zoom, qint32 fillLastPage)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("SDTW", 4);
    out << qint32(heights.size()) << qint32(1) << fixedRows << qint32(0);
    for (qint32 h : heights)
        out << h;
    out << width;
    for (int i = 0; i < heights.size(); ++i)
        out << qint32(AllBorders << 4 | 5) << qint32(0) << quint32(SheetColour::None) << qint16(40) << qint16(9)
            << qint32(0) << qint32(0);
    out << qint32(200) << qint32(200) << qint32(200) << qint32(200) << qint16(0) << zoom << qint16(9) << qint16(1)
        << fillLastPage << qint32(0) << qint32(0);
    return bytes;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

// Page `index` painted at `dots` pixels per tenth of a millimetre.
QImage renderPage(const SheetTable& table, const PrintLayout& layout, int index, double dots)
{
    QImage image(qCeil(layout.paper.width() * dots), qCeil(layout.paper.height() * dots), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    SheetPageRenderer(table, layout).paintPage(painter, index, dots);
    return image;
}

} // namespace

class TestSheetPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SheetFonts::installSubstitutions(); }

    // Remembered widths, numbers from their own table, are the font's: "07" is not "7".
    void rememberedWidthsAreTheFonts_data()
    {
        QTest::addColumn<QString>("text");
        for (const QString& t : {u"7"_s, u"07"_s, u"007"_s, u"0"_s, u"100"_s, u"9999"_s, u"12345"_s, u"-5"_s, u"89.5"_s,
                 u"张三丰"_s, u"1年"_s})
            QTest::newRow(qPrintable(t)) << t;
    }
    void rememberedWidthsAreTheFonts()
    {
        QFETCH(QString, text);
        SheetCell cell;
        cell.fontHeight = 50;
        const double expected = QFontMetricsF(SheetPainter::textFont(cell, 1.0)).horizontalAdvance(text);
        for (const QString& other : {u"7"_s, u"07"_s, u"77"_s})
            TextWidths::shared().width(cell, other);
        QCOMPARE(TextWidths::shared().width(cell, text), expected);
        QCOMPARE(TextWidths::shared().width(cell, text), expected);
    }

    void fixedRowsHeadEveryPageAndTheLastIsRuled()
    {
        SheetTable t;
        buildRoster(t, 50);
        // The caption row in a colour of its own, to find it on paper.
        t.setBackground({3, 1, 1, 9}, 0xFFC080);
        const PrintLayout layout = PrintLayout::of(t);
        QCOMPARE(layout.pages.size(), 3);
        const double dots = 0.5;
        const double captionTop = (layout.printable.top() + (180 + 80) * layout.scale) * dots;
        const double left = layout.printable.left() * dots;
        for (int i = 0; i < 3; ++i) {
            const QImage page = renderPage(t, layout, i, dots);
            QCOMPARE(QColor(page.pixel(int(left + 40), int(captionTop + 20))), QColor(0x80, 0xC0, 0xFF));
            // The page number sits in the bottom margin at the right.
            const QRectF number(layout.pageNumberRect.topLeft() * dots, layout.pageNumberRect.size() * dots);
            int dark = 0;
            for (int x = int(number.center().x()); x < int(number.right()); ++x) {
                for (int y = int(number.top()); y < int(number.bottom()); ++y)
                    dark += isDark(page.pixel(x, y));
            }
            QVERIFY2(dark > 20, qPrintable(u"page %1 has no number"_s.arg(i + 1)));
        }

        // Last page: the ruled rows carry the left border line down to the bottom margin.
        const PrintLayout::Page& last = layout.pages.last();
        QVERIFY(last.ruledRows > 0);
        const QImage page = renderPage(t, layout, 2, dots);
        const double bottom = layout.printable.bottom() * dots;
        const double rowHeight = 70 * layout.scale * dots;
        const int x = int(std::round(left));
        auto darkNear = [&](int y) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (isDark(page.pixel(x + dx, y)))
                    return true;
            }
            return false;
        };
        QVERIFY(darkNear(int(bottom - rowHeight * 1.5)));
        QVERIFY(!darkNear(int(bottom + 5)));
        // Not ruled without the flag.
        PageSetup setup = t.pageSetup();
        setup.fillLastPage = 0;
        t.setPageSetup(setup);
        const PrintLayout plain = PrintLayout::of(t);
        const QImage unruled = renderPage(t, plain, 2, dots);
        QVERIFY(!isDark(unruled.pixel(x, int(bottom - rowHeight * 1.5))));
    }

    void printsAThreePagePdf()
    {
        SheetTable t;
        buildRoster(t, 50);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"roster.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setDocName(u"打印报表"_s);
        SheetPrintJob job(t);
        QVERIFY(job.printTo(printer));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(pdfPages(path), 3);
        // For a look at the pages: XIAOWU_SHEET_PDF=<file> keeps a copy.
        const QString keep = qEnvironmentVariable("XIAOWU_SHEET_PDF");
        if (!keep.isEmpty()) {
            QFile::remove(keep);
            QVERIFY(QFile::copy(path, keep));
        }
    }

    void previewShowsThePages()
    {
        SheetTable t;
        buildRoster(t, 50);
        SheetGrid grid;
        grid.attach(&t);
        int pages = -1;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(w)) {
                    if (auto* view = dialog->findChild<QPrintPreviewWidget*>())
                        pages = view->pageCount();
                    dialog->reject();
                }
            }
        });
        grid.printPreview();
        QCOMPARE(pages, 3);
    }

    void printIsANamedJobAndCanBeCancelled()
    {
        SheetTable t;
        buildRoster(t, 2);
        SheetGrid grid;
        grid.attach(&t);
        QString jobName;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QPrintDialog*>(w)) {
                    jobName = dialog->printer()->docName();
                    dialog->reject();
                }
            }
        });
        QCOMPARE(grid.print(u"打印课程表"_s), SheetPrintJob::Outcome::Cancelled);
        QCOMPARE(jobName, u"打印课程表"_s);
    }

    // Sheets a stored file may hold that once made the layout overflow int or the painter rule
    // millions of rows: refused with a reason, before any dialog opens and without painting. Sizes
    // that are merely too large print, cut at the page.
    void storedSheetPrintsWithinThePageOrIsRefused_data()
    {
        addColumns<QByteArray, int>({"bytes", "size"});
        QTest::addColumn<int>("pages"); // 0: refused
        QTest::newRow("fit width, column of 100,000,000, ruled")
            << storedSheet({1}, 100'000'000, 0, PageSetup::FitWidth, 1) << 88 << 0;
        QTest::newRow("fit width, column of 0x7fffffff, ruled")
            << storedSheet({1}, 0x7fffffff, 0, PageSetup::FitWidth, 1) << 88 << 0;
        QTest::newRow("two fixed rows of 0x7fffffff, ruled")
            << storedSheet({0x7fffffff, 0x7fffffff, 1}, 200, 2, 100, 1) << 144 << 0;
        // Wider or taller than the page: printed, cut at the page's edges.
        QTest::newRow("column of 0x7fffffff at 100 %") << storedSheet({60, 60}, 0x7fffffff, 0, 100, 1) << 116 << 1;
        QTest::newRow("zoom 32767 %") << storedSheet({60, 60}, 200, 0, 32767, 1) << 116 << 2;
    }
    void storedSheetPrintsWithinThePageOrIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, size);
        QFETCH(int, pages);
        const bool refused = pages == 0;
        QCOMPARE(bytes.size(), size);
        SheetTable t;
        QVERIFY(t.load(bytes));
        const PrintLayout layout = PrintLayout::of(t);
        QCOMPARE(layout.isRefused(), refused);
        for (const PrintLayout::Page& page : layout.pages)
            QVERIFY(page.ruledRows * layout.ruledRowHeight * layout.scale <= layout.printable.height());

        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"stored.pdf"_s));
        SheetPrintJob job(t);
        QCOMPARE(job.printTo(printer), !refused);
        QCOMPARE(job.errorString(), layout.refusal);
        if (!refused) {
            QCOMPARE(pdfPages(printer.outputFileName()), pages);
            return;
        }
        QVERIFY(!QFile::exists(printer.outputFileName()));
        const QImage page = renderPage(t, layout, 0, 0.2);
        QCOMPARE(page.pixel(int(layout.printable.left() * 0.2) + 1, int(layout.printable.top() * 0.2) + 1),
            QColor(Qt::white).rgb());
        SheetGrid grid;
        grid.attach(&t);
        QCOMPARE(grid.printPreview(), SheetPrintJob::Outcome::Failed);
        QCOMPARE(grid.print(u"打印报表"_s), SheetPrintJob::Outcome::Failed);
        QCOMPARE(grid.printErrorString(), layout.refusal);
    }

    void pageNumberText()
    {
        QCOMPARE(SheetPageRenderer::pageNumberText(u"第 %d 页"_s, 12), u"第 12 页"_s);
        QCOMPARE(SheetPageRenderer::pageNumberText(u"- %d -"_s, 1), u"- 1 -"_s);
    }
};

XIAOWU_TEST(TestSheetPrinting)
#include "TestSheetPrinting.moc"
