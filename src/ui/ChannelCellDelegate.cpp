#include "ui/ChannelCellDelegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/ChannelColumns.h"
#include "ui/ChannelFields.h"
#include "ui/ChannelTableModel.h"

namespace {

const CChannelTableModel* ChannelTable(const QModelIndex& index) {
    return qobject_cast<const CChannelTableModel*>(index.model());
}

// The keys with which an editor commits its text.
bool CommitsEditor(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return false;
    }
}

// Ctrl+Enter: the spreadsheet's way to give every selected row the text.
bool SetsSelection(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           key.modifiers().testFlag(Qt::ControlModifier);
}

}  // namespace

CChannelCellDelegate::CChannelCellDelegate(CListViewExs* view) : CListRowDelegate(view) {}

QWidget* CChannelCellDelegate::MakeEditor(int column, QWidget* parent) {
    switch (CChannelColumns::Editor(column)) {
        case CChannelColumns::EEditor::Frequency: {
            auto* edit = new QLineEdit(parent);
            edit->setAlignment(Qt::AlignRight);
            return edit;
        }
        case CChannelColumns::EEditor::Name: {
            auto* edit = new QLineEdit(parent);
            channelfields::SetUpNameEdit(*edit);
            return edit;
        }
        case CChannelColumns::EEditor::List: {
            auto* list = new QComboBox(parent);
            list->addItems(CChannelColumns::Choices(column));
            return list;
        }
        case CChannelColumns::EEditor::None:
            break;
    }
    return nullptr;
}

QString CChannelCellDelegate::EditorText(const QWidget* editor) {
    if (const auto* list = qobject_cast<const QComboBox*>(editor)) {
        return list->currentText();
    }
    const auto* edit = qobject_cast<const QLineEdit*>(editor);
    return edit != nullptr ? edit->text() : QString();
}

QWidget* CChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    if (ChannelTable(index) == nullptr) {
        return nullptr;
    }
    m_editing = index;
    return MakeEditor(index.column(), parent);
}

void CChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(list->findText(text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
}

void CChannelCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    model->setData(index, EditorText(editor), Qt::EditRole);
}

QString CChannelCellDelegate::Check(QWidget* editor) {
    const CChannelTableModel* table = ChannelTable(m_editing);
    const auto* edit = qobject_cast<QLineEdit*>(editor);
    const QString refusal =
        table != nullptr && edit != nullptr ? table->RefusalOf(m_editing, edit->text()) : QString();
    if (!refusal.isEmpty() || m_told) {
        m_told = !refusal.isEmpty();
        emit Refused(refusal);
    }
    return refusal;
}

bool CChannelCellDelegate::TakesEditor(QWidget* editor) {
    if (Check(editor).isEmpty()) {
        return true;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        channelfields::MarkRefused(*edit);
    }
    return false;
}

// Enter and Tab commit only a text that the model takes, and so does
// Ctrl+Enter, for the selection; an editor that loses the focus is closed
// (storing nothing when refused) and says why.
bool CChannelCellDelegate::eventFilter(QObject* object, QEvent* event) {
    if (object->isWidgetType()) {
        auto* editor = static_cast<QWidget*>(object);
        if (event->type() == QEvent::KeyPress && SetsSelection(*static_cast<QKeyEvent*>(event))) {
            if (TakesEditor(editor)) {
                emit SetOnSelection(editor);
            }
            return true;
        }
        if (event->type() == QEvent::KeyPress && CommitsEditor(*static_cast<QKeyEvent*>(event)) &&
            !TakesEditor(editor)) {
            return true;
        }
        if (event->type() == QEvent::FocusOut) {
            Check(editor);
        }
    }
    return CListRowDelegate::eventFilter(object, event);
}
