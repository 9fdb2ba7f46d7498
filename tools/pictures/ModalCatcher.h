// CModalCatcher: answers the modal windows that a command opens, in the order
// they open, so that a command whose windows run their own event loop can be
// driven from outside. Each expected window gets the next handler (which
// must close it); a modal window that comes when no handler waits, and a
// handler whose window does not come within the time allowed, are failures:
// the window is closed (rejected) and the failure kept, so that the command
// returns and nothing hangs.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <deque>
#include <functional>

class QTimer;
class QWidget;

class CModalCatcher : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void(QWidget& window)>;
    static constexpr int kPollMs = 10;
    static constexpr int kGiveUpMs = 20000;

    CModalCatcher();
    ~CModalCatcher() override;

    // handler runs on the next modal window that opens; what: its name for
    // the failure messages.
    void Expect(const QString& what, Handler handler);
    // Whether every expected window came.
    bool Done() const { return m_handlers.empty(); }
    // What went wrong so far (and forgets it).
    QStringList TakeFailures();
    // Closes window as its Cancel (or its close button) would.
    static void Close(QWidget& window);

  private:
    struct SExpected {
        QString what;
        Handler handler;
    };

    void Poll();

    std::deque<SExpected> m_handlers;
    QPointer<QWidget> m_answered;
    QStringList m_failures;
    int m_waitedMs = 0;
    QTimer* m_timer;
};
