#pragma once

#include <memory>

namespace quarvel {

class Connection;

// A transaction for the life of the object: begun on the connection by the constructor,
// rolled back by the destructor unless commit() succeeded, so that a thrown exception never
// leaves half of a change behind.
class Transaction {
public:
    explicit Transaction(std::shared_ptr<Connection> connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    std::shared_ptr<Connection> m_connection;
    bool m_open = true;
};

} // namespace quarvel
