#include "store/PinyinCollation.h"

#include "store/SurnameOrder.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QVarLengthArray>

#include <sqlite3.h>

#include <cstring>

namespace PinyinCollation {

namespace {

QCollator& collator()
{
    thread_local QCollator c = [] {
        QCollator made(QLocale(QLocale::Chinese, QLocale::China));
        made.setCaseSensitivity(Qt::CaseSensitive);
        return made;
    }();
    return c;
}

int compareBytes(bool names, int n1, const void* v1, int n2, const void* v2)
{
    const auto* a = static_cast<const unsigned char*>(v1);
    const auto* b = static_cast<const unsigned char*>(v2);
    const int common = n1 < n2 ? n1 : n2;
    const int bytes = std::memcmp(a, b, static_cast<size_t>(common));
    const int byteOrder = bytes != 0 ? bytes : (n1 - n2);
    if (byteOrder == 0)
        return 0;
    // No shortcut for ASCII texts: mixing byte order and collator order would break the total
    // order an index relies on.
    const QString sa = QString::fromUtf8(reinterpret_cast<const char*>(a), n1);
    const QString sb = QString::fromUtf8(reinterpret_cast<const char*>(b), n2);
    const int order = names ? collator().compare(SurnameOrder::sortText(sa), SurnameOrder::sortText(sb))
                            : collator().compare(sa, sb);
    if (order != 0)
        return order;
    return byteOrder;
}

int comparePinyin(void*, int n1, const void* v1, int n2, const void* v2)
{
    return compareBytes(false, n1, v1, n2, v2);
}

int compareName(void*, int n1, const void* v1, int n2, const void* v2)
{
    return compareBytes(true, n1, v1, n2, v2);
}

} // namespace

int compareNames(const QString& a, const QString& b)
{
    const int order = collator().compare(SurnameOrder::sortText(a), SurnameOrder::sortText(b));
    return order != 0 ? order : compare(a, b);
}

int compare(const QString& a, const QString& b)
{
    const int order = collator().compare(a, b);
    if (order != 0)
        return order;
    // Ties are broken as the database breaks them: by the UTF-8 bytes, which order as code points.
    return a.compare(b, Qt::CaseSensitive) < 0 ? -1 : (a == b ? 0 : 1);
}

bool registerOn(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, name, SQLITE_UTF8, nullptr, &comparePinyin, nullptr) == SQLITE_OK
        && sqlite3_create_collation_v2(db, nameOrder, SQLITE_UTF8, nullptr, &compareName, nullptr) == SQLITE_OK;
}

} // namespace PinyinCollation
