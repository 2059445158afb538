#include "reference/SingleRecordWindow.h"

#include "controls/BoundTextArea.h"
#include "controls/BoundTextBox.h"
#include "controls/DataControl.h"
#include "data/Recordset.h"
#include "shell/FormBuilder.h"
#include "shell/Globals.h"
#include "shell/RecordEditor.h"
#include "shell/Trap.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <utility>

namespace quarvel::reference {

using shell::HoverFeedback;
namespace form = shell::form;

namespace {

// The layout, in twips.
constexpr int margin = 120;
constexpr int headingTop = 60;
constexpr int headingHeight = 720;
constexpr int captionWidth = 2400;
constexpr int lineHeight = 360;
constexpr int extraLineHeight = 270;
constexpr int rowGap = 90;
constexpr int buttonHeight = 420;
constexpr int barHeight = 360;
constexpr qreal headingPointSize = 27.75;

int boxHeight(int lines) {
    return lineHeight + (lines > 1 ? (lines - 1) * extraLineHeight : 0);
}

int frameTop(const SingleRecordWindow::Layout& layout) {
    return layout.heading.isEmpty() ? margin : headingTop + headingHeight + margin;
}

int frameHeight(const SingleRecordWindow::Layout& layout) {
    int height = margin;
    if (!layout.idName.isEmpty())
        height += lineHeight + rowGap;
    for (const SingleRecordWindow::Box& box : layout.boxes)
        height += boxHeight(box.lines) + rowGap;
    return height - rowGap + margin;
}

int buttonsTop(const SingleRecordWindow::Layout& layout) {
    return frameTop(layout) + frameHeight(layout) + margin;
}

int barTop(const SingleRecordWindow::Layout& layout) {
    return buttonsTop(layout) + buttonHeight + margin;
}

shell::FormWindow::Design designOf(const SingleRecordWindow::Layout& layout) {
    const int bottom = layout.navigation ? barTop(layout) + barHeight : barTop(layout);
    return {layout.name, layout.caption, layout.width, bottom + margin};
}

} // namespace

SingleRecordWindow::SingleRecordWindow(const Layout& layout, const QString& programFolder,
                                       QWidget* parent)
    : FormWindow(designOf(layout), programFolder, parent), m_layout(layout) {
    if (!layout.heading.isEmpty()) {
        m_heading = form::heading(this, QStringLiteral("SupplierName"), margin, headingTop,
                                  layout.width - 2 * margin, headingHeight, headingPointSize, true);
    }
    buildFrame(frameTop(layout));
    buildButtons(buttonsTop(layout));

    m_dc = form::control<controls::DataControl>(this, QStringLiteral("dc"), margin, barTop(layout),
                                                layout.width - 2 * margin, barHeight);
    m_dc->setCaption(layout.barCaption);
    m_dc->setVisible(layout.navigation);
    for (const Box& box : layout.boxes) {
        QWidget* control = m_boxes.value(box.index);
        if (auto* line = qobject_cast<controls::BoundTextBox*>(control))
            line->bind(m_dc, box.field);
        else if (auto* area = qobject_cast<controls::BoundTextArea*>(control))
            area->bind(m_dc, box.field);
    }
    declareRecord();

    attachHoverFeedback();
    setReadingTabOrder();
}

void SingleRecordWindow::declareRecord() {
    shell::RecordEditor::Declaration declaration;
    declaration.object = objectName();
    declaration.recordKind = m_layout.recordKind;
    declaration.idLabel = m_id;
    declaration.keyField = m_layout.keyField;
    declaration.heading = m_heading;
    if (m_layout.headingFollowsRow) {
        declaration.headingText = [field = m_layout.nameField](const Recordset& rs) {
            return rs.Fields(field).toString();
        };
    }
    declaration.nameField = m_layout.nameField;
    declaration.newName = m_layout.newName;
    declaration.deleteQuestion = m_layout.deleteQuestion;
    if (m_layout.nameBox >= 0)
        declaration.recordName = [this] {
            return boxText(m_layout.nameBox);
        };
    if (!m_layout.savedNote.isEmpty())
        declaration.savedNote = [note = m_layout.savedNote] {
            return note;
        };
    declaration.focusAfterAdd = true;
    m_editor = new shell::RecordEditor(this, m_dc, m_recordset, std::move(declaration));
    for (const Box& box : m_layout.boxes)
        m_editor->addBox(box.index, m_boxes.value(box.index));
    m_editor->setButtons(m_buttons.value(3), m_buttons.value(2), m_buttons.value(1));
    if (m_heading)
        m_editor->showHeading(m_layout.heading);
}

QList<SingleRecordWindow::Box> SingleRecordWindow::addressBoxes() {
    return {
        {4, 4, tr("Address:"), QStringLiteral("Address"), 2},
        {5, 5, tr("City:"), QStringLiteral("City")},
        {6, 6, tr("State/Province:"), QStringLiteral("StateOrProvince")},
        {8, 7, tr("Postal Code:"), QStringLiteral("PostalCode")},
        {9, 8, tr("Country:"), QStringLiteral("Country")},
        {10, 9, tr("Phone Number:"), QStringLiteral("PhoneNumber")},
        {11, 10, tr("Fax Number:"), QStringLiteral("FaxNumber")},
    };
}

SingleRecordWindow::~SingleRecordWindow() {
    m_dc->setRecordset(nullptr);
}

void SingleRecordWindow::buildFrame(int top) {
    const int width = m_layout.width - 2 * margin;
    m_frame =
        form::frame(this, QStringLiteral("Frame1"), margin, top, width, frameHeight(m_layout));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(m_layout.pointSize);
    font.setBold(true);
    m_frame->setFont(font);

    const int boxLeft = margin + captionWidth;
    const int boxWidth = width - boxLeft - margin;
    int y = margin;
    if (!m_layout.idName.isEmpty()) {
        form::label(m_frame, QStringLiteral("Label1(0)"), m_layout.idCaption, margin, y,
                    captionWidth, lineHeight);
        m_id = form::label(m_frame, m_layout.idName, QStringLiteral("FullName"), boxLeft, y,
                           boxWidth, lineHeight);
        y += lineHeight + rowGap;
    }
    for (const Box& box : m_layout.boxes) {
        const int height = boxHeight(box.lines);
        QLabel* caption = form::label(m_frame, QStringLiteral("Label1(%1)").arg(box.captionIndex),
                                      box.caption, margin, y, captionWidth, lineHeight);
        const QString name = QStringLiteral("Text1(%1)").arg(box.index);
        QWidget* control = nullptr;
        if (box.lines > 1) {
            control = form::box<controls::BoundTextArea>(m_frame, name, caption, boxLeft, y,
                                                         boxWidth, height);
        } else {
            control = form::box<controls::BoundTextBox>(m_frame, name, caption, boxLeft, y,
                                                        boxWidth, height);
        }
        m_boxes.insert(box.index, control);
        y += height + rowGap;
    }
}

void SingleRecordWindow::buildButtons(int top) {
    // Present buttons share the row, left to right: Add, Delete, Save.
    const QList<std::pair<int, QString>> wanted = {
        {3, m_layout.addCaption}, {2, m_layout.deleteCaption}, {1, m_layout.saveCaption}};
    QList<std::pair<int, QString>> present;
    for (const auto& entry : wanted) {
        if (!entry.second.isEmpty())
            present << entry;
    }
    if (present.isEmpty())
        return;
    const int count = int(present.size());
    const int width = (m_layout.width - 2 * margin - (count - 1) * margin) / count;
    int left = margin;
    for (const auto& [number, caption] : present) {
        QPushButton* button = form::button(this, QStringLiteral("PushButton%1").arg(number),
                                           caption, left, top, width, buttonHeight);
        m_buttons.insert(number, button);
        left += width + margin;
    }
}

void SingleRecordWindow::attachHoverFeedback() {
    attachHover(HoverFeedback::Reset, {this});
    attachHoverByName(HoverFeedback::Reset, {"Frame1", "Label1"});
    attachHoverByName(HoverFeedback::Hand, {"PushButton1", "PushButton2", "PushButton3"});
    const HoverFeedback::Action overBoxes =
        m_layout.handOverBoxes ? HoverFeedback::Hand : HoverFeedback::Reset;
    attachHoverByName(overBoxes, {"Text1"});
    // The mouse moves over a multi-line box reach its viewport, not the box.
    for (QWidget* control : std::as_const(m_boxes)) {
        if (auto* area = qobject_cast<controls::BoundTextArea*>(control))
            attachHover(overBoxes, {area->viewport()});
    }
}

void SingleRecordWindow::setReadingTabOrder() {
    QList<QWidget*> order;
    for (const Box& box : m_layout.boxes)
        order << m_boxes.value(box.index);
    for (int number : {3, 2, 1}) {
        if (QPushButton* button = m_buttons.value(number))
            order << button;
    }
    if (m_layout.navigation) {
        order << m_dc->firstButton() << m_dc->previousButton() << m_dc->nextButton()
              << m_dc->lastButton();
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QString SingleRecordWindow::boxText(int index) const {
    QWidget* control = box(index);
    if (auto* line = qobject_cast<controls::BoundTextBox*>(control))
        return line->text();
    if (auto* area = qobject_cast<controls::BoundTextArea*>(control))
        return area->text();
    return QString();
}

QPushButton* SingleRecordWindow::button(int number) const {
    return m_buttons.value(number);
}

bool SingleRecordWindow::hasCurrentRow() const {
    return m_editor->hasCurrentRow();
}

void SingleRecordWindow::Form_Load() {
    shell::Trap trap(objectName(), QStringLiteral("Form_Load"), 102, this);
    int line = loadLook(trap, 104);
    line = openRecordset(trap, line, m_dc, m_recordset, [this] { return m_layout.source; });
    finishLoad(trap, line);
}

void SingleRecordWindow::finishLoad(shell::Trap& trap, int line) {
    bool anyRow = false;
    trap(line, [&] {
        const Recordset& rs = recordsetOf(m_recordset);
        anyRow = !rs.isBOF() && !rs.isEOF();
    });
    if (!anyRow)
        return;
    trap(line + 2, [&] { SetFullName(); });
    trap(line + 4, [&] { recordsetOf(m_recordset).MoveFirst(); });
}

void SingleRecordWindow::SetFullName() {
    m_editor->SetFullName();
}

bool SingleRecordWindow::queryUnload() {
    return m_editor->queryUnload();
}

} // namespace quarvel::reference
