#include "store/Transaction.h"

#include "store/DbConnection.h"

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
