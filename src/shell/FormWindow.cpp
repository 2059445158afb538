#include "shell/FormWindow.h"

#include "controls/DataControl.h"
#include "controls/SaveConflict.h"
#include "data/ConnectionString.h"
#include "data/ProgramFiles.h"
#include "data/Recordset.h"
#include "data/SharedConnection.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "shell/FileExists.h"
#include "shell/Globals.h"
#include "shell/LiveRows.h"
#include "shell/Trap.h"
#include "shell/WindowLook.h"
#include "shell/WindowTable.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

#include <QShortcut>

namespace quarvel::shell {

namespace {

Qt::WindowFlags flagsOf(FormWindow::Kind kind) {
    const Qt::WindowFlags common = Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (kind == FormWindow::Kind::Main)
        return Qt::Window | Qt::WindowMinimizeButtonHint | common;
    return Qt::Dialog | common;
}

QString folderFor(const QString& programFolder, QWidget* parent) {
    if (!programFolder.isEmpty())
        return programFolder;
    if (parent) {
        if (auto* form = qobject_cast<FormWindow*>(parent->window()))
            return form->programFolder();
    }
    return dataFolder();
}

// The main window is a QDialog underneath, but a screen reader is to meet it as the
// application's main window (a frame), not as a dialog the way a message box is.
QAccessibleInterface* mainWindowAccessible(const QString&, QObject* object) {
    auto* form = qobject_cast<FormWindow*>(object);
    if (!form || !form->isMainWindow())
        return nullptr;
    return new QAccessibleWidget(form, QAccessible::Window);
}

bool hasPendingEdit(const std::shared_ptr<Recordset>& recordset) {
    return recordset && recordset->isOpen() && recordset->EditMode() != Recordset::adEditNone;
}

} // namespace

FormWindow::FormWindow(const Design& design, const QString& programFolder, QWidget* parent)
    : QDialog(parent, flagsOf(design.kind)), m_kind(design.kind),
      m_programFolder(folderFor(programFolder, parent)) {
    setObjectName(design.name);
    static const bool accessibleAsMainWindow = [] {
        QAccessible::installFactory(mainWindowAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsMainWindow);
    if (!design.caption.isEmpty())
        setWindowTitle(design.caption);
    QFont font(QStringLiteral("Arial"), 8);
    font.setBold(design.boldFont);
    setFont(font);
    setFixedSize(platform::Twips::size(design.width, design.height, this));
    auto* history = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(history, &QShortcut::activated, this,
            [this] { catchAndReport(this, [this] { showHistory(); }); });
}

LiveRows& FormWindow::liveRows() {
    if (!m_liveRows)
        m_liveRows = new LiveRows(this);
    return *m_liveRows;
}

void FormWindow::showHistory() {
    const Recordset* records = historyRecordset();
    if (records && records->isOpen() && !records->isBOF() && !records->isEOF())
        WindowTable::openWindow(WindowId::History, this);
}

QString FormWindow::closingQuestion(const QString& recordKind, const QString& recordName) {
    return QStringLiteral("  ") + recordKind +
           tr(" is changed.\r\nDo you want to save your changes for \r\n%1\r\n (choose Yes or "
              "No).")
               .arg(recordName);
}

int FormWindow::loadLook(Trap& trap, int line) {
    trap(line, [&] { SetButtonFaceColors(this); });
    trap(line + 2, [&] { setProgramIcon(); });
    trap(line + 4, [&] { loadHandCursor(); });
    return line + 6;
}

int FormWindow::openRecordset(Trap& trap, int line, controls::DataControl* control,
                              std::shared_ptr<Recordset>& variable,
                              const std::function<QString()>& source,
                              const std::function<void()>& afterBind) {
    trap(line, [&] {
        if (variable && control->recordset() == variable.get())
            control->setRecordset(nullptr);
        variable.reset();
    });
    trap(line + 2, [&] { SharedConnection = OpenConnection(); });
    trap(line + 4, [&] { variable = std::make_shared<Recordset>(); });
    trap(line + 6, [&] { recordsetOf(variable).Open(source(), SharedConnection); });
    trap(line + 8, [&] { recordsetOf(variable).Requery(); });
    trap(line + 10, [&] {
        control->setRecordset(variable.get());
        if (afterBind)
            afterBind();
    });
    return line + 12;
}

void FormWindow::setProgramIcon() {
    setWindowIcon(QIcon(QStringLiteral(":/icons/quarvel.png")));
}

void FormWindow::loadHandCursor() {
    if (FileExists(m_programFolder + QStringLiteral("/HAND-M.CUR")))
        HoverFeedback::loadHandCursor(this, m_programFolder);
    else
        HoverFeedback::setMouseIcon(this, std::nullopt);
}

void FormWindow::attachHover(HoverFeedback::Action action, std::initializer_list<QWidget*> controls,
                             const std::function<void()>& clear) {
    for (QWidget* control : controls)
        HoverFeedback::attach(control, action, clear);
}

void FormWindow::attachHoverByName(HoverFeedback::Action action,
                                   std::initializer_list<const char*> designerNames,
                                   const std::function<void()>& clear) {
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (const char* designerName : designerNames) {
        const QString name = QLatin1String(designerName);
        const QString member = name + QLatin1Char('(');
        for (QWidget* child : children) {
            if (child->objectName() == name || child->objectName().startsWith(member))
                HoverFeedback::attach(child, action, clear);
        }
    }
}

bool FormWindow::askToWriteEdits(const QString& recordKind,
                                 const QList<std::shared_ptr<Recordset>*>& recordsets,
                                 const QString& recordName) {
    QList<std::shared_ptr<Recordset>*> pending;
    for (std::shared_ptr<Recordset>* recordset : recordsets) {
        if (hasPendingEdit(*recordset))
            pending << recordset;
    }
    if (pending.isEmpty())
        return true;

    const QMessageBox::StandardButton answer = platform::msgBox(
        this, closingQuestion(recordKind, recordName.isEmpty() ? windowTitle() : recordName),
        platform::msgstyle::yesNo, tr("Question"));
    if (answer != QMessageBox::Yes) {
        catchAndReport(this, [&] {
            for (std::shared_ptr<Recordset>* recordset : pending)
                (*recordset)->CancelUpdate();
        });
        return true;
    }
    Trap trap(objectName(), QStringLiteral("Form_QueryUnload"), Trap::firstLine, this);
    bool written = true;
    int line = Trap::firstLine;
    for (std::shared_ptr<Recordset>* recordset : recordsets) {
        line += 2;
        if (!pending.contains(recordset))
            continue;
        // Another user's change asks what to do; keeping the typing keeps the window.
        bool kept = false;
        written = trap(line,
                       [&] {
                           kept = controls::updateAskingOnConflict(this, **recordset) ==
                                  controls::SaveOutcome::KeptTyping;
                       }) &&
                  !kept && written;
    }
    return written;
}

bool FormWindow::unload() {
    if (m_unloaded)
        return true;
    bool close = true;
    catchAndReport(this, [&] { close = queryUnload(); });
    m_unloaded = close;
    return close;
}

void FormWindow::done(int result) {
    if (unload())
        QDialog::done(result);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (m_kind == Kind::Modal) {
        QDialog::closeEvent(event); // rejects: done() asks
        return;
    }
    if (unload())
        event->accept();
    else
        event->ignore();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    // Escape and Enter close a modal window as a dialog's keys; the main window has none.
    if (m_kind == Kind::Modal)
        QDialog::keyPressEvent(event);
    else
        QWidget::keyPressEvent(event);
}

void FormWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_kind != Kind::Main || m_placed)
        return;
    // The main window opens in the middle of its screen.
    m_placed = true;
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace quarvel::shell
