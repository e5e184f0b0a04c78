#include "store/Transaction.h"

#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

Transaction::Transaction(DbConnection& db)
    : m_db(db)
    , m_active(db.beginTransaction())
{ }

Transaction::~Transaction()
{
    if (m_active)
        m_db.rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    if (!m_db.commit()) {
        m_db.rollback();
        m_active = false;
        return false;
    }
    m_active = false;
    return true;
}

bool Transaction::lockTables(const QStringList& tables)
{
    if (!m_active)
        return false;
    return !m_db.isServer() || m_db.execute(u"lock table "_s + tables.join(u", "_s) + u" in exclusive mode"_s);
}
