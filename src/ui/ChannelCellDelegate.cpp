#include "ui/ChannelCellDelegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

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

}  // namespace

CChannelCellDelegate::CChannelCellDelegate(CListViewExs* view) : CListRowDelegate(view) {}

QWidget* CChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    const CChannelTableModel* table = ChannelTable(index);
    if (table == nullptr) {
        return nullptr;
    }
    m_editing = index;
    switch (CChannelTableModel::CellEditor(index.column())) {
        case CChannelTableModel::ECellEditor::Frequency: {
            auto* edit = new QLineEdit(parent);
            edit->setAlignment(Qt::AlignRight);
            return edit;
        }
        case CChannelTableModel::ECellEditor::Name: {
            auto* edit = new QLineEdit(parent);
            channelfields::SetUpNameEdit(*edit);
            return edit;
        }
        case CChannelTableModel::ECellEditor::List: {
            auto* list = new QComboBox(parent);
            list->addItems(table->CellChoices(index.column()));
            return list;
        }
        case CChannelTableModel::ECellEditor::None:
            break;
    }
    return nullptr;
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
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, list->currentText(), Qt::EditRole);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        const QString refusal = RefusalOf(editor, index);
        if (!refusal.isEmpty()) {
            Tell(refusal);
            return;
        }
        model->setData(index, edit->text(), Qt::EditRole);
    }
    if (m_told) {
        Tell(QString());
    }
}

QString CChannelCellDelegate::RefusalOf(QWidget* editor, const QModelIndex& index) const {
    const CChannelTableModel* table = ChannelTable(index);
    const auto* edit = qobject_cast<QLineEdit*>(editor);
    return table != nullptr && edit != nullptr ? table->RefusalOf(index, edit->text()) : QString();
}

void CChannelCellDelegate::Tell(const QString& reason) const {
    m_told = !reason.isEmpty();
    emit const_cast<CChannelCellDelegate*>(this)->Refused(reason);
}

bool CChannelCellDelegate::TakesEditor(QWidget* editor) {
    const QString refusal = RefusalOf(editor, m_editing);
    if (refusal.isEmpty()) {
        return true;
    }
    Tell(refusal);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        channelfields::MarkRefused(*edit);
    }
    return false;
}

// Enter and Tab commit only a text that the model takes.
bool CChannelCellDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress && object->isWidgetType() &&
        CommitsEditor(*static_cast<QKeyEvent*>(event)) &&
        !TakesEditor(static_cast<QWidget*>(object))) {
        return true;
    }
    return CListRowDelegate::eventFilter(object, event);
}
