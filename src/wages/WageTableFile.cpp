#include "wages/WageTableFile.h"

#include "sheet/SheetFormat.h"
#include "sheet/SheetTable.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

using namespace Qt::StringLiterals;

namespace WageTableFile {

namespace {

constexpr char passPhrase[] = "R7TM";

void fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
}

} // namespace

QString relativePath(int sheet)
{
    if (sheet < 1 || sheet > SheetCount)
        return {};
    return u"\\data\\00"_s + QString::number(sheet) + u".xsk"_s;
}

QString sheetName(int sheet)
{
    static const char16_t* const numbers[] = {u"一", u"二", u"三", u"四", u"五"};
    if (sheet < 1 || sheet > SheetCount)
        return {};
    return u"工资表"_s + QString::fromUtf16(numbers[sheet - 1]);
}

DesCipher::Key key()
{
    DesCipher::Key k {};
    for (size_t i = 0; i < sizeof(passPhrase) - 1; ++i)
        k[i % k.size()] ^= quint8(passPhrase[i]);
    return k;
}

QByteArray seal(QByteArrayView payload)
{
    const qsizetype plainSize
        = (4 + payload.size() + DesCipher::BlockSize - 1) / DesCipher::BlockSize * DesCipher::BlockSize;
    QByteArray plain(plainSize, '\0');
    qToLittleEndian<quint32>(quint32(payload.size()), plain.data());
    if (!payload.isEmpty())
        std::memcpy(plain.data() + 4, payload.data(), size_t(payload.size()));
    return DesCipher(key()).encrypt(plain);
}

std::optional<QByteArray> unseal(QByteArrayView file)
{
    const qint64 size = file.size();
    if (size <= 0 || size % DesCipher::BlockSize != 0)
        return std::nullopt;
    const QByteArray plain = DesCipher(key()).decrypt(file);
    // Unsigned and in 64 bits, so a length field near 2^32 cannot wrap round the checks.
    const qint64 length = qFromLittleEndian<quint32>(plain.constData());
    if (length <= 0 || length + 4 > size || size >= length + 12)
        return std::nullopt;
    return plain.mid(4, length);
}

QByteArray write(const SheetTable& table)
{
    return seal(table.serialise());
}

bool read(QByteArrayView file, SheetTable& table, QString* error)
{
    const std::optional<QByteArray> payload = unseal(file);
    if (!payload) {
        fail(error, u"not a wage file"_s);
        return false;
    }
    // Checked before the table is touched: the pages index columns 7 .. 9 and the last row.
    SheetData data;
    if (!SheetFormat::read(*payload, data, error))
        return false;
    if (data.columns != Columns || data.rows < 2) {
        fail(error, u"not a wage sheet: %1 rows, %2 columns"_s.arg(data.rows).arg(data.columns));
        return false;
    }
    table.load(std::move(data));
    return true;
}

QByteArray templateBytes()
{
    QFile file(u":/templates/wage.xsk"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace WageTableFile
