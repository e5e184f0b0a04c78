#include "RefusingTrigger.h"

#include "store/DbConnection.h"

#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace RefusingTrigger {

bool execute(DbConnection& db, const QString& sql)
{
    if (!db.isServer())
        return db.execute(sql);
    // The table of each trigger made, which the server's drop names.
    static QHash<QString, QString> tables;
    static const QRegularExpression create(
        u"^\\s*create\\s+trigger\\s+(\\w+)\\s+(before\\s+\\w+\\s+on\\s+(\\w+))\\s+(?:when\\s+(.*?)\\s+)?"_s
        u"begin\\s+select\\s+raise\\s*\\(\\s*abort\\s*,\\s*'([^']*)'\\s*\\)\\s*;\\s*end\\s*$"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption
            | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression drop(u"^\\s*drop\\s+trigger\\s+(\\w+)\\s*$"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    if (const auto m = create.match(sql); m.hasMatch()) {
        const QString function = m.captured(1) + u"_refuses"_s;
        const QString condition = m.captured(4).isEmpty() ? u"true"_s : m.captured(4);
        tables.insert(m.captured(1), m.captured(3));
        return db.execute(u"create or replace function "_s + function
                   + u"() returns trigger language plpgsql as $$ begin if "_s + condition + u" then raise exception '"_s
                   + m.captured(5) + u"'; end if; if tg_op = 'DELETE' then return old; end if; return new; end $$"_s)
            && db.execute(u"create trigger "_s + m.captured(1) + u' ' + m.captured(2)
                + u" for each row execute function "_s + function + u"()"_s);
    }
    if (const auto m = drop.match(sql); m.hasMatch())
        return db.execute(u"drop trigger "_s + m.captured(1) + u" on "_s + tables.value(m.captured(1)));
    return db.execute(sql);
}

} // namespace RefusingTrigger
