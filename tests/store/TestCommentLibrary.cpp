#include "store/DbConnection.h"
#include "store/Schema.h"
#include "support/TempProgramDir.h"
#include "support/TestRegistry.h"
#include "text/GbText.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// The comment library a fresh students database ships with: the comment window relies on its
// groups, and teachers use its texts as they stand.
class TestCommentLibrary : public QObject
{
    Q_OBJECT

    struct Row
    {
        qint64 number = 0;
        QString library;
        QString category;
        QVariant content;
        QVariant model;
        QString text; // 内容 of an entry, the decoded 范例 of a model
        bool isModel() const { return !category.startsWith(u"分类"_s); }
    };

    TempProgramDir m_dir;
    DbConnection m_db;
    QList<Row> m_rows;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_db.open(m_dir.databasePath(DatabaseKind::Student), QString(),
                     DatabaseKinds::password(DatabaseKind::Student)),
            qPrintable(m_db.lastError()));
        auto rs = m_db.query(u"select 编号,库别,类别,内容,范例 from 评语表 order by 编号"_s);
        QVERIFY2(rs, qPrintable(m_db.lastError()));
        for (rs->first(); !rs->pastLast(); rs->next()) {
            Row row {
                rs->number(u"编号"), rs->text(u"库别"), rs->text(u"类别"), rs->value(u"内容"), rs->value(u"范例"), {}};
            row.text = row.isModel() ? GbText::fromBytes(rs->bytes(u"范例")) : rs->text(u"内容");
            m_rows.append(row);
        }
        QVERIFY(!rs->failed());
    }

    void freshDatabaseHoldsCounterAndLibraryOnly()
    {
        qint64 total = 0;
        for (const Schema::Table& table : Schema::tables(DatabaseKind::Student)) {
            auto rs = m_db.query(u"select count(*) as n from "_s + table.name);
            QVERIFY2(rs, qPrintable(table.name));
            rs->first();
            total += rs->number(u"n");
        }
        QCOMPARE(total, qint64(409));
        auto counter = m_db.query(u"select 学号 from 记号表 where ID=1"_s);
        QVERIFY(counter);
        counter->first();
        QVERIFY(!counter->pastLast());
        QCOMPARE(counter->number(u"学号"), qint64(0));
    }

    void groupsFallOnTheirNumbers()
    {
        struct Group
        {
            int first;
            int last;
            QString library;
            QString category;
        };
        const QString primary = u"小学评语库"_s;
        const QString middle = u"中学评语库"_s;
        const QList<Group> groups = {
            {1, 20, primary, u"分类1"_s},
            {21, 40, primary, u"分类2"_s},
            {41, 60, primary, u"分类3"_s},
            {61, 80, primary, u"分类4"_s},
            {81, 100, primary, u"分类5"_s},
            {101, 117, primary, u"分类6"_s},
            {118, 135, primary, u"分类7"_s},
            {136, 155, middle, u"分类1"_s},
            {156, 175, middle, u"分类2"_s},
            {176, 190, middle, u"分类3"_s},
            {191, 207, middle, u"分类4"_s},
            {208, 224, middle, u"分类5"_s},
            {225, 241, middle, u"分类6"_s},
            {242, 258, middle, u"分类7"_s},
            {259, 288, primary, u"优等生评语范例"_s},
            {289, 318, primary, u"中等生评语范例"_s},
            {319, 348, primary, u"后进生评语范例"_s},
            {349, 368, middle, u"优等生评语范例"_s},
            {369, 388, middle, u"中等生评语范例"_s},
            {389, 408, middle, u"后进生评语范例"_s},
        };
        QCOMPARE(m_rows.size(), 408);
        for (int i = 0; i < m_rows.size(); ++i)
            QCOMPARE(m_rows[i].number, qint64(i + 1));
        for (const Group& group : groups) {
            for (int n = group.first; n <= group.last; ++n) {
                const Row& row = m_rows[n - 1];
                QVERIFY2(row.library == group.library && row.category == group.category,
                    qPrintable(u"%1: %2 %3"_s.arg(n).arg(row.library, row.category)));
            }
        }
        QCOMPARE(m_rows.first().text, u"你是一个懂事的孩子，小小年纪知道怎样管理好自己。"_s);
    }

    void entriesAreShortSentencesWithoutModel()
    {
        for (const Row& row : std::as_const(m_rows)) {
            if (row.isModel())
                continue;
            const QByteArray where = QByteArray::number(row.number) + ' ' + row.text.toUtf8();
            QVERIFY2(row.content.typeId() == QMetaType::QString, where);
            QVERIFY2(!row.model.isValid(), where);
            QVERIFY2(!row.text.isEmpty() && row.text.size() <= 46, where);
            // Entries are appended to each other without a separator, so each one must close its
            // sentence and stay on one line; and each speaks to the pupil.
            QVERIFY2(row.text.endsWith(u'。') || row.text.endsWith(u'！'), where);
            QVERIFY2(!row.text.contains(u'\r') && !row.text.contains(u'\n') && !row.text.contains(u'\\'), where);
            QVERIFY2(row.text.contains(u'你'), where);
            QCOMPARE(GbText::trimBlanks(row.text), row.text);
        }
    }

    void modelsAreWholeCommentsInTheirBytes()
    {
        int endingInLineBreak = 0;
        for (const Row& row : std::as_const(m_rows)) {
            if (!row.isModel())
                continue;
            const QByteArray where = QByteArray::number(row.number);
            QVERIFY2(row.content.typeId() == QMetaType::QString && row.content.toString().isEmpty(), where);
            QVERIFY2(row.model.typeId() == QMetaType::QByteArray, where);
            const QByteArray bytes = row.model.toByteArray();
            QVERIFY2(bytes.size() >= 109 && bytes.size() <= 552, where + ": " + QByteArray::number(bytes.size()));
            // Undecodable bytes would show as garbage in the comment window.
            QVERIFY2(GbText::toBytes(row.text) == bytes && !row.text.contains(QChar::ReplacementCharacter), where);
            // The preview puts its own four blanks in front; the editor stores models trimmed.
            QVERIFY2(GbText::trimBlanks(row.text) == row.text, where);
            QVERIFY2(!row.text.startsWith(u'\r') && !row.text.startsWith(u'\n'), where);
            QVERIFY2(!row.text.contains(u'\\') && !row.text.contains(u'\t'), where);
            QVERIFY2(row.text.contains(u'你'), where);
            if (row.text.endsWith(u"\r\n"_s))
                ++endingInLineBreak;
            else
                QVERIFY2(!row.text.contains(u'\n') && !row.text.contains(u'\r'), where);
        }
        QVERIFY(endingInLineBreak > 0);
    }

    void noTwoRowsAlike()
    {
        QSet<QString> seen;
        for (const Row& row : std::as_const(m_rows)) {
            const QString key = GbText::removeBlanks(row.text).remove(u"\r\n"_s);
            QVERIFY2(!seen.contains(key), qPrintable(QString::number(row.number) + u' ' + row.text));
            seen.insert(key);
        }
    }
};

XIAOWU_TEST(TestCommentLibrary)
#include "TestCommentLibrary.moc"
