#include "data/sqlite/FileHealth.h"

#include "data/Tr.h"
#include "sqlite/Database.h"
#include "sqlite/Error.h"

#include <QFile>
#include <QHash>
#include <QUrl>
#include <condition_variable>
#include <mutex>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace quarvel {

namespace {

struct State {
    std::mutex mutex;
    std::condition_variable ended;
    int running = 0;
    // identity -> empty while checking or sound, else the damage message.
    QHash<QString, QString> files;
    std::function<void(const QString&)> listener;
    std::vector<std::thread> threads;
    // The connections being checked, interrupted when the program ends.
    std::vector<sqlite3*> checking;

    ~State() {
        {
            std::lock_guard lock(mutex);
            for (sqlite3* db : checking)
                sqlite3_interrupt(db);
        }
        for (std::thread& thread : threads)
            thread.join();
    }
};

State& state() {
    static State s;
    return s;
}

// What SQLite's quick check finds in the file; empty when it is sound. A check that cannot
// run (the file is busy, gone, or the program is ending) finds nothing.
QString findDamage(const QString& absolutePath) {
    try {
        QUrl uri = QUrl::fromLocalFile(absolutePath);
        uri.setQuery(QStringLiteral("mode=ro"));
        sqlite::Database db(uri.toString(QUrl::FullyEncoded), sqlite::OpenMode::ReadOnly, true,
                            true);
        db.setBusyTimeout(5000);
        {
            std::lock_guard lock(state().mutex);
            state().checking.push_back(db.handle());
        }
        QString finding;
        try {
            sqlite::Statement check = db.prepare(QStringLiteral("PRAGMA quick_check(1)"));
            if (check.step() && check.text(0) != QLatin1String("ok"))
                finding = check.text(0);
        } catch (const sqlite::Error& e) {
            if (e.code() == SQLITE_CORRUPT || e.code() == SQLITE_NOTADB)
                finding = e.message();
        }
        std::lock_guard lock(state().mutex);
        std::erase(state().checking, db.handle());
        return finding;
    } catch (const sqlite::Error&) {
        return {};
    }
}

void check(const QString& absolutePath, const QString& identity) {
    const QString finding = findDamage(absolutePath);
    std::function<void(const QString&)> listener;
    QString message;
    if (!finding.isEmpty()) {
        std::lock_guard lock(state().mutex);
        message = FileHealth::damagedMessage(absolutePath, finding);
        state().files[identity] = message;
        listener = state().listener;
    }
    // The check has ended only once the damage has been told.
    if (listener)
        listener(message);
    {
        std::lock_guard lock(state().mutex);
        --state().running;
    }
    state().ended.notify_all();
}

} // namespace

QString FileHealth::identityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return QStringLiteral("%1:%2").arg(quint64(info.st_dev)).arg(quint64(info.st_ino));
}

QString FileHealth::damagedMessage(const QString& absolutePath, const QString& finding) {
    return Tr::tr("The database file '%1' is damaged (%2). Run quarvel-db check on it "
                  "to see what is damaged, and restore it from a backup. Changes are "
                  "not saved in a damaged file.")
        .arg(absolutePath, finding.section(u'\n', 0, 0));
}

void FileHealth::checkOnce(const QString& absolutePath) {
    const QString identity = identityOf(absolutePath);
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (identity.isEmpty() || s.files.contains(identity))
        return;
    s.files.insert(identity, QString());
    ++s.running;
    s.threads.emplace_back(check, absolutePath, identity);
}

std::optional<QString> FileHealth::damage(const QString& path) {
    const QString identity = identityOf(path);
    State& s = state();
    std::lock_guard lock(s.mutex);
    const QString message = identity.isEmpty() ? QString() : s.files.value(identity);
    if (message.isEmpty())
        return std::nullopt;
    return message;
}

void FileHealth::setListener(std::function<void(const QString&)> listener) {
    std::lock_guard lock(state().mutex);
    state().listener = std::move(listener);
}

void FileHealth::waitForChecks() {
    State& s = state();
    std::unique_lock lock(s.mutex);
    s.ended.wait(lock, [&] { return s.running == 0; });
}

void FileHealth::forget() {
    waitForChecks();
    std::lock_guard lock(state().mutex);
    state().files.clear();
}

} // namespace quarvel
