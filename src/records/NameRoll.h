#pragma once

#include "records/SexCount.h"
#include "store/RecordSet.h"

#include <QList>

#include <optional>

// The names list of a pupils' or a staff file: number, name and sex a row with the sex count below
// it. Entry is the file's own {number, 姓名, 性别}.
template<class Entry>
struct NameRoll
{
    QList<Entry> names;
    int male = 0;
    int female = 0;

    // Reads the rest of `rows`, whose first three columns are number, name and sex. A list cut
    // short by an error must not pass for the whole file: nothing then.
    static std::optional<NameRoll> read(RecordSet& rows)
    {
        NameRoll out;
        SexCount count;
        for (; !rows.pastLast(); rows.next()) {
            Entry e {rows.number(1), rows.text(2), rows.text(3)};
            count.add(e.性别);
            out.names.append(std::move(e));
        }
        if (rows.failed())
            return std::nullopt;
        out.male = count.male;
        out.female = count.female;
        return out;
    }
};
