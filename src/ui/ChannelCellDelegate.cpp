#include "ui/ChannelCellDelegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/ChannelFields.h"
#include "ui/ChannelTableModel.h"

namespace {

const CChannelTableModel* ChannelTable(const QModelIndex& index) {
    return qobject_cast<const CChannelTableModel*>(index.model());
}

}  // namespace

CChannelCellDelegate::CChannelCellDelegate(CListViewExs* view) : CListRowDelegate(view) {}

QWidget* CChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    const CChannelTableModel* table = ChannelTable(index);
    if (table == nullptr) {
        return nullptr;
    }
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
        model->setData(index, edit->text(), Qt::EditRole);
    }
}
