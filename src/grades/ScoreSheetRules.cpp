#include "grades/ScoreSheetRules.h"

#include "classes/ClassBook.h"
#include "grades/MarkText.h"
#include "sheet/QueryTable.h"
#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

ScoreSheetRules::ScoreSheetRules(DbConnection& db)
    : m_db(db)
    , m_rows(std::make_unique<QueryTable>(db))
{ }

ScoreSheetRules::~ScoreSheetRules() = default;

QString ScoreSheetRules::columnStem(Exam exam)
{
    return exam == Exam::MidTerm ? u"期中"_s : u"期末"_s;
}

QStringList ScoreSheetRules::examItems()
{
    return {u"期中考试成绩"_s, u"期末考试成绩"_s};
}

QStringList ScoreSheetRules::directionItems()
{
    return {u"正向"_s, u"反向"_s};
}

QString ScoreSheetRules::query(Exam exam, int sortIndex, bool reverse)
{
    const QString stem = columnStem(exam);
    QString sql = u"select 学号,姓名"_s;
    for (int slot = 1; slot <= SubjectCount; ++slot)
        sql += u',' + stem + QString::number(slot);
    // The order term comes from our own column names by the item's position, never from the
    // item's text, which for a subject is whatever the school typed.
    sql += u" from 学籍表 where 所在班级=?order by "_s;
    if (sortIndex >= 2 && sortIndex <= SubjectCount + 1)
        return sql + stem + QString::number(sortIndex - 1) + (reverse ? QString() : u" desc"_s);
    return sql + (sortIndex == 0 ? u"学号"_s : u"姓名"_s) + (reverse ? u" desc"_s : QString());
}

QStringList ScoreSheetRules::header(const QStringList& subjects)
{
    QStringList row {u"学号"_s, u"姓名"_s};
    for (int i = 0; i < SubjectCount; ++i)
        row.append(subjects.value(i));
    return row;
}

QStringList ScoreSheetRules::clearItems(const QStringList& header)
{
    QStringList items;
    for (int c = FirstMarkColumn; c <= ColumnCount; ++c)
        items.append(header.value(c - 1) + u"成绩"_s);
    return items;
}

QString ScoreSheetRules::title(const QString& schoolName, const QString& className, const QString& examItem)
{
    return schoolName + className + examItem;
}

QStringList ScoreSheetRules::subjects(const QString& className) const
{
    QStringList names = ClassBook(m_db).subjects(className).value_or(QStringList());
    while (names.size() < SubjectCount)
        names.append(QString());
    return names;
}

bool ScoreSheetRules::load(const QString& className, Exam exam, int sortIndex, bool reverse)
{
    m_lastError.clear();
    if (m_rows->setQuery(query(exam, sortIndex, reverse), {className}))
        return true;
    m_lastError = m_rows->lastError();
    return false;
}

void ScoreSheetRules::showIn(SheetTable& sheet, int firstRow, const QList<SheetCell>& cells)
{
    m_sheet = &sheet;
    m_firstRow = firstRow;
    m_cells = cells;
    m_rows->showIn(sheet, firstRow, cells);
}

void ScoreSheetRules::release()
{
    m_rows = std::make_unique<QueryTable>(m_db);
    if (m_sheet)
        m_rows->showIn(*m_sheet, m_firstRow, m_cells);
}

int ScoreSheetRules::rowCount() const
{
    return m_rows->rowCount();
}

bool ScoreSheetRules::isEnrolled(const QVariant& number)
{
    auto found = m_db.query(u"select count(*) as n from 学籍表 where 学号=?"_s, {number});
    return found && found->number(u"n") > 0;
}

ScoreSheetRules::MarkWrite ScoreSheetRules::writeMark(int row, int column, const QString& typed)
{
    m_lastError.clear();
    MarkWrite result;
    if (row < 1 || row > rowCount() || column < FirstMarkColumn || column > ColumnCount) {
        result.error = u"only the marks of a loaded pupil can be written"_s;
        return result;
    }
    const MarkText::Reading reading = MarkText::read(typed);
    if (!reading.accepted) {
        result.outcome = MarkWrite::Outcome::Refused;
        result.shown = m_rows->valueText(row, column);
        return result;
    }
    m_rows->setValue(row, column, MarkText::toStored(reading.mark));
    if (m_rows->commit()) {
        result.outcome = MarkWrite::Outcome::Stored;
        result.shown = MarkText::toText(reading.mark);
        return result;
    }
    // The table has put the stored mark back.
    result.shown = m_rows->text(row, column);
    result.error = m_rows->lastError();
    m_lastError = result.error;
    result.outcome = isEnrolled(m_rows->value(row, 1)) ? MarkWrite::Outcome::Failed : MarkWrite::Outcome::PupilGone;
    return result;
}

bool ScoreSheetRules::clearSubject(int slot)
{
    m_lastError.clear();
    if (slot < 1 || slot > SubjectCount)
        return false;
    const int column = slot + FirstMarkColumn - 1;
    for (int row = 1; row <= rowCount(); ++row)
        m_rows->setValue(row, column, QVariant());
    if (m_rows->commit())
        return true;
    m_lastError = m_rows->lastError();
    return false;
}
