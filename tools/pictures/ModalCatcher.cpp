#include "ModalCatcher.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <utility>

CModalCatcher::CModalCatcher() : m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, &CModalCatcher::Poll);
    m_timer->start(kPollMs);
}

CModalCatcher::~CModalCatcher() = default;

void CModalCatcher::Expect(const QString& what, Handler handler) {
    if (m_handlers.empty()) {
        m_waitedMs = 0;
    }
    m_handlers.push_back({what, std::move(handler)});
}

QStringList CModalCatcher::TakeFailures() {
    return std::exchange(m_failures, {});
}

void CModalCatcher::Close(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->reject();
    } else {
        window.close();
    }
}

void CModalCatcher::Poll() {
    // A window answered once may open again later (the program keeps some).
    if (m_answered != nullptr && !m_answered->isVisible()) {
        m_answered = nullptr;
    }
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    const bool fresh = modal != nullptr && modal->isVisible() && modal != m_answered;
    if (!fresh) {
        m_waitedMs += m_handlers.empty() ? 0 : kPollMs;
        if (m_waitedMs > kGiveUpMs) {
            m_failures << QStringLiteral("%1 did not open").arg(m_handlers.front().what);
            m_handlers.pop_front();
            m_waitedMs = 0;
        }
        return;
    }
    m_answered = modal;
    m_waitedMs = 0;
    if (m_handlers.empty()) {
        const auto* box = qobject_cast<QMessageBox*>(modal);
        m_failures << QStringLiteral("a window that was not expected: \"%1\" %2")
                          .arg(modal->windowTitle(), box != nullptr ? box->text() : QString());
        Close(*modal);
        return;
    }
    const SExpected expected = std::move(m_handlers.front());
    m_handlers.pop_front();
    expected.handler(*modal);
    if (modal != nullptr && modal == QApplication::activeModalWidget() && modal->isVisible()) {
        m_failures << QStringLiteral("%1 stayed open").arg(expected.what);
        Close(*modal);
    }
    // The program keeps some windows and may show one again before the next
    // poll: once closed, it counts as fresh.
    if (modal == nullptr || !modal->isVisible()) {
        m_answered = nullptr;
    }
}
