// The typed-mark conversion and the loading statement of the score sheet.
#include "grades/MarkText.h"
#include "grades/ScoreSheetRules.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ScoreSheetRules::Exam)

class TestScoreSheetRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedMarks_data()
    {
        addColumns<QString, bool>({"typed", "accepted"});
        QTest::addColumn<QVariant>("stored"); // invalid: no mark

        const auto mark = [](const char* name, const QString& typed, int stored) {
            QTest::newRow(name) << typed << true << QVariant(qint64(stored));
        };
        const auto refused
            = [](const char* name, const QString& typed) { QTest::newRow(name) << typed << false << QVariant(); };
        mark("whole", u"85"_s, 85);
        mark("full-width with blanks", u" ８５ "_s, 85);
        mark("full-width blank", u"\u3000９０"_s, 90);
        mark("half rounds up", u"85.5"_s, 86);
        mark("below half", u"85.49"_s, 85);
        mark("full-width point", u"８５．５"_s, 86);
        mark("full-width minus", u"－５"_s, -5);
        mark("negative half rounds up", u"-2.5"_s, -2);
        mark("leading point", u".6"_s, 1);
        mark("trailing point", u"60."_s, 60);
        mark("plus sign", u"+7"_s, 7);
        mark("leading zeros", u"007"_s, 7);
        mark("top", u"32767.49"_s, 32767);
        mark("bottom", u"-32768.5"_s, -32768);
        QTest::newRow("empty") << QString() << true << QVariant();
        QTest::newRow("blanks") << u"  \t"_s << true << QVariant();
        refused("letters", u"abc"_s);
        refused("inf", u"inf"_s);
        refused("nan", u"nan"_s);
        refused("exponent", u"1e3"_s);
        refused("above", u"40000"_s);
        refused("below", u"-40000"_s);
        refused("rounds above", u"32767.5"_s);
        refused("inner blank", u"8 5"_s);
        refused("unit", u"85分"_s);
        refused("hex", u"0x10"_s);
        refused("comma", u"85,5"_s);
        refused("two points", u"8.5.1"_s);
        refused("sign alone", u"-"_s);
        refused("huge", QString(400, u'9'));
    }

    void typedMarks()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QVariant, stored);
        const MarkText::Reading reading = MarkText::read(typed);
        QCOMPARE(reading.accepted, accepted);
        if (!accepted)
            return;
        QCOMPARE(MarkText::toStored(reading.mark), stored);
        QCOMPARE(MarkText::toText(reading.mark), stored.isValid() ? QString::number(stored.toInt()) : QString());
    }

    void loadingStatement_data()
    {
        addColumns<ScoreSheetRules::Exam, int, bool, QString>({"exam", "sortIndex", "reverse", "tail"});

        const auto M = ScoreSheetRules::Exam::MidTerm;
        const auto F = ScoreSheetRules::Exam::Final;
        QTest::newRow("number forward") << M << 0 << false << u"=?order by 学号"_s;
        QTest::newRow("name forward") << M << 1 << false << u"=?order by 姓名"_s;
        QTest::newRow("name reverse") << M << 1 << true << u"=?order by 姓名 desc"_s;
        QTest::newRow("first subject forward is highest first") << M << 2 << false << u"=?order by 期中1 desc"_s;
        QTest::newRow("first subject reverse") << M << 2 << true << u"=?order by 期中1"_s;
        QTest::newRow("tenth subject") << M << 11 << false << u"=?order by 期中10 desc"_s;
        QTest::newRow("final third subject") << F << 4 << false << u"=?order by 期末3 desc"_s;
        QTest::newRow("final tenth reverse") << F << 11 << true << u"=?order by 期末10"_s;
        QTest::newRow("no item falls back to the name") << F << -1 << false << u"=?order by 姓名"_s;
        QTest::newRow("beyond the list") << F << 12 << false << u"=?order by 姓名"_s;
    }

    void loadingStatement()
    {
        QFETCH(ScoreSheetRules::Exam, exam);
        QFETCH(int, sortIndex);
        QFETCH(bool, reverse);
        QFETCH(QString, tail);
        const QString stem = ScoreSheetRules::columnStem(exam);
        QString head = u"select 学号,姓名"_s;
        for (int slot = 1; slot <= 10; ++slot)
            head += u',' + stem + QString::number(slot);
        QCOMPARE(ScoreSheetRules::query(exam, sortIndex, reverse), head + u" from 学籍表 where 所在班级"_s + tail);
    }

    void headerListsAndTitle()
    {
        const QStringList header = ScoreSheetRules::header({u"语文"_s, u"数学"_s});
        QCOMPARE(header.size(), 12);
        QCOMPARE(header.mid(0, 4), (QStringList {u"学号"_s, u"姓名"_s, u"语文"_s, u"数学"_s}));
        QCOMPARE(header.last(), QString());
        const QStringList clear = ScoreSheetRules::clearItems(header);
        QCOMPARE(clear.size(), 10);
        QCOMPARE(clear.first(), u"语文成绩"_s);
        QCOMPARE(clear.last(), u"成绩"_s);
        QCOMPARE(ScoreSheetRules::title(u"希望小学"_s, u"高中1年级10班"_s, u"期中考试成绩"_s),
            u"希望小学高中1年级10班期中考试成绩"_s);
    }
};

XIAOWU_TEST(TestScoreSheetRules)
#include "TestScoreSheetRules.moc"
