#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

// quarvel-test-saver (saver.cpp) run as a real second program beside a test.

// A saver that is killed when the test leaves it, also after a failed check.
struct SaverEnd {
    void operator()(QProcess* saver) const {
        saver->kill();
        saver->waitForFinished();
        delete saver;
    }
};
using Saver = std::unique_ptr<QProcess, SaverEnd>;

// Starts the saver on `database` with `options` (see saver.cpp).
inline Saver startSaver(const QString& database, const QStringList& options = {}) {
    Saver saver(new QProcess);
    saver->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver->start(QStringLiteral(QUARVEL_TEST_SAVER), QStringList{database} + options);
    return saver;
}

// The next line the saver printed, without its line end; empty when it printed none in time.
inline QString replyOf(QProcess& saver) {
    while (!saver.canReadLine()) {
        if (!saver.waitForReadyRead(30000))
            return {};
    }
    return QString::fromUtf8(saver.readLine()).trimmed();
}
