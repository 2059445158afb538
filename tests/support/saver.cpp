// quarvel-test-saver DATABASE [--free N] [--tag T]: a second program that saves through the
// data layer, as a window does, for the tests and the fault run that watch it from another
// process. quarvel-test-saver FILE --read: a program that opens the file, reads it and
// closes it again, over and over until it is stopped, as a user's other tools do.
// quarvel-test-saver FILE --hold: a program in the middle of writing: it holds the file's
// exclusive lock, says "ready", and lets go when its standard input ends.
//
// It first opens two connections at once (as a window opening its recordsets does), so that
// whatever the data layer does when it opens a connection happens while another one is open.
// It prints "ready", then saves:
//   - by default, one save for each line read from standard input: "insert" adds a category,
//     "update" changes the City of the first supplier, "exec <statement>" runs the statement;
//   - with --free N, N category inserts one after the other without waiting.
// Each save is answered on a line of its own, flushed at once:
//   "saved <CategoryID> <CategoryName>", "updated <City>" or "done" after the data layer said the
//   save
// succeeded, "refused <CategoryName or City> <message>" after it said the save failed.
// Category names are "<tag>-<n>" (tag "s" unless --tag gives one), so that several savers on
// one database write names of their own.
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "sqlite/Database.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <string>

using namespace quarvel;

namespace {

void say(const QString& line) {
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// One message on one line.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(u'\n', u' ');
    return line;
}

void insertCategory(Recordset& categories, const QString& name) {
    try {
        categories.AddNew();
        categories.setField("CategoryName", name);
        categories.Update();
        say(QStringLiteral("saved %1 %2").arg(categories.Fields("CategoryID").toString(), name));
    } catch (const DatabaseError& e) {
        try {
            categories.CancelUpdate();
        } catch (const DatabaseError&) {
        }
        say(QStringLiteral("refused %1 %2").arg(name, oneLine(e.message())));
    }
}

void updateCity(Recordset& suppliers, const QString& city) {
    try {
        suppliers.MoveFirst();
        suppliers.setField("City", city);
        suppliers.Update();
        say(QStringLiteral("updated %1").arg(city));
    } catch (const DatabaseError& e) {
        try {
            suppliers.CancelUpdate();
        } catch (const DatabaseError&) {
        }
        say(QStringLiteral("refused %1 %2").arg(city, oneLine(e.message())));
    }
}

// A statement in the program's dialect, on a connection of the program's (whose history names
// this login).
void execute(Connection& connection, const QString& sql) {
    try {
        connection.execute(sql);
        say(QStringLiteral("done"));
    } catch (const DatabaseError& e) {
        say(QStringLiteral("refused %1").arg(oneLine(e.message())));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fputs("usage: quarvel-test-saver DATABASE [--free N] [--tag T]\n", stderr);
        return 2;
    }
    if (args.contains(QStringLiteral("--hold"))) {
        sqlite::Database file(args[1], sqlite::OpenMode::ReadWrite);
        file.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        say(QStringLiteral("ready"));
        std::string line;
        while (std::getline(std::cin, line)) {
        }
        return 0;
    }
    if (args.contains(QStringLiteral("--read"))) {
        say(QStringLiteral("ready"));
        for (;;) {
            try {
                sqlite::Database file(args[1], sqlite::OpenMode::ReadWrite);
                file.setBusyTimeout(1000);
                file.scalar(QStringLiteral("SELECT count(*) FROM Categories"));
            } catch (const sqlite::Error&) {
                // Busy or gone for a moment: the next round tries again.
            }
        }
    }
    const int freeIndex = args.indexOf(QStringLiteral("--free"));
    const int freeCount = freeIndex > 0 ? args.value(freeIndex + 1).toInt() : -1;
    const int tagIndex = args.indexOf(QStringLiteral("--tag"));
    const QString tag = tagIndex > 0 ? args.value(tagIndex + 1) : QStringLiteral("s");
    try {
        Recordset categories;
        categories.Open(QStringLiteral("Select * from Categories"), Connection::open(args[1]));
        Recordset suppliers;
        suppliers.Open(QStringLiteral("Select * from Suppliers"), Connection::open(args[1]));
        say(QStringLiteral("ready"));
        int n = 0;
        if (freeCount >= 0) {
            while (n < freeCount)
                insertCategory(categories, QStringLiteral("%1-%2").arg(tag).arg(++n));
            return 0;
        }
        std::string command;
        while (std::getline(std::cin, command)) {
            ++n;
            if (command == "insert")
                insertCategory(categories, QStringLiteral("%1-%2").arg(tag).arg(n));
            else if (command == "update")
                updateCity(suppliers, QStringLiteral("City-%1").arg(n));
            else if (command.rfind("exec ", 0) == 0)
                execute(*suppliers.ActiveConnection(), QString::fromStdString(command.substr(5)));
        }
    } catch (const std::exception& e) {
        say(QStringLiteral("failed %1").arg(oneLine(QString::fromUtf8(e.what()))));
        return 1;
    }
    return 0;
}
