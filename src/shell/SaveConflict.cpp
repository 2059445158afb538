#include "shell/SaveConflict.h"

#include "controls/ValueFormat.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QStringList>

namespace quarvel::shell {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SaveConflict", text);
}

QString shown(const QVariant& value) {
    return QStringLiteral("\"") + controls::ValueFormat::displayText(value) + QStringLiteral("\"");
}

} // namespace

bool updateAskingOnConflict(QWidget* parent, Recordset& rs) {
    try {
        rs.Update();
        return true;
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Conflict)
            throw;
    }
    rs.Resync();
    QStringList differences;
    for (int column = 0; column < rs.fieldCount(); ++column) {
        if (!rs.isFieldUpdatable(column))
            continue;
        const QVariant stored = rs.OriginalValue(column);
        const QVariant typed = rs.Fields(column);
        const QString storedText = shown(stored);
        const QString typedText = shown(typed);
        if (storedText != typedText)
            differences
                << tr("%1: stored %2, yours %3").arg(rs.fieldName(column), storedText, typedText);
    }
    if (differences.isEmpty()) {
        // The other user stored what was typed here: there is nothing left to choose.
        rs.Update();
        return true;
    }
    platform::MessageBoxSpec spec;
    spec.title = tr("Question");
    spec.text = tr("Another user changed this record after you read it.") +
                QStringLiteral("\r\n\r\n") + differences.join(QStringLiteral("\r\n")) +
                QStringLiteral("\r\n\r\n") +
                tr("Save your values over the stored ones? No shows the stored values.");
    spec.buttons = QMessageBox::Yes | QMessageBox::No;
    spec.defaultButton = QMessageBox::No;
    if (platform::showMessageBox(parent, spec) == QMessageBox::Yes) {
        rs.Update();
        return true;
    }
    rs.CancelUpdate();
    return false;
}

} // namespace quarvel::shell
