#include "sheet/SheetFormat.h"
#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "text/GbText.h"

#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

QByteArray le32(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray le16(qint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

// A 177-byte-ish GIF is not needed: any bytes do, the format does not look inside pictures.
const QByteArray GifBytes
    = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

// A sheet using everything the format can hold.
void fillRich(SheetTable& t)
{
    t.reset(4, 3);
    t.setFixedRows(1);
    t.setFixedColumns(1);
    t.setRowHeights(1, 1, 150);
    t.setRowHeight(4, 75);
    t.setColumnWidths(2, 2, 333);
    t.setText(1, 1, u"电子学校课程表"_s);
    t.merge({1, 1, 1, 3});
    t.setFont({1, 1, 1, 3}, u"楷体_GB2312"_s, 63);
    t.setBold({1, 1, 1, 3}, true);
    t.setAlignment({1, 1, 1, 3}, SheetAlignment::Centre);
    t.setBorders({1, 1, 1, 3}, BottomBorder);
    t.setText(2, 1, u"上午"_s);
    t.merge({2, 1, 3, 1});
    t.setText(2, 2, u"O'Brien; drop table"_s);
    t.setItalic({2, 2, 1, 1}, true);
    t.setUnderline({2, 3, 1, 1}, true);
    t.setText(2, 3, u"吉𠮷䶮"_s);
    t.setTextColour({2, 2, 3, 2}, 128);
    t.setBackground({3, 2, 2, 2}, 0xECECEC);
    t.setDataType({3, 2, 2, 1}, SheetDataType::Double);
    t.setDataType({3, 3, 1, 1}, SheetDataType::DateTime);
    t.setReadOnly({2, 1, 3, 1}, true);
    t.setBorders({2, 1, 3, 3}, AllBorders);
    t.setPicture(3, 3, GifBytes);
    t.setText(4, 3, u"99.50"_s);
    SheetCell odd = t.cell(4, 2);
    // Bits this program does not name, a data type it does not know and an odd font extra.
    odd.attributes |= (1u << 8) | (1u << 9) | (1u << 10) | (1u << 15) | (1u << 16) | (1u << 17) | (1u << 26)
        | (1u << 29) | (1u << 30) | (1u << 31) | (0xFu << SheetCell::DataTypeShift);
    odd.fontExtra = -7;
    odd.fontHeight = 0;
    odd.fontName.clear();
    t.setCell(4, 2, odd);
    PageSetup p;
    p.marginLeft = 201;
    p.marginTop = 131;
    p.marginRight = 199;
    p.marginBottom = 51;
    p.pageNumberPosition = PageSetup::BottomRight;
    p.zoom = PageSetup::FitWhenWider;
    p.paper = 8;
    p.orientation = PageSetup::Landscape;
    p.fillLastPage = 1;
    p.options = 0x12345678;
    p.rowsPerPage = 36;
    t.setPageSetup(p);
}

// Sets one attribute on cell (1,1) of a 2×2 sheet the way the pages do.
using Setter = void (*)(SheetTable&);
constexpr SheetRange FirstCell {1, 1, 1, 1};

// A 2×2 sheet's first cell record starts after the magic, four counts, two heights and two widths.
constexpr qsizetype FirstAttributeWord = 4 + 16 + 8 + 8;

// What a cell shows beyond a plain middle-left text cell.
QStringList shown(const SheetCell& c)
{
    QStringList out;
    if (c.alignment() != SheetAlignment::MiddleLeft)
        out << u"align %1"_s.arg(int(c.alignment()));
    if (c.borders())
        out << u"borders %1"_s.arg(c.borders());
    const std::pair<bool, QString> flags[]
        = {{c.isBold(), u"bold"_s}, {c.isItalic(), u"italic"_s}, {c.isUnderline(), u"underline"_s},
            {c.isStrikeOut(), u"strike-out"_s}, {c.isReadOnly(), u"read-only"_s}, {c.isPicture(), u"picture"_s}};
    for (const auto& [on, name] : flags) {
        if (on)
            out << name;
    }
    if (c.mergeAcross() != SheetMergeMark::None)
        out << u"across %1"_s.arg(int(c.mergeAcross()));
    if (c.mergeDown() != SheetMergeMark::None)
        out << u"down %1"_s.arg(int(c.mergeDown()));
    if (c.dataType() != SheetDataType::Text)
        out << u"type %1"_s.arg(int(c.dataType()));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Setter)

class TestSheetFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytesOfASmallSheet()
    {
        SheetTable t;
        t.reset(1, 2);
        t.setFixedRows(1);
        t.setRowHeight(1, 80);
        t.setColumnWidths(1, 2, 250);
        t.setText(1, 1, u"中"_s);
        t.setBold({1, 1, 1, 1}, true);
        t.setAlignment({1, 1, 1, 1}, SheetAlignment::Centre);

        const QByteArray song = GbText::toBytes(u"宋体"_s);
        QCOMPARE(song, QByteArray("\xCB\xCE\xCC\xE5"));
        QByteArray expected = "SDTW" + le32(1) + le32(2) + le32(1) + le32(0) + le32(80) + le32(250) + le32(250);
        // The text cell: its GBK text and one zero byte.
        expected += le32(5 | (1 << 11)) + le32(0) + le32(qint32(0xFF000000)) + le16(40) + le16(9) + le32(4) + song
            + le32(3) + QByteArray("\xD6\xD0\0", 3);
        // The empty cell: data length 0 and nothing after it.
        expected += le32(4) + le32(0) + le32(qint32(0xFF000000)) + le16(40) + le16(9) + le32(4) + song + le32(0);
        expected += le32(200) + le32(200) + le32(200) + le32(200) + le16(0) + le16(100) + le16(9) + le16(1) + le32(0)
            + le32(0) + le32(0);
        QCOMPARE(t.serialise(), expected);
    }

    // Saving and loading share the constants, so a wrong bit would round-trip; each is pinned to
    // its exact place in the word instead. Middle-left (4) is every cell's alignment. Strike-out is
    // only ever read from stored sheets.
    void everyNamedAttributeHasItsExactBits_data()
    {
        addColumns<quint32, QString, Setter>({"word", "attribute", "set"});
        auto row = [](const char* name, quint32 word, const QString& attribute, Setter set) {
            QTest::newRow(name) << word << attribute << set;
        };
        row("alignment", 9, u"align 9"_s,
            [](SheetTable& t) { t.setAlignment(FirstCell, SheetAlignment::BottomRight); });
        row("left border", 4 | 1u << 4, u"borders 1"_s, [](SheetTable& t) { t.setBorders(FirstCell, LeftBorder); });
        row("bottom border", 4 | 8u << 4, u"borders 8"_s, [](SheetTable& t) { t.setBorders(FirstCell, BottomBorder); });
        row("bold", 4 | 1u << 11, u"bold"_s, [](SheetTable& t) { t.setBold(FirstCell, true); });
        row("italic", 4 | 1u << 12, u"italic"_s, [](SheetTable& t) { t.setItalic(FirstCell, true); });
        row("underline", 4 | 1u << 13, u"underline"_s, [](SheetTable& t) { t.setUnderline(FirstCell, true); });
        row("strike-out", 4 | 1u << 14, u"strike-out"_s, nullptr);
        row("merged across", 4 | 1u << 18, u"across 1"_s, [](SheetTable& t) { t.merge({1, 1, 1, 2}); });
        row("merged down", 4 | 1u << 20, u"down 1"_s, [](SheetTable& t) { t.merge({1, 1, 2, 1}); });
        row("date", 4 | 8u << 22, u"type 8"_s,
            [](SheetTable& t) { t.setDataType(FirstCell, SheetDataType::DateTime); });
        row("read-only", 4 | 1u << 27, u"read-only"_s, [](SheetTable& t) { t.setReadOnly(FirstCell, true); });
        row("picture", 4 | 1u << 28, u"picture"_s, [](SheetTable& t) { t.setPicture(1, 1, GifBytes); });
    }

    void everyNamedAttributeHasItsExactBits()
    {
        QFETCH(quint32, word);
        QFETCH(QString, attribute);
        QFETCH(Setter, set);
        SheetTable plain;
        plain.reset(2, 2);
        QByteArray bytes = plain.serialise();
        QCOMPARE(bytes.mid(FirstAttributeWord, 4), le32(4));

        bytes.replace(FirstAttributeWord, 4, le32(qint32(word)));
        SheetTable loaded;
        QVERIFY(loaded.load(bytes));
        QCOMPARE(shown(loaded.cell(1, 1)), QStringList {attribute});

        if (set) {
            set(plain);
            QCOMPARE(plain.serialise().mid(FirstAttributeWord, 4), le32(qint32(word)));
        }
    }

    void everythingSurvivesARoundTrip()
    {
        SheetTable original;
        fillRich(original);
        const QByteArray bytes = original.serialise();

        SheetTable loaded;
        QString error;
        QVERIFY2(loaded.load(bytes, &error), qPrintable(error));
        QCOMPARE(loaded.serialise(), bytes);
        QVERIFY(loaded.data() == original.data());

        QCOMPARE(loaded.text(2, 3), u"吉𠮷䶮"_s);
        QCOMPARE(loaded.picture(3, 3), GifBytes);
        QVERIFY(loaded.cell(3, 3).isPicture());
        QCOMPARE(loaded.mergedRange(1, 2), (SheetRange {1, 1, 1, 3}));
        QCOMPARE(loaded.mergedRange(4, 1), (SheetRange {2, 1, 3, 1}));
        QCOMPARE(loaded.cell(4, 2).fontExtra, qint16(-7));
        QVERIFY(loaded.cell(4, 2).attributes & (1u << 31));
        QCOMPARE(loaded.cell(4, 2).dataType(), SheetDataType::Text); // unknown type reads as text …
        QCOMPARE(loaded.cell(4, 2).attributes & SheetCell::DataTypeMask, 0xFu << SheetCell::DataTypeShift); // … kept
        QCOMPARE(loaded.pageSetup(), original.pageSetup());
    }

    void textEndsAtItsZeroByte()
    {
        // The old program may leave bytes after the terminator; they are not part of the text.
        SheetTable t;
        t.reset(1, 1);
        t.setText(1, 1, u"ab"_s);
        QByteArray bytes = t.serialise();
        const qsizetype data = bytes.size() - 36 - 3;
        QCOMPARE(bytes.mid(data, 3), QByteArray("ab\0", 3));
        bytes.replace(data - 4, 4, le32(5));
        bytes.insert(data + 3, "xy");
        SheetTable loaded;
        QVERIFY(loaded.load(bytes));
        QCOMPARE(loaded.text(1, 1), u"ab"_s);
    }

    void brokenBytesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        SheetTable small;
        small.reset(2, 2);
        small.setText(1, 1, u"学号"_s);
        small.setPicture(2, 2, GifBytes);
        const QByteArray good = small.serialise();
        const QByteArray header = "SDTW";
        auto withInt = [&](qsizetype at, qint32 v) {
            QByteArray b = good;
            b.replace(at, 4, le32(v));
            return b;
        };
        // Offsets in `good`: counts at 4, 8, 12, 16; heights at 20, 24; widths 28, 32; first cell at 36.
        const qsizetype fontLength = 36 + 16, dataLength = fontLength + 4 + 4;

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("3 bytes") << QByteArray("SDT");
        QTest::newRow("wrong magic") << QByteArray("SDTX" + good.mid(4));
        QTest::newRow("lower-case magic") << QByteArray("sdtw" + good.mid(4));
        QTest::newRow("magic only") << header;
        QTest::newRow("huge row count") << withInt(4, 0x7FFFFFFF);
        QTest::newRow("huge column count") << withInt(8, 0x7FFFFFFF);
        QTest::newRow("rows x columns beyond data") << QByteArray(withInt(4, 46341).replace(8, 4, le32(46341)));
        // Room for the sizes of 1000 x 1000 but not for a million cells.
        QTest::newRow("cells beyond data")
            << QByteArray(header + le32(1000) + le32(1000) + le32(0) + le32(0) + QByteArray(8000 + 36, '\0'));
        QTest::newRow("negative rows") << withInt(4, -1);
        QTest::newRow("negative columns") << withInt(8, -2);
        QTest::newRow("negative fixed rows") << withInt(12, -1);
        QTest::newRow("negative fixed columns") << withInt(16, qint32(0x80000000));
        QTest::newRow("font name length beyond data") << withInt(fontLength, 0x7FFFFFF0);
        QTest::newRow("negative font name length") << withInt(fontLength, -4);
        QTest::newRow("data length beyond data") << withInt(dataLength, 0x40000000);
        QTest::newRow("negative data length") << withInt(dataLength, -1);
        QTest::newRow("one row more than stored") << withInt(4, 3);
        QTest::newRow("trailing byte") << QByteArray(good + 'x');
        // Cut short at every field and inside every field.
        for (qsizetype n = 0; n < good.size(); ++n)
            QTest::addRow("cut to %lld bytes", qlonglong(n)) << good.first(n);
    }

    void brokenBytesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        SheetTable t;
        t.reset(1, 1);
        t.setText(1, 1, u"保留"_s);
        const QByteArray before = t.serialise();
        QString error;
        QVERIFY(!t.load(bytes, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(t.serialise(), before);
    }

    void emptyTableRoundTrips()
    {
        SheetTable t;
        const QByteArray bytes = t.serialise();
        QCOMPARE(bytes.size(), 4 + 16 + 36);
        SheetTable loaded;
        loaded.reset(3, 3);
        QVERIFY(loaded.load(bytes));
        QCOMPARE(loaded.rowCount(), 0);
        QCOMPARE(loaded.serialise(), bytes);
    }
};

XIAOWU_TEST(TestSheetFormat)
#include "TestSheetFormat.moc"
