#include "classes/ClassDraft.h"
#include "classes/GbByteValidator.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "text/GbText.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ClassDraft::Refusal)

class TestClassRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void draft_data()
    {
        addColumns<bool, QString, QString, QString, ClassDraft::Refusal, QString>(
            {"custom", "number", "customName", "headTeacher", "refusal", "name"});

        using R = ClassDraft::Refusal;
        QTest::newRow("standard") << false << u"10班"_s << u"ignored"_s << u"王"_s << R::None << u"高中1年级10班"_s;
        QTest::newRow("typed number") << false << u"实验班"_s << QString() << u"王"_s << R::None
                                      << u"高中1年级实验班"_s;
        QTest::newRow("blank number") << false << u" \u3000 "_s << QString() << u"王"_s << R::NoClassNumber
                                      << QString();
        QTest::newRow("number before teacher")
            << false << QString() << QString() << QString() << R::NoClassNumber << QString();
        QTest::newRow("blank custom name")
            << true << u"1班"_s << u"\u3000  "_s << u"王"_s << R::NoCustomName << QString();
        QTest::newRow("inner blanks kept") << true << QString() << u" 特长 班"_s << u"王"_s << R::None << u" 特长 班"_s;
        QTest::newRow("blank teacher passes") << true << QString() << u"幼儿班"_s << u"  "_s << R::None << u"幼儿班"_s;
        QTest::newRow("empty teacher") << false << u"1班"_s << QString() << QString() << R::NoHeadTeacher << QString();
    }

    void draft()
    {
        QFETCH(bool, custom);
        QFETCH(QString, number);
        QFETCH(QString, customName);
        QFETCH(QString, headTeacher);
        QFETCH(ClassDraft::Refusal, refusal);
        QFETCH(QString, name);

        ClassDraft d {custom, u"高中1年级"_s, number, customName, headTeacher};
        QCOMPARE(d.refusal(), refusal);
        if (refusal == ClassDraft::Refusal::None) {
            QCOMPARE(d.name(), name);
            QCOMPARE(d.category(), custom ? u"自设"_s : u"通用"_s);
        }
    }

    void byteLimit_data()
    {
        addColumns<int, QString, int, QString, int>({"limit", "input", "pos", "expected", "expectedPos"});

        QTest::newRow("fits") << 6 << u"高中1"_s << 3 << u"高中1"_s << 3;
        QTest::newRow("typed at the end") << 6 << u"1234567"_s << 7 << u"123456"_s << 6;
        QTest::newRow("no half character") << 6 << u"12345班"_s << 6 << u"12345"_s << 5;
        QTest::newRow("paste in the middle keeps the tail") << 7 << u"1一二三班"_s << 4 << u"1一二班"_s << 3;
        QTest::newRow("four-byte character") << 6 << u"王𠮷𠮷"_s << 5 << u"王𠮷"_s << 3;
        QTest::newRow("cursor at start") << 4 << u"abcde"_s << 0 << u"abcd"_s << 4;
    }

    void byteLimit()
    {
        QFETCH(int, limit);
        QFETCH(QString, input);
        QFETCH(int, pos);
        QFETCH(QString, expected);
        QFETCH(int, expectedPos);

        GbByteValidator validator(limit, nullptr);
        QCOMPARE(validator.validate(input, pos), QValidator::Acceptable);
        QCOMPARE(input, expected);
        QCOMPARE(pos, expectedPos);
        QVERIFY(GbText::byteLength(input) <= limit);
    }
};

XIAOWU_TEST(TestClassRules)
#include "TestClassRules.moc"
