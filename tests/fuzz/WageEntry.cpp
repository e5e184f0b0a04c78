#include "FuzzEntries.h"

#include "sheet/SheetTable.h"
#include "wages/WageTableFile.h"

using namespace Qt::StringLiterals;

namespace {

QString readInto(QByteArrayView file)
{
    SheetTable table;
    table.reset(3, 4);
    table.setText(2, 2, u"untouched"_s);
    const SheetData before = table.data();
    QString error;
    if (!WageTableFile::read(file, table, &error)) {
        if (error.isEmpty())
            return u"refused without a reason"_s;
        return table.data() == before ? QString() : u"a refused wage file changed the table"_s;
    }
    if (table.columnCount() != WageTableFile::Columns || table.rowCount() < 2)
        return u"a wage file of the wrong shape was taken"_s;
    SheetTable again;
    if (!WageTableFile::read(WageTableFile::write(table), again) || !(again.data() == table.data()))
        return u"a wage sheet written back does not reload identically"_s;
    return {};
}

} // namespace

// The input is tried both as a whole file and as the payload of one: random bytes seldom survive
// the cipher, and the payload path is where the sheet checks are.
QString FuzzEntries::wage(QByteArrayView bytes)
{
    if (const std::optional<QByteArray> payload = WageTableFile::unseal(bytes)) {
        if (payload->size() + 4 > bytes.size())
            return u"unsealed payload longer than the file"_s;
    }
    if (QString failure = readInto(bytes); !failure.isEmpty())
        return failure;
    if (bytes.isEmpty())
        return {};
    const QByteArray sealed = WageTableFile::seal(bytes);
    const std::optional<QByteArray> payload = WageTableFile::unseal(sealed);
    if (!payload || *payload != bytes)
        return u"seal and unseal do not round-trip"_s;
    return readInto(sealed);
}
