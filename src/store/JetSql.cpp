#include "store/JetSql.h"

#include <QRegularExpression>

namespace JetSql {

QString toSqlite(const QString& statement)
{
    static const QRegularExpression deleteStar(
        QStringLiteral(u"^(\\s*delete)\\s*\\*\\s*(from\\b)"), QRegularExpression::CaseInsensitiveOption);
    QString sql = statement;
    sql.replace(deleteStar, QStringLiteral(u"\\1 \\2"));
    return sql;
}

} // namespace JetSql
