#pragma once

struct sqlite3;

namespace quarvel::sqlite {

class Database;

// A transaction for the life of the object: begun by the constructor, rolled back by the
// destructor unless commit() succeeded, so a thrown exception never leaves half of a change
// behind. A commit that fails (a lock, a deferred constraint) throws and leaves the
// transaction to the destructor's rollback.
class Transaction {
public:
    enum class Kind {
        Deferred,  // locks are taken by the first read or write
        Immediate, // the write lock is taken at once
        Exclusive, // no other connection may read either (rollback journal)
    };

    explicit Transaction(sqlite3* db, Kind kind = Kind::Deferred);
    explicit Transaction(Database& db, Kind kind = Kind::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    sqlite3* m_db;
    bool m_open = true;
};

} // namespace quarvel::sqlite
