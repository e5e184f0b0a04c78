#include "printing/StudentCard.h"
#include "printing/StudentCardReport.h"
#include "printing/TeacherCard.h"
#include "printing/TeacherCardReport.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/TestPhoto.h"
#include "support/TestRegistry.h"

#include <QDate>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray printed(const SheetTable& sheet, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SheetPrintJob job(sheet);
    if (!job.printTo(printer))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pageCount(const QByteArray& pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)));
}

} // namespace

class TestCardPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SheetFonts::installSubstitutions(); }

    // Without the Arphic fonts Qt would print the cards in whatever it finds.
    void printingFontsAreTheArphicOnes()
    {
        QVERIFY2(SheetFonts::missingFamilies().isEmpty(), qPrintable(SheetFonts::missingFontsWarning()));
        QVERIFY(SheetFonts::missingFontsWarning().isEmpty());
        QCOMPARE(QFontInfo(QFont(u"宋体"_s)).family(), u"AR PL SungtiL GB"_s);
        QCOMPARE(QFontInfo(QFont(u"楷体_GB2312"_s)).family(), u"AR PL KaitiM GB"_s);
    }

    // A whole card with photo and Chinese texts on one PDF page, both fonts embedded.
    void cardPrintsOnOnePdfPage_data() { addSwitchRows("student", {{"pupil", true}, {"teacher", false}}); }
    void cardPrintsOnOnePdfPage()
    {
        QFETCH(bool, student);
        SheetTable sheet;
        const QDate today(2011, 3, 5);
        if (student) {
            StudentCard card;
            card.title = u"实验小学1年级1班林小雨同学的资料"_s;
            card.values.insert(u"姓名"_s, u"林小雨"_s);
            card.photo = testJpeg(QSize(140, 188));
            card.termComment = QString(u"你是一个懂事的孩子，继续努力！"_s).repeated(20);
            QCOMPARE(StudentCardReport::build(sheet, card, today), ReportBuild::Built);
        } else {
            TeacherCard card;
            card.title = u"实验小学张明同志的资料"_s;
            card.values.insert(u"姓名"_s, u"张明"_s);
            card.photo = testJpeg(QSize(140, 188));
            card.resume = u"1980年参加工作。"_s;
            QCOMPARE(TeacherCardReport::build(sheet, card, today), ReportBuild::Built);
        }
        QTemporaryDir dir;
        const QByteArray pdf = printed(sheet, dir.filePath(u"card.pdf"_s));
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(pageCount(pdf), 1);
        QVERIFY(pdf.contains("BousungEG-Light-GB"));
        QVERIFY(pdf.contains("GBZenKai-Medium"));
        QVERIFY(pdf.contains("/FontFile2"));
        QVERIFY(pdf.contains("/Subtype /Image"));
    }
};

XIAOWU_TEST(TestCardPrinting)
#include "TestCardPrinting.moc"
