#include "app/AboutDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/ToolbarIcons.h"

namespace {

QLabel* PictureLabel(int size, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(CToolbarIcons::ProgramIcon().pixmap(size, size));
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("100"));
    setWindowTitle(tr("About CP-Z5"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(PictureLabel(32, this), 0, 0, Qt::AlignTop);
    layout->addWidget(new QLabel(QString::fromLatin1(kProductLine), this), 0, 1);
    layout->addWidget(new QLabel(QString::fromLatin1(kNotice), this), 1, 1);
    layout->addWidget(PictureLabel(64, this), 0, 2, 2, 1);
    layout->addWidget(buttons, 2, 0, 1, 3);
    layout->setHorizontalSpacing(16);
}

CAboutDlg::~CAboutDlg() = default;
