#include "data/Transaction.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"

namespace quarvel {

Transaction::Transaction(std::shared_ptr<Connection> connection)
    : m_connection(std::move(connection)) {
    m_connection->BeginTrans();
}

Transaction::~Transaction() {
    if (!m_open || !m_connection->inTransaction())
        return;
    try {
        m_connection->RollbackTrans();
    } catch (const DatabaseError&) {
        // The engine ended the transaction itself; nothing is left to undo.
    }
}

void Transaction::commit() {
    m_connection->CommitTrans();
    m_open = false;
}

} // namespace quarvel
