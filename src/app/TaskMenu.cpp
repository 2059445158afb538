#include "app/TaskMenu.h"

#include "controls/LinkLabel.h"
#include "shell/FormBuilder.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPalette>

namespace quarvel {

namespace {

// Entries from top to bottom under each heading.
constexpr std::array<int, 3> tasksOrder = {1, 2, 3};
constexpr std::array<int, 5> setupOrder = {4, 5, 0, 6, 7};

constexpr int left = 240;
constexpr int entryWidth = 3480;
constexpr int entryHeight = 255;
constexpr int entryStep = 300;

void setTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QLabel* makeHeading(QWidget* parent, int index, const QString& text, int top) {
    QLabel* label = shell::form::label(parent, QStringLiteral("Label1(%1)").arg(index), text, 120,
                                       top, 3600, 285);
    QFont font(QStringLiteral("Arial"), 10);
    font.setBold(true);
    label->setFont(font);
    return label;
}

void makeRule(QWidget* parent, int index, int top) {
    QFrame* line =
        shell::form::frame(parent, QStringLiteral("Line1(%1)").arg(index), 120, top, 3600, 15);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
}

} // namespace

TaskMenu::TaskMenu(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1(2)"));
    setAutoFillBackground(true);
    setBackgroundColor(Qt::white);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);

    QFont entryFont(QStringLiteral("Arial"), 9);
    entryFont.setBold(true);
    entryFont.setUnderline(true);

    auto makeEntry = [&](int index, int top) {
        auto* label = new controls::LinkLabel(caption(index), this);
        label->setObjectName(QStringLiteral("Label3(%1)").arg(index));
        connect(label, &controls::LinkLabel::activated, this,
                [this, index] { emit entryClicked(index); });
        label->setFont(entryFont);
        shell::form::place(label, left, top, entryWidth, entryHeight);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        setTextColor(label, normalColor());
        m_entries[std::size_t(index)] = label;
    };

    int top = 120;
    m_headings[0] = makeHeading(this, 3, tr("Tasks"), top);
    makeRule(this, 0, top + 300);
    top += 420;
    for (int index : tasksOrder) {
        makeEntry(index, top);
        top += entryStep;
    }
    top += 60;
    m_headings[1] = makeHeading(this, 4, tr("Setup"), top);
    makeRule(this, 1, top + 300);
    top += 420;
    for (int index : setupOrder) {
        makeEntry(index, top);
        top += entryStep;
    }
    // The entries added since, under the first eight.
    for (int index = EntryCount; index < AllEntries; ++index) {
        makeEntry(index, top);
        top += entryStep;
    }
}

QString TaskMenu::caption(int index) {
    switch (index) {
    case 0:
        return tr("Add or Delete Product Categories");
    case 1:
        return tr("Browse Purchase Orders");
    case 2:
        return tr("Create New Purchase Orders");
    case 3:
        return tr("View Reports");
    case 4:
        return tr("Add or Delete Employees");
    case 5:
        return tr("Add or Delete Suppliers");
    case 6:
        return tr("Add or Delete Shipping Methods");
    case 7:
        return tr("Change Our Company Information");
    case FindEntry:
        return tr("Find a Product");
    case ReorderEntry:
        return tr("Reorder Stock");
    case CountEntry:
        return tr("Count Stock");
    case BackupEntry:
        return tr("Back Up Database");
    case ImportEntry:
        return tr("Import Data");
    case HistoryEntry:
        return tr("Show History");
    default:
        return {};
    }
}

void TaskMenu::HighLightMenuPrompt(int index) {
    for (int i = 0; i < AllEntries; ++i) {
        QLabel* label = m_entries[std::size_t(i)];
        if (i == index)
            setTextColor(label, hoverColor());
        else if (entryColor(i) != normalColor())
            setTextColor(label, normalColor());
    }
}

void TaskMenu::setBackgroundColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
}

QLabel* TaskMenu::entry(int index) const {
    return index >= 0 && index < AllEntries ? m_entries[std::size_t(index)] : nullptr;
}

QColor TaskMenu::entryColor(int index) const {
    QLabel* label = entry(index);
    return label ? label->palette().color(QPalette::WindowText) : QColor();
}

int TaskMenu::indexOf(QObject* watched) const {
    for (int i = 0; i < AllEntries; ++i)
        if (m_entries[std::size_t(i)] == watched)
            return i;
    return -1;
}

bool TaskMenu::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index >= 0 && event->type() == QEvent::MouseMove) {
        // Handled here: the panel's own hover handling must not follow.
        emit entryHovered(index);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace quarvel
