#include "ui/CloneProgressWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

int BarPosition(int position) {
    if (position < 0) {
        return 0;
    }
    return position == 100 ? 100 : position % 100;
}

}  // namespace

CCloneProgressWindow::CCloneProgressWindow(const QString& caption, QWidget* parent)
    : QDialog(parent), m_bar(new QProgressBar(this)), m_percent(new QLabel(this)) {
    setObjectName(QStringLiteral("10001"));
    setWindowTitle(caption);
    setModal(false);
    m_bar->setObjectName(QStringLiteral("10003"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(caption);
    m_percent->setObjectName(QStringLiteral("10004"));
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_percent->setMinimumWidth(m_percent->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    m_percent->setText(PercentText(0));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("2"));
    connect(cancel, &QPushButton::clicked, this, &CCloneProgressWindow::reject);

    auto* barRow = new QHBoxLayout;
    barRow->addWidget(m_bar, 1);
    barRow->addWidget(m_percent);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(barRow);
    layout->addLayout(buttonRow);
    setMinimumWidth(320);
}

CCloneProgressWindow::~CCloneProgressWindow() = default;

QString CCloneProgressWindow::PercentText(int position) {
    return QString::number(BarPosition(position)) + QLatin1Char('%');
}

void CCloneProgressWindow::SetProgress(int position) {
    QApplication::processEvents();
    m_bar->setValue(BarPosition(position));
    const QString text = PercentText(position);
    if (m_percent->text() != text) {
        m_percent->setText(text);
    }
}

bool CCloneProgressWindow::IsCancelled() {
    QApplication::processEvents();
    const bool cancelled = m_cancelMark;
    m_cancelMark = false;
    return cancelled;
}

void CCloneProgressWindow::reject() {
    m_cancelMark = true;
}
