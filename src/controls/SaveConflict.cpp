#include "controls/SaveConflict.h"

#include "controls/Tr.h"
#include "controls/ValueFormat.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"

#include <QStringList>

namespace quarvel::controls {

namespace {

QString shown(const QVariant& value) {
    return QStringLiteral("\"") + ValueFormat::displayText(value) + QStringLiteral("\"");
}

} // namespace

SaveOutcome updateAskingOnConflict(QWidget* parent, Recordset& rs) {
    try {
        rs.Update();
        return SaveOutcome::Written;
    } catch (const DatabaseError& error) {
        if (error.kind() != DatabaseError::Kind::Conflict)
            throw;
    }
    // The stored values are read without touching the row: kept typing still conflicts.
    const QVector<QVariant> stored = rs.StoredValues();
    QStringList differences;
    for (int column = 0; column < rs.fieldCount(); ++column) {
        if (!rs.isFieldUpdatable(column))
            continue;
        const QString storedText = shown(stored.value(column));
        const QString typedText = shown(rs.Fields(column));
        if (storedText != typedText)
            differences << Tr::tr("%1: stored %2, yours %3")
                               .arg(rs.fieldName(column), storedText, typedText);
    }
    if (differences.isEmpty()) {
        // The other user stored what was typed here: there is nothing left to choose.
        rs.Resync();
        rs.Update();
        return SaveOutcome::Written;
    }
    platform::MessageBoxSpec spec;
    spec.title = Tr::tr("Question");
    spec.text = Tr::tr("Another user changed this record after you read it.") +
                QStringLiteral("\r\n\r\n") + differences.join(QStringLiteral("\r\n")) +
                QStringLiteral("\r\n\r\n") +
                Tr::tr("Save Mine writes your values over the stored ones. Take Theirs shows the "
                       "stored values instead of yours. Keep Editing leaves your values in the "
                       "window, unsaved.");
    spec.icon = QMessageBox::Warning;
    spec.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    spec.defaultButton = QMessageBox::Cancel;
    spec.captions = {{QMessageBox::Yes, Tr::tr("&Save Mine")},
                     {QMessageBox::No, Tr::tr("&Take Theirs")},
                     {QMessageBox::Cancel, Tr::tr("&Keep Editing")}};
    switch (platform::showMessageBox(parent, spec)) {
    case QMessageBox::Yes:
        rs.Resync();
        rs.Update();
        return SaveOutcome::Written;
    case QMessageBox::No:
        rs.Resync();
        rs.CancelUpdate();
        return SaveOutcome::TookStored;
    default:
        return SaveOutcome::KeptTyping;
    }
}

bool settleBeforeLeaving(QWidget* parent, Recordset& rs) {
    if (!rs.isOpen() || rs.AbsolutePosition() < 0 || rs.EditMode() == Recordset::adEditNone)
        return true;
    return updateAskingOnConflict(parent, rs) != SaveOutcome::KeptTyping;
}

} // namespace quarvel::controls
