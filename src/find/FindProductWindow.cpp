#include "find/FindProductWindow.h"

#include "controls/ErrorReport.h"
#include "controls/GridExport.h"
#include "data/ConnectionString.h"
#include "find/FindModel.h"
#include "platform/Twips.h"
#include "shell/ChangeFeed.h"
#include "shell/FormBuilder.h"
#include "shell/Session.h"
#include "shell/Trap.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace quarvel {

using namespace shell::form;

namespace {

constexpr int windowWidth = 9600;
constexpr int windowHeight = 6240;

} // namespace

FindProductWindow::FindProductWindow(shell::Session& session, const QString& programFolder,
                                     QWidget* parent)
    : FormWindow({QStringLiteral("FindProduct"), tr("Find a Product"), windowWidth, windowHeight},
                 programFolder, parent),
      m_session(session) {
    m_session.productToShow = QVariant();
    QLabel* caption = label(this, QStringLiteral("Label1"), tr("Find:"), 120, 165, 1080, 285);
    m_find = box<QLineEdit>(this, QStringLiteral("txtFind"), caption, 1200, 120, 8280, 330);
    m_find->setPlaceholderText(tr("Part of a product's or a category's name"));
    m_find->installEventFilter(this);

    m_model = new FindModel(this);
    m_list = control<QTableView>(this, QStringLiteral("lstProducts"), 120, 600, 9360, 4920);
    m_list->setAccessibleName(tr("Matching Products"));
    m_list->setModel(m_model);
    controls::GridExport::install(m_list);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(
        platform::Twips::toPixels(285, Qt::Vertical, m_list));
    const int widths[] = {3000, 2160, 1320, 1320, 1320};
    for (int column = 0; column < FindModel::ColumnCount; ++column)
        m_list->setColumnWidth(column,
                               platform::Twips::toPixels(widths[column], Qt::Horizontal, m_list));
    m_list->installEventFilter(this);

    m_show = button(this, QStringLiteral("PushButton1"), tr("Show Product"), 120, 5640, 2400, 420);
    m_close = button(this, QStringLiteral("PushButton2"), tr("Close"), 7080, 5640, 2400, 420);

    connect(m_find, &QLineEdit::textChanged, this,
            shell::guarded(this, [this](const QString& typed) { filter(typed); }));
    connect(m_list, &QTableView::doubleClicked, this, shell::guarded(this, [this] { choose(); }));
    connect(m_show, &QPushButton::clicked, this, shell::guarded(this, [this] { choose(); }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_model, &FindModel::figuresUnreadable, this,
            [this](const QString& message) { controls::reportFailure(this, message); });

    // Other programs' changes show in the list as they happen; a list read again whole keeps
    // the product that was current.
    if (shell::ChangeFeed* feed = shell::ChangeFeed::instance())
        connect(feed, &shell::ChangeFeed::rowChanged, this,
                [this](const QString& table, const QVariant& key) {
                    const QModelIndex current = m_list->currentIndex();
                    const qint64 id = current.isValid() ? m_model->productId(current.row()) : 0;
                    try {
                        m_model->rowChanged(table, key);
                    } catch (const std::exception& e) {
                        qWarning("The list could not follow a change: %s", e.what());
                    }
                    if (!m_list->currentIndex().isValid() && id != 0) {
                        for (int row = 0; row < m_model->rowCount(); ++row) {
                            if (m_model->productId(row) == id) {
                                m_list->setCurrentIndex(m_model->index(row, 0));
                                break;
                            }
                        }
                    }
                    m_show->setEnabled(m_model->rowCount() > 0);
                });
    QWidget::setTabOrder(m_find, m_list);
    QWidget::setTabOrder(m_list, m_show);
    QWidget::setTabOrder(m_show, m_close);
}

void FindProductWindow::Form_Load() {
    shell::Trap trap(objectName(), QStringLiteral("Form_Load"), 102, this);
    const int line = loadLook(trap, 104);
    trap(line, [&] { m_model->load(OpenConnection()); });
    trap(line + 2, [&] { filter(m_find->text()); });
    m_find->setFocus(Qt::OtherFocusReason);
}

void FindProductWindow::filter(const QString& typed) {
    m_model->setFilter(typed);
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
    m_show->setEnabled(m_model->rowCount() > 0);
}

void FindProductWindow::choose() {
    const QModelIndex current = m_list->currentIndex();
    const qint64 id = current.isValid() ? m_model->productId(current.row()) : 0;
    if (id == 0)
        return;
    m_session.productToShow = id;
    accept();
}

bool FindProductWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (watched == m_find || watched == m_list)) {
            shell::catchAndReport(this, [this] { choose(); });
            return true;
        }
        // The box hands the list's moving keys to the list, so typing and choosing go
        // together without leaving the box.
        const bool moving = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                            key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        if (watched == m_find && moving && key->modifiers() == Qt::NoModifier) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QApplication::sendEvent(m_list, &copy);
            return true;
        }
    }
    return FormWindow::eventFilter(watched, event);
}

} // namespace quarvel
