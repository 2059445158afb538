#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

namespace quarvel {

// The rows of one statement as libpq returned them, whole. Values come converted to what the
// data layer handles: integers as qlonglong, numbers with a fraction as double (an integral
// number as qlonglong, as SQLite stores it), dates as 'YYYY-MM-DD' text, booleans as 0 or 1,
// bytea as QByteArray, everything else as QString; SQL NULL as a null QVariant.
class PostgresResult {
public:
    explicit PostgresResult(PGresult* result);
    ~PostgresResult();
    PostgresResult(PostgresResult&& other) noexcept;
    PostgresResult& operator=(PostgresResult&& other) = delete;
    PostgresResult(const PostgresResult&) = delete;
    PostgresResult& operator=(const PostgresResult&) = delete;

    int rows() const;
    int columns() const;
    QString columnName(int column) const;
    unsigned tableOid(int column) const; // 0 for a computed column
    int tableColumn(int column) const;   // the column's number in that table
    unsigned typeOid(int column) const;
    QVariant value(int row, int column) const;
    // The number of rows the statement inserted, changed or deleted.
    qint64 affected() const;

private:
    PGresult* m_result;
};

// One libpq connection on a PostgreSQL server database. Statements run with their values
// bound as parameters ($1, $2...), typed by the server from where they stand. Every failure
// throws DatabaseError with the server's message; the SQLSTATE decides its constraint (class
// 23) and kind (a write refused for want of privilege, or in a read-only transaction, is
// ReadOnly when `write` is set).
class PostgresLink {
public:
    // Connects with a libpq connection URL; the password comes from the URL when it holds one,
    // otherwise from libpq's usual places (PGPASSWORD, the password file). Connecting gives up
    // after defaultConnectTimeoutSeconds unless the URL sets connect_timeout; TCP keepalives
    // and a user timeout end a connection whose server or network has gone.
    static constexpr int defaultConnectTimeoutSeconds = 10;
    static std::unique_ptr<PostgresLink> connect(const QString& url);
    ~PostgresLink();
    PostgresLink(const PostgresLink&) = delete;
    PostgresLink& operator=(const PostgresLink&) = delete;

    PostgresResult exec(const QString& sql, const QVector<QVariant>& values = {},
                        bool write = false) const;
    // Runs one or more statements without values; the rows changed by the last.
    qint64 execScript(const QString& sql, bool write = false) const;
    // COPY ... FROM STDIN with `data` in COPY's text format.
    void copyIn(const QString& copySql, const QByteArray& data) const;

    // How long a statement waits for the server to answer before the connection is given up
    // (DatabaseError); two minutes unless set. Negative: as long as it takes (quarvel-db, whose
    // long loads a user can interrupt in the terminal).
    static void setAnswerTimeout(int milliseconds);
    // The version of libpq the program runs with ("15.14").
    static QString libraryVersion();

    // Connected, and no transaction or statement open: fit to go back to a pool.
    bool isIdle() const;
    bool isBroken() const;

    // For a connection that listens (LISTEN channel): the socket to watch for the server's
    // messages, and the payloads of the notifications that arrived, in order.
    int socket() const;
    QStringList takeNotifications();
    // In a transaction that a failed statement has ended on the server.
    bool inFailedTransaction() const;
    QString databaseName() const { return m_name; }

    // Set by the session that first used this connection (see PostgresSession::open).
    bool checked = false;
    bool readOnly = false;

private:
    PostgresLink(PGconn* connection, QString name);
    [[noreturn]] void fail(PGresult* result, bool write) const;
    // The next result of the statement sent, waiting at most the answer timeout for it;
    // nullptr when there is none left.
    PGresult* nextResult() const;

    static inline int s_answerTimeoutMs = 120000;

    PGconn* m_connection;
    QString m_name;
    // Given up after the server did not answer: never used again.
    mutable bool m_abandoned = false;
};

// Whether a connection string names a PostgreSQL database (postgresql:// or postgres://).
bool isPostgresUrl(const QString& text);
// The URL without its password, if it holds one: what the program shows and keeps.
QString withoutPassword(const QString& url);

} // namespace quarvel
