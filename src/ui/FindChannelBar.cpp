#include "ui/FindChannelBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "model/Z5ChannelFind.h"
#include "ui/ChannelTableModel.h"
#include "ui/ListSheet.h"

namespace {

QToolButton* BarButton(const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

CFindChannelBar::CFindChannelBar(SheetSource sheets, QWidget* parent)
    : QWidget(parent),
      m_sheets(std::move(sheets)),
      m_text(new QLineEdit(this)),
      m_message(new QLabel(this)) {
    setObjectName(QStringLiteral("FindChannelBar"));
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setPlaceholderText(tr("Name or frequency (MHz)"));
    m_text->setClearButtonEnabled(true);
    for (QToolButton* clear : m_text->findChildren<QToolButton*>()) {
        clear->setAccessibleName(tr("Clear"));  // the cross that empties the field
    }
    m_message->setObjectName(QStringLiteral("FindMessage"));
    auto* label = new QLabel(tr("Find:"), this);
    label->setBuddy(m_text);
    QToolButton* previous = BarButton(tr("&Previous"), QStringLiteral("Shift+F3"), this);
    QToolButton* next = BarButton(tr("&Next"), QStringLiteral("F3"), this);
    QToolButton* close = BarButton(tr("Close"), QStringLiteral("Escape"), this);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(m_message, 2);
    layout->addWidget(close);
    m_stops = {m_text, previous, next, close};
    connect(previous, &QToolButton::clicked, this, [this] { FindNext(-1); });
    connect(next, &QToolButton::clicked, this, [this] { FindNext(+1); });
    connect(close, &QToolButton::clicked, this, &CFindChannelBar::Close);
    // Typing finds from the selected row on, so that a longer text keeps
    // the match it still fits.
    connect(m_text, &QLineEdit::textEdited, this, [this] {
        const CListSheet* sheet = m_sheets ? m_sheets() : nullptr;
        Find(sheet != nullptr ? sheet->SelectedRow() - 1 : -1, +1);
    });
    hide();
}

CFindChannelBar::~CFindChannelBar() = default;

void CFindChannelBar::Open() {
    show();
    m_text->selectAll();
    m_text->setFocus(Qt::ShortcutFocusReason);
}

void CFindChannelBar::Close() {
    hide();
    m_message->clear();
    if (CListSheet* sheet = m_sheets ? m_sheets() : nullptr) {
        sheet->setFocus(Qt::OtherFocusReason);
    }
}

QString CFindChannelBar::Text() const {
    return m_text->text();
}

void CFindChannelBar::SetText(const QString& text) {
    m_text->setText(text);
}

QString CFindChannelBar::Message() const {
    return m_message->text();
}

bool CFindChannelBar::FindNext(int step) {
    if (m_text->text().trimmed().isEmpty()) {
        Open();
        return false;
    }
    const CListSheet* sheet = m_sheets ? m_sheets() : nullptr;
    return Find(sheet != nullptr ? sheet->SelectedRow() : -1, step);
}

bool CFindChannelBar::Find(int start, int step) {
    CListSheet* sheet = m_sheets ? m_sheets() : nullptr;
    const auto* table =
        sheet != nullptr ? qobject_cast<const CChannelTableModel*>(sheet->model()) : nullptr;
    const std::string text = m_text->text().toStdString();
    if (table == nullptr || m_text->text().trimmed().isEmpty()) {
        m_message->clear();
        return false;
    }
    const std::vector<CNode*> channels = table->ChannelNodes();
    const std::vector<const CNode*> shown(channels.begin(), channels.end());
    const int found = z5channel::FindChannel(shown, start, step, text);
    if (found < 0) {
        m_message->setText(tr("No channel matches \u201c%1\u201d.").arg(m_text->text().trimmed()));
        return false;
    }
    const bool wrapped = start >= 0 && (step > 0 ? found <= start : found >= start);
    m_message->setText(!wrapped   ? QString()
                       : step > 0 ? tr("Continued from the top.")
                                  : tr("Continued from the bottom."));
    sheet->SelectRow(found);
    return true;
}

void CFindChannelBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            Close();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            FindNext(event->modifiers().testFlag(Qt::ShiftModifier) ? -1 : +1);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

bool CFindChannelBar::focusNextPrevChild(bool next) {
    const auto at = std::find(m_stops.begin(), m_stops.end(), focusWidget());
    if (at == m_stops.end()) {
        return QWidget::focusNextPrevChild(next);
    }
    const std::size_t index = static_cast<std::size_t>(at - m_stops.begin());
    const std::size_t count = m_stops.size();
    m_stops[(index + (next ? 1 : count - 1)) % count]->setFocus(next ? Qt::TabFocusReason
                                                                     : Qt::BacktabFocusReason);
    return true;
}
