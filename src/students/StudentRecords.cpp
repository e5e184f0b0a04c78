#include "students/StudentRecords.h"

#include "records/NumberCounter.h"
#include "records/OneRow.h"
#include "store/DbConnection.h"
#include "store/Transaction.h"
#include "students/StudentFields.h"
#include "text/GbText.h"

using namespace Qt::StringLiterals;

// A fresh record set already stands on its first row, and first() would run the statement (and
// its sort) a second time, so the loops here start where query() left them.

namespace {

StudentRecord readRecord(const RecordSet& rows)
{
    StudentRecord r;
    r.学号 = rows.number(u"学号");
    TextFields::read(rows, r, StudentFields);
    r.照片 = rows.bytes(u"照片");
    r.本学期评语 = GbText::fromBytes(rows.bytes(u"本学期评语"));
    r.综合评语 = GbText::fromBytes(rows.bytes(u"综合评语"));
    for (int i = 0; i < 10; ++i) {
        const QString n = QString::number(i + 1);
        const QString mid = u"期中"_s + n;
        const QString fin = u"期末"_s + n;
        if (!rows.isNull(mid))
            r.期中[i] = static_cast<int>(rows.number(mid));
        if (!rows.isNull(fin))
            r.期末[i] = static_cast<int>(rows.number(fin));
    }
    r.离校时间 = rows.text(u"离校时间");
    r.离校原因 = rows.text(u"离校原因");
    return r;
}

// The personal and guardian texts in column order, then photo and both comments as bytes.
void appendPersonalValues(QVariantList& values, const StudentRecord& p)
{
    values.reserve(values.size() + static_cast<qsizetype>(StudentFields.size()) + 3);
    for (const StudentField& f : StudentFields)
        values << p.*f.member;
    values << p.照片 << GbText::toBytes(p.本学期评语) << GbText::toBytes(p.综合评语);
}

QVariantList personalValues(const StudentRecord& p)
{
    QVariantList values;
    appendPersonalValues(values, p);
    return values;
}

// "学号=?,姓名=?, ... ,综合评语=?" in column order.
QString personalAssignments()
{
    return u"学号=?,"_s + TextFields::assignments(StudentFields) + u",照片=?,本学期评语=?,综合评语=?"_s;
}

} // namespace

QStringList StudentRecords::graduationDates()
{
    QStringList out;
    auto rows = m_db.query(u"select * from 毕业时间表 order by rowid"_s);
    if (!rows)
        return out;
    for (; !rows->pastLast(); rows->next())
        out << rows->text(u"毕业时间");
    return out;
}

QStringList StudentRecords::graduationDatesNewestFirst()
{
    QStringList out;
    for (const QString& date : graduationDates())
        out.prepend(date);
    return out;
}

std::optional<StudentRecords::NameList> StudentRecords::names(StudentViewKind kind, const QString& selector)
{
    const StudentViewFacts& file = StudentViewKinds::facts(kind);
    const QString sql = QString::fromUtf16(file.namesQuery);
    auto rows = kind == StudentViewKind::Leaver ? m_db.query(sql) : m_db.query(sql, {selector});
    if (!rows)
        return std::nullopt;
    auto out = NameList::read(*rows);
    if (!out)
        m_lastError = m_db.lastError();
    return out;
}

std::optional<StudentRecord> StudentRecords::record(StudentViewKind kind, qint64 number)
{
    auto rows = m_db.query(u"select * from "_s + StudentViewKinds::table(kind) + u" where 学号=?"_s, {number});
    if (!rows)
        return std::nullopt;
    if (rows->pastLast())
        return std::nullopt;
    return readRecord(*rows);
}

std::optional<double> StudentRecords::counter()
{
    auto rows = m_db.query(u"select 学号 from 记号表 where ID=1"_s);
    if (!rows)
        return std::nullopt;
    if (rows->pastLast())
        return std::nullopt;
    return rows->value(u"学号").toDouble();
}

std::optional<qint64> StudentRecords::largestNumber()
{
    // Each table's largest number is one step down its key; the union of all their rows would be
    // read whole.
    auto rows = m_db.query(u"select max(最大) as 最大学号 from (select max(学号) as 最大 from 学籍表 union all "_s
                           u"select max(学号) from 毕业表 union all select max(学号) from 转退表)"_s);
    if (!rows || rows->pastLast())
        return std::nullopt;
    return rows->number(u"最大学号");
}

std::optional<StudentRecords::NumberOffer> StudentRecords::nextNumber()
{
    const auto last = counter();
    const auto largest = largestNumber();
    if (!last || !largest)
        return std::nullopt;
    return offerFor(*last, *largest);
}

StudentRecords::NumberOffer StudentRecords::offerFor(double counter, qint64 largestNumber)
{
    const qint64 issued = counter > 0.0000001 ? static_cast<qint64>(counter) : 0;
    const qint64 last = std::max(issued, largestNumber);
    if (last > 0)
        return {false, last + 1};
    return {true, 1};
}

bool StudentRecords::insert(const StudentRecord& pupil)
{
    return NumberCounter::insertCounted(
        m_db, [&] { return insertRow(pupil); }, u"学号"_s, pupil.学号, &m_lastError);
}

bool StudentRecords::insertNext(StudentRecord& pupil)
{
    const auto number = NumberCounter::insertNext(
        m_db, u"学号"_s,
        [this]() -> std::optional<qint64> {
            const auto offer = nextNumber();
            return offer ? std::optional<qint64>(offer->number) : std::nullopt;
        },
        [&](qint64 taken) {
            StudentRecord numbered = pupil;
            numbered.学号 = taken;
            return insertRow(numbered);
        },
        &m_lastError);
    if (!number)
        return false;
    pupil.学号 = *number;
    return true;
}

bool StudentRecords::insertRow(const StudentRecord& pupil)
{
    QVariantList values {pupil.学号};
    appendPersonalValues(values, pupil);
    // No marks yet, and "-" marks a pupil who has not left.
    static const QString sql = u"insert into 学籍表 values ( ?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"_s
                               u"null,null,null,null,null,null,null,null,null,null,null,null,null,null,null,null,"_s
                               u"null,null,null,null,'-','-')"_s;
    if (!m_db.execute(sql, values)) {
        m_lastError = m_db.lastError();
        return false;
    }
    return true;
}

bool StudentRecords::advanceCounter(qint64 number)
{
    return NumberCounter::advance(m_db, u"学号"_s, number, &m_lastError);
}

bool StudentRecords::update(const StudentRecord& pupil)
{
    QVariantList values {pupil.学号};
    appendPersonalValues(values, pupil);
    values << pupil.学号;
    static const QString sql = u"update 学籍表 set "_s + personalAssignments() + u" where 学号=?"_s;
    return OneRow::change(m_db, sql, values, u"no pupil with this number"_s, &m_lastError);
}

bool StudentRecords::update(const StudentRecord& pupil, const StudentRecord& loaded)
{
    const auto stored = [&]() -> std::optional<QVariantList> {
        const auto now = record(StudentViewKind::Enrolled, pupil.学号);
        return now ? std::optional<QVariantList>(personalValues(*now)) : std::nullopt;
    };
    const OneRow::Guarded saved = OneRow::changeUnlessChanged(
        m_db, u"select 学号 from 学籍表 where 学号=? for update"_s, pupil.学号, stored, personalValues(loaded),
        [&] { return update(pupil); }, &m_lastError);
    m_conflicted = saved == OneRow::Guarded::Changed;
    return saved == OneRow::Guarded::Saved;
}

QString StudentRecords::conflictMessage()
{
    return OneRow::changedMessage();
}

QString StudentRecords::countsLine(StudentViewKind kind, int total, int male, int female)
{
    const StudentViewFacts& file = StudentViewKinds::facts(kind);
    return QString::fromUtf16(file.countsLead) + QString::number(total) + QString::fromUtf16(file.countsTail)
        + u" 其中男"_s + QString::number(male) + u"人 女"_s + QString::number(female) + u"人"_s;
}

QString StudentRecords::editorCountsLine(const QString& className, int total, int male, int female)
{
    return u"目前"_s + className + u"共有"_s + QString::number(total) + u"名学生  其中男生"_s + QString::number(male)
        + u"人  女生"_s + QString::number(female) + u"人"_s;
}
