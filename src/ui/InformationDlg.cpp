#include "ui/InformationDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* ReadOnlyLine(const QString& name, const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

}  // namespace

CInformationDlg::CInformationDlg(const QString& model, const QString& comment, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("10005"));
    setWindowTitle(tr("Information"));
    auto* commentField = new QPlainTextEdit(comment, this);
    commentField->setObjectName(QStringLiteral("10100"));
    commentField->setReadOnly(true);
    commentField->setFixedHeight(commentField->fontMetrics().height() * 3);

    auto* form = new QFormLayout;
    form->addRow(tr("Model"), ReadOnlyLine(QStringLiteral("10101"), model, this));
    form->addRow(tr("Comment"), commentField);
    auto* extra = new QLabel(this);
    extra->setObjectName(QStringLiteral("10102"));
    form->addRow(extra);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

CInformationDlg::~CInformationDlg() = default;
