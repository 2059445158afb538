#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quarvel::backup {

// Runs `quarvel-db` (beside the program, else on the PATH) with `arguments` and waits for it,
// the program repainting meanwhile (input waits). Empty when it succeeded; otherwise its own
// message, or `failure` when it said none.
QString
runDbTool(const QStringList& arguments, const QString& failure,
          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace quarvel::backup
