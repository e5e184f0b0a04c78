#pragma once

#include "store/RecordSet.h"

#include <QString>
#include <QVariantList>

#include <array>

// One text column of a pupil's or a teacher's row and the member of the record that holds it. A
// kind of record lists its texts in column order in one table of these; reading a row, writing it
// and the editor's controls all go by that table.
template<class Record>
struct TextField
{
    const char16_t* column;
    QString Record::*member;
};

namespace TextFields {

template<class Record, std::size_t N>
void read(const RecordSet& rows, Record& record, const std::array<TextField<Record>, N>& fields)
{
    for (const TextField<Record>& f : fields)
        record.*f.member = rows.text(f.column);
}

// The texts in column order, to bind to an insert or an update.
template<class Record, std::size_t N>
QVariantList values(const Record& record, const std::array<TextField<Record>, N>& fields)
{
    QVariantList out;
    for (const TextField<Record>& f : fields)
        out << record.*f.member;
    return out;
}

// "姓名=?,性别=?, …" in column order.
template<class Record, std::size_t N>
QString assignments(const std::array<TextField<Record>, N>& fields)
{
    QString out;
    for (const TextField<Record>& f : fields) {
        if (!out.isEmpty())
            out += u',';
        out += QString::fromUtf16(f.column) + QStringLiteral("=?");
    }
    return out;
}

} // namespace TextFields
