#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "text/DateText.h"
#include "text/GbText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestGbText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytesAreGbkForGbkText()
    {
        // 中 is D6 D0 in GBK; GB18030 must give the same two bytes.
        QCOMPARE(GbText::toBytes(u"中a"_s),
            QByteArray("\xD6\xD0"
                       "a"));
        QCOMPARE(GbText::fromBytes(QByteArray("\xD6\xD0"
                                              "a")),
            u"中a"_s);
    }

    void rareNameCharactersSurvive()
    {
        // 𠮷 (U+20BB7) and 䶮 (U+4DAE) are outside GBK; GB18030 keeps them.
        const QString name = u"吉𠮷䶮"_s;
        QCOMPARE(GbText::fromBytes(GbText::toBytes(name)), name);
        QCOMPARE(GbText::byteLength(u"吉𠮷"_s), 2 + 4);
    }

    // The count is kept apart from the encoder: it must agree with it for every character.
    void byteLengthAgreesWithTheBytes()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char16_t unit = static_cast<char16_t>(c);
            const QString text = u"a"_s + QChar(unit) + u"中"_s;
            if (GbText::byteLength(text) != GbText::toBytes(text).size())
                QFAIL(qPrintable(u"U+%1"_s.arg(unsigned(c), 4, 16, QChar(u'0'))));
        }
        // Pairs, and halves of one alone at either end or inside.
        const QChar high(char16_t(0xD842));
        const QChar low(char16_t(0xDFB7));
        for (const QString& text :
            {QString(high) + low, QString(high), u"a"_s + low, QString(low) + high, high + u"a"_s})
            QCOMPARE(GbText::byteLength(text), GbText::toBytes(text).size());
    }

    void leftBytes_data()
    {
        addColumns<QString, int, QString>({"text", "max", "expected"});
        QTest::newRow("fits") << u"高中1年级"_s << 20 << u"高中1年级"_s;
        QTest::newRow("six bytes of a date") << u"2005年9月1日"_s << 6 << u"2005年"_s;
        QTest::newRow("mid-character") << u"高中1年级"_s << 4 << u"高中"_s;
        QTest::newRow("odd cut") << u"高中1年级"_s << 6 << u"高中1"_s;
        QTest::newRow("no split of a 4-byte char") << u"a𠮷"_s << 4 << u"a"_s;
        QTest::newRow("zero") << u"abc"_s << 0 << QString();
        QTest::newRow("ascii") << u"abcdef"_s << 3 << u"abc"_s;
    }

    void leftBytes()
    {
        QFETCH(QString, text);
        QFETCH(int, max);
        QFETCH(QString, expected);
        QCOMPARE(GbText::leftBytes(text, max), expected);
        QVERIFY(GbText::byteLength(GbText::leftBytes(text, max)) <= max);
    }

    void chopBytesRemovesWholeCharacters()
    {
        QCOMPARE(GbText::chopBytes(u"评语。\r\n"_s, 2), u"评语。"_s);
        QCOMPARE(GbText::chopBytes(u"评语"_s, 1), u"评"_s);
        QCOMPARE(GbText::chopBytes(u"a"_s, 5), QString());
    }

    void blanks()
    {
        QCOMPARE(GbText::removeBlanks(u" 张\u3000三 "_s), u"张三"_s);
        QVERIFY(GbText::isBlank(u"\u3000 \u3000"_s));
        QVERIFY(GbText::isBlank(QString()));
        QVERIFY(!GbText::isBlank(u" 甲 "_s));
        QCOMPARE(GbText::trimBlanks(u"\u3000 三 班 "_s), u"三 班"_s);
    }

    void datesBothWays_data()
    {
        addColumns<QString, QDate>({"text", "date"});
        QTest::newRow("unpadded") << u"2005年9月1日"_s << QDate(2005, 9, 1);
        QTest::newRow("two digits") << u"2026年12月31日"_s << QDate(2026, 12, 31);
    }

    void datesBothWays()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(DateText::format(date), text);
        QCOMPARE(DateText::parse(text), std::optional<QDate>(date));
    }

    void unreadableDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("marker") << u"-"_s;
        QTest::newRow("no such day") << u"2005年2月30日"_s;
        QTest::newRow("iso") << u"2005-09-01"_s;
        QTest::newRow("missing day") << u"2005年9月"_s;
        QTest::newRow("trailing text") << u"2005年9月1日毕业"_s;
    }

    void unreadableDates()
    {
        QFETCH(QString, text);
        QVERIFY(!DateText::parse(text).has_value());
    }

    void paddedDatesAreRead()
    {
        QCOMPARE(DateText::parse(u" 2005年09月01日 "_s), std::optional<QDate>(QDate(2005, 9, 1)));
    }
};

XIAOWU_TEST(TestGbText)
#include "TestGbText.moc"
