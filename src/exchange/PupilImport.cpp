#include "exchange/PupilImport.h"

#include "classes/ClassBook.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/Schema.h"
#include "store/Transaction.h"
#include "students/StudentFields.h"
#include "students/StudentRecords.h"
#include "text/DateText.h"
#include "text/GbText.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QString NumberCaption = u"学号"_s;
const QString NameCaption = u"姓名"_s;
const QString ClassCaption = u"所在班级"_s;

bool isDateField(QStringView caption)
{
    return caption == u"出生日期" || caption == u"入学日期";
}

int columnWidth(const QString& caption)
{
    return Schema::textWidth(DatabaseKind::Student, u"学籍表", caption);
}

const StudentField* fieldOf(QStringView caption)
{
    const auto it = std::find_if(StudentFields.begin(), StudentFields.end(),
        [caption](const StudentField& f) { return caption == QStringView(f.column); });
    return it == StudentFields.end() ? nullptr : &*it;
}

qsizetype captionRow(const ImportedSheet& sheet)
{
    for (qsizetype i = 0; i < sheet.rows.size(); ++i) {
        for (const QString& cell : sheet.rows[i].cells) {
            if (GbText::removeBlanks(cell) == NameCaption)
                return i;
        }
    }
    return -1;
}

std::optional<QSet<qint64>> numbersInUse(DbConnection& db)
{
    auto rows
        = db.query(u"select 学号 from 学籍表 union all select 学号 from 毕业表 union all select 学号 from 转退表"_s);
    if (!rows)
        return std::nullopt;
    QSet<qint64> out;
    for (; !rows->pastLast(); rows->next())
        out.insert(rows->number(u"学号"));
    if (rows->failed())
        return std::nullopt;
    return out;
}

std::optional<QSet<QString>> classNames(DbConnection& db)
{
    const auto classes = ClassBook(db).list();
    if (!classes)
        return std::nullopt;
    QSet<QString> out;
    for (const ClassEntry& c : *classes)
        out.insert(c.name);
    return out;
}

QString quoted(const QString& text)
{
    return u"“"_s + text + u"”"_s;
}

} // namespace

int PupilImport::Preview::goodRows() const
{
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.ok(); }));
}

PupilImport::Preview PupilImport::check(const ImportedSheet& sheet)
{
    Preview preview;
    if (!sheet.ok()) {
        preview.error = sheet.error;
        return preview;
    }
    const qsizetype header = captionRow(sheet);
    if (header < 0) {
        preview.error = u"表格中找不到“姓名”列。表格的第一行应是列标题，例如：姓名、性别、民族、出生日期。"_s;
        return preview;
    }

    // Column → caption, for the recognised ones, with what every row's check needs of it found once.
    struct Column
    {
        qsizetype column;
        QString caption;
        const StudentField* field; // null for 学号
        int width;
        bool isDate;
        // The date last read in this column and how it is stored: a column often repeats one date.
        QString lastDate;
        QString lastStored;
    };
    QList<Column> columns;
    for (qsizetype c = 0; c < sheet.rows[header].cells.size(); ++c) {
        const QString written = GbText::trimBlanks(sheet.rows[header].cells[c]);
        const QString caption = GbText::removeBlanks(written);
        if (caption.isEmpty())
            continue;
        const bool known = caption == NumberCaption || fieldOf(caption);
        if (known && !preview.fields.contains(caption)) {
            preview.fields << caption;
            const StudentField* field = fieldOf(caption);
            columns.append({c, caption, field, field ? columnWidth(caption) : 0, isDateField(caption), {}, {}});
        } else {
            preview.ignored << (known ? written + u"（重复）"_s : written);
        }
    }

    std::optional<QSet<qint64>> used;
    std::optional<QSet<QString>> classes;
    if (preview.fields.contains(NumberCaption) && !(used = numbersInUse(m_db)))
        preview.error = u"读取学生学号失败！"_s;
    if (preview.fields.contains(ClassCaption) && !(classes = classNames(m_db)))
        preview.error = u"读取班级数据失败！"_s;
    if (!preview.error.isEmpty())
        return preview;

    QHash<qint64, int> numberRows; // 学号 given in the file → the row that gave it first
    // Rows are large: growing the list would copy every row made so far, again and again.
    preview.rows.reserve(sheet.rows.size() - header - 1);
    for (qsizetype r = header + 1; r < sheet.rows.size(); ++r) {
        const ImportedSheet::Row& line = sheet.rows[r];
        Row row;
        row.number = line.number;
        bool anything = false;
        bool named = false;
        for (auto& [column, caption, field, width, isDate, lastDate, lastStored] : columns) {
            const QString value = GbText::trimBlanks(line.cells.value(column));
            anything = anything || !value.isEmpty();
            named = named || (caption == NameCaption && !value.isEmpty());
            if (caption == NumberCaption) {
                row.givenNumber = value;
                if (value.isEmpty())
                    continue;
                bool isNumber = false;
                const qint64 n = GbText::asciiDigits(value).toLongLong(&isNumber);
                // 学号 is a 32-bit column: a larger number could never be stored.
                if (!isNumber || n <= 0 || n > std::numeric_limits<qint32>::max())
                    row.errors << u"学号"_s + quoted(value) + u"不是有效的学号"_s;
                else if (used->contains(n))
                    row.errors << u"学号"_s + value + u"已被使用"_s;
                else if (numberRows.contains(n))
                    row.errors << u"学号"_s + value + u"与第"_s + QString::number(numberRows.value(n)) + u"行重复"_s;
                else
                    numberRows.insert(n, line.number);
                continue;
            }
            QString stored = value;
            if (isDate && !value.isEmpty() && value == lastDate) {
                stored = lastStored;
            } else if (isDate && !value.isEmpty()) {
                const auto date = DateText::readTyped(value);
                if (!date) {
                    row.errors << caption + quoted(value) + u"不是日期"_s;
                    row.refused.insert(caption, value);
                    continue;
                }
                stored = DateText::format(*date);
                lastDate = value;
                lastStored = stored;
            }
            if (caption == ClassCaption && !value.isEmpty() && !classes->contains(value)) {
                row.errors << u"班级"_s + quoted(value) + u"不存在"_s;
                row.refused.insert(caption, value);
                continue;
            }
            const qsizetype bytes = GbText::byteLength(stored);
            if (bytes > width) {
                row.errors << caption + u"超过"_s + QString::number(width) + u"字节（有"_s + QString::number(bytes)
                        + u"字节）"_s;
                row.refused.insert(caption, value);
                continue;
            }
            row.pupil.*field->member = stored;
        }
        if (!anything)
            continue;
        if (!named)
            row.errors.prepend(u"没有姓名"_s);
        preview.rows.append(std::move(row));
    }
    return preview;
}

std::optional<qint64> PupilImport::add(const Preview& preview, const QString& className)
{
    StudentRecords records(m_db);
    // The pupils, the counter and the checks they rest on, in one go.
    Transaction t(m_db);
    if (!t.isActive()) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    // The counter row stays locked until the end, so a seat adding pupils at the same moment waits
    // for these numbers to be taken instead of offering them again.
    if (!m_db.query(u"select 学号 from 记号表 where ID=1 for update"_s)) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    const auto offer = records.nextNumber();
    const auto classes = classNames(m_db);
    if (!offer || !classes) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    const qint64 first = offer->number;
    qint64 next = first;
    for (const Row& row : preview.rows) {
        if (!row.ok())
            continue;
        StudentRecord pupil = row.pupil;
        pupil.学号 = next;
        if (pupil.所在班级.isEmpty())
            pupil.所在班级 = className;
        // A class deleted since the preview must not get orphans.
        if (!classes->contains(pupil.所在班级)) {
            m_lastError = u"no class "_s + pupil.所在班级;
            return std::nullopt;
        }
        if (!records.insertRow(pupil)) {
            m_lastError = records.lastError();
            return std::nullopt;
        }
        ++next;
    }
    if (next == first) {
        m_lastError = u"no row to add"_s;
        return std::nullopt;
    }
    if (!records.advanceCounter(next - 1)) {
        m_lastError = records.lastError();
        return std::nullopt;
    }
    if (!t.commit()) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    return first;
}
