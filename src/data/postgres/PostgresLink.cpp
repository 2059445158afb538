#include "data/postgres/PostgresLink.h"

#include "data/DatabaseError.h"
#include "data/ProgramUser.h"
#include "data/Tr.h"

#include <QDate>
#include <QDeadlineTimer>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <libpq-fe.h>
#include <poll.h>
#include <sys/socket.h>
#include <vector>

namespace quarvel {

namespace {

// Type OIDs of the server's built-in types (pg_type.dat; they never change).
constexpr Oid boolOid = 16, byteaOid = 17, int8Oid = 20, int2Oid = 21, int4Oid = 23, oidOid = 26,
              float4Oid = 700, float8Oid = 701, numericOid = 1700;

DatabaseError::Constraint constraintOf(const QByteArray& state) {
    if (state == "23503")
        return DatabaseError::Constraint::ForeignKey;
    if (state == "23502")
        return DatabaseError::Constraint::NotNull;
    if (state == "23505")
        return DatabaseError::Constraint::Unique;
    if (state == "23514")
        return DatabaseError::Constraint::Check;
    return state.startsWith("23") ? DatabaseError::Constraint::Other
                                  : DatabaseError::Constraint::None;
}

QVariant numberFrom(const QByteArray& text) {
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok);
    if (ok)
        return n;
    return text.toDouble();
}

// A value bound as text: the server reads it as the type of the place it stands in.
QByteArray textOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? "1" : "0";
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate).toUtf8();
    default:
        return value.toString().toUtf8();
    }
}

} // namespace

PostgresResult::PostgresResult(PGresult* result) : m_result(result) {}

PostgresResult::~PostgresResult() {
    if (m_result)
        PQclear(m_result);
}

PostgresResult::PostgresResult(PostgresResult&& other) noexcept : m_result(other.m_result) {
    other.m_result = nullptr;
}

int PostgresResult::rows() const {
    return PQntuples(m_result);
}

int PostgresResult::columns() const {
    return PQnfields(m_result);
}

QString PostgresResult::columnName(int column) const {
    return QString::fromUtf8(PQfname(m_result, column));
}

unsigned PostgresResult::tableOid(int column) const {
    return PQftable(m_result, column);
}

int PostgresResult::tableColumn(int column) const {
    return PQftablecol(m_result, column);
}

unsigned PostgresResult::typeOid(int column) const {
    return PQftype(m_result, column);
}

qint64 PostgresResult::affected() const {
    return QByteArray(PQcmdTuples(m_result)).toLongLong();
}

QVariant PostgresResult::value(int row, int column) const {
    if (PQgetisnull(m_result, row, column))
        return QVariant();
    const char* raw = PQgetvalue(m_result, row, column);
    const int length = PQgetlength(m_result, row, column);
    switch (PQftype(m_result, column)) {
    case boolOid:
        return qlonglong(raw[0] == 't' ? 1 : 0);
    case int2Oid:
    case int4Oid:
    case int8Oid:
    case oidOid:
        return QByteArray::fromRawData(raw, length).toLongLong();
    case float4Oid:
    case float8Oid:
    case numericOid:
        return numberFrom(QByteArray(raw, length));
    case byteaOid: {
        size_t size = 0;
        unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(raw), &size);
        QByteArray data(reinterpret_cast<const char*>(bytes), qsizetype(size));
        PQfreemem(bytes);
        return data;
    }
    default:
        return QString::fromUtf8(raw, length);
    }
}

QString PostgresLink::libraryVersion() {
    const int version = PQlibVersion();
    return QStringLiteral("%1.%2").arg(version / 10000).arg(version % 10000);
}

PostgresLink::PostgresLink(PGconn* connection, QString name)
    : m_connection(connection), m_name(std::move(name)) {}

PostgresLink::~PostgresLink() {
    PQfinish(m_connection);
}

std::unique_ptr<PostgresLink> PostgresLink::connect(const QString& url) {
    const QByteArray dbname = url.toUtf8();
    const QByteArray connectTimeout = QByteArray::number(defaultConnectTimeoutSeconds);
    // An administrator sees who is connected ("Quarvel 1.0 alice"), unless the URL names the
    // application itself.
    const QByteArray application = applicationName().toUtf8();
    // The URL is expanded where "dbname" stands: its parameters win over the keywords before
    // it (the defaults: a server that never answers, or a network that drops the connection,
    // ends in an error instead of a window that waits for ever), the keywords after it win
    // over its parameters.
    const char* keywords[] = {"connect_timeout",
                              "keepalives",
                              "keepalives_idle",
                              "keepalives_interval",
                              "keepalives_count",
                              "tcp_user_timeout",
                              "dbname",
                              "client_encoding",
                              "fallback_application_name",
                              nullptr};
    const char* values[] = {
        connectTimeout.constData(), "1",    "30", "10", "3", "60000", dbname.constData(), "UTF8",
        application.constData(),    nullptr};
    PGconn* connection = PQconnectdbParams(keywords, values, 1);
    const QString name = withoutPassword(url);
    if (!connection)
        throw DatabaseError(Tr::tr("Could not connect to the database '%1'.").arg(name));
    std::unique_ptr<PostgresLink> link(new PostgresLink(connection, name));
    if (PQstatus(connection) != CONNECTION_OK) {
        const QString host = QString::fromUtf8(PQhost(connection));
        const QString port = QString::fromUtf8(PQport(connection));
        throw DatabaseError(
            Tr::tr("Could not connect to the database '%1' on the server %2 (port %3): "
                   "%4\nCheck that the server is running and reachable from this "
                   "computer, and that the URL names the right host, port, database "
                   "and user.")
                .arg(name, host.isEmpty() ? QStringLiteral("localhost") : host,
                     port.isEmpty() ? QStringLiteral("5432") : port,
                     QString::fromUtf8(PQerrorMessage(connection)).trimmed()));
    }
    // Dates are read and written as 'YYYY-MM-DD'.
    link->execScript(QStringLiteral("SET DateStyle = 'ISO, MDY'; SET IntervalStyle = 'postgres'"));
    return link;
}

void PostgresLink::fail(PGresult* result, bool write) const {
    const QByteArray state =
        result ? QByteArray(PQresultErrorField(result, PG_DIAG_SQLSTATE)) : QByteArray();
    QString message =
        result ? QString::fromUtf8(PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)) : QString();
    if (message.isEmpty())
        message = QString::fromUtf8(PQerrorMessage(m_connection)).trimmed();
    if (result)
        PQclear(result);
    if (write && (state == "42501" || state == "25006"))
        throw DatabaseError(Tr::tr("The database '%1' is read-only: changes cannot be "
                                   "saved in it (%2).")
                                .arg(m_name, message),
                            DatabaseError::Kind::ReadOnly);
    throw DatabaseError(message, DatabaseError::Kind::Failure, constraintOf(state));
}

PostgresResult PostgresLink::exec(const QString& sql, const QVector<QVariant>& values,
                                  bool write) const {
    const int count = int(values.size());
    std::vector<QByteArray> texts(count);
    std::vector<const char*> pointers(count, nullptr);
    std::vector<int> lengths(count, 0), formats(count, 0);
    std::vector<Oid> types(count, 0);
    for (int i = 0; i < count; ++i) {
        const QVariant& v = values[i];
        if (!v.isValid() || v.isNull())
            continue;
        if (v.typeId() == QMetaType::QByteArray) {
            texts[i] = v.toByteArray();
            formats[i] = 1;
            types[i] = byteaOid;
        } else {
            texts[i] = textOf(v);
        }
        pointers[i] = texts[i].constData();
        lengths[i] = int(texts[i].size());
    }
    if (!PQsendQueryParams(m_connection, sql.toUtf8().constData(), count, types.data(),
                           pointers.data(), lengths.data(), formats.data(), 0))
        fail(nullptr, write);
    // One statement gives one result; the rest are read so that the connection is idle again.
    PGresult* result = nextResult();
    while (PGresult* more = nextResult())
        PQclear(more);
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        fail(result, write);
    return PostgresResult(result);
}

PGresult* PostgresLink::nextResult() const {
    QDeadlineTimer deadline(s_answerTimeoutMs);
    while (PQisBusy(m_connection)) {
        pollfd socket{PQsocket(m_connection), POLLIN, 0};
        const int ready = ::poll(&socket, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            // The server took the statement and says nothing: the connection is given up, so
            // that the window is not held for ever. The server ends the statement by itself
            // when it finds the connection gone.
            m_abandoned = true;
            ::shutdown(PQsocket(m_connection), SHUT_RDWR);
            throw DatabaseError(Tr::tr("The server of the database '%1' did not answer "
                                       "for %2 seconds, and the statement was given up. "
                                       "Check that the server is running and reachable "
                                       "from this computer; what was being saved may "
                                       "not have been saved.")
                                    .arg(m_name)
                                    .arg(std::max(1, s_answerTimeoutMs / 1000)));
        }
        if (ready < 0 || !PQconsumeInput(m_connection))
            break; // the connection failed: PQgetResult says how
    }
    return PQgetResult(m_connection);
}

void PostgresLink::setAnswerTimeout(int milliseconds) {
    s_answerTimeoutMs = milliseconds;
}

qint64 PostgresLink::execScript(const QString& sql, bool write) const {
    if (!PQsendQuery(m_connection, sql.toUtf8().constData()))
        fail(nullptr, write);
    // Every result is read, so that the connection is idle again even after a failure.
    PGresult* failed = nullptr;
    qint64 affected = 0;
    while (PGresult* result = nextResult()) {
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK &&
            status != PGRES_EMPTY_QUERY && !failed) {
            failed = result;
            continue;
        }
        affected = QByteArray(PQcmdTuples(result)).toLongLong();
        PQclear(result);
    }
    if (failed)
        fail(failed, write);
    return affected;
}

void PostgresLink::copyIn(const QString& copySql, const QByteArray& data) const {
    PGresult* start = PQexec(m_connection, copySql.toUtf8().constData());
    if (!start || PQresultStatus(start) != PGRES_COPY_IN)
        fail(start, true);
    PQclear(start);
    if (PQputCopyData(m_connection, data.constData(), int(data.size())) != 1 ||
        PQputCopyEnd(m_connection, nullptr) != 1)
        fail(nullptr, true);
    PGresult* failed = nullptr;
    while (PGresult* result = PQgetResult(m_connection)) {
        if (PQresultStatus(result) != PGRES_COMMAND_OK && !failed) {
            failed = result;
            continue;
        }
        PQclear(result);
    }
    if (failed)
        fail(failed, true);
}

bool PostgresLink::isIdle() const {
    return !m_abandoned && PQstatus(m_connection) == CONNECTION_OK &&
           PQtransactionStatus(m_connection) == PQTRANS_IDLE;
}

int PostgresLink::socket() const {
    return PQsocket(m_connection);
}

QStringList PostgresLink::takeNotifications() {
    QStringList payloads;
    if (!PQconsumeInput(m_connection))
        return payloads;
    while (PGnotify* notice = PQnotifies(m_connection)) {
        payloads << QString::fromUtf8(notice->extra);
        PQfreemem(notice);
    }
    return payloads;
}

bool PostgresLink::isBroken() const {
    return m_abandoned || PQstatus(m_connection) != CONNECTION_OK;
}

bool PostgresLink::inFailedTransaction() const {
    return PQtransactionStatus(m_connection) == PQTRANS_INERROR;
}

bool isPostgresUrl(const QString& text) {
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString withoutPassword(const QString& url) {
    QString result = url;
    const qsizetype scheme = result.indexOf(QLatin1String("://"));
    if (scheme < 0)
        return result;
    const qsizetype start = scheme + 3;
    qsizetype end = result.indexOf(u'/', start);
    const qsizetype query = result.indexOf(u'?', start);
    if (end < 0 || (query >= 0 && query < end))
        end = query;
    if (end < 0)
        end = result.size();
    // user:password@host: the password ends at the last '@' of the authority (an '@' inside
    // it is written %40).
    const qsizetype at = result.lastIndexOf(u'@', end - 1);
    if (at >= start) {
        const qsizetype colon = result.indexOf(u':', start);
        if (colon >= 0 && colon < at)
            result.remove(colon, at - colon);
    }
    // A password given as a parameter goes too, however its key is written: libpq decodes
    // percent-encoded keys ("pass%77ord" is "password"); keys are compared without case, so
    // that a spelling libpq refuses is not shown either.
    const qsizetype parameters = result.indexOf(u'?');
    if (parameters >= 0) {
        QStringList kept;
        for (const QString& p : result.mid(parameters + 1).split(u'&')) {
            const QString key = QUrl::fromPercentEncoding(p.section(u'=', 0, 0).toUtf8());
            if (key.trimmed().compare(QLatin1String("password"), Qt::CaseInsensitive) != 0)
                kept << p;
        }
        result.truncate(parameters);
        if (!kept.isEmpty())
            result += u'?' + kept.join(u'&');
    }
    return result;
}

} // namespace quarvel
