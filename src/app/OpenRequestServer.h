// COpenRequestServer: takes the clone file that a second start of the
// program was asked to open (the file manager's "cpz5 --open FILE") and hands
// it to the running program.
//
// The server listens on a local socket in the user's runtime folder. A
// request is an absolute file path in UTF-8 ending with a line feed, at most
// kMaxPathBytes long, sent by a process of the same user; nothing else is
// ever acted on: a connection from another user, a longer, relative or
// unterminated text, or one with control characters is dropped without a
// word. A connection that sends nothing is dropped after kIdleMs.
//
// At most kMaxWaiting connections wait for their request at once: a further
// one drops the oldest waiting, so connections held open by some process
// can neither use up the program's file descriptors nor lock the second
// starts out. The server keeps listening whatever happens: when the socket
// stops listening (the system refused a connection, the descriptors ran
// out) it listens again, checked every kWatchMs.
#pragma once

#include <QObject>
#include <QString>
#include <deque>

class QLocalServer;
class QLocalSocket;

class COpenRequestServer : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kSocketName = "CPZ5 Open Request";
    static constexpr int kMaxPathBytes = 4096;
    static constexpr int kIdleMs = 5000;
    static constexpr int kMaxWaiting = 16;
    static constexpr int kWatchMs = 1000;

    explicit COpenRequestServer(QObject* parent = nullptr);
    ~COpenRequestServer() override;

    // Listens on socketPath. A socket file left there by a crashed run is
    // removed first: the caller holds the single-instance lock, so nobody
    // else listens on it. False when it cannot listen.
    bool Listen(const QString& socketPath);

    // The socket in the runtime folder folder ("" when folder is "").
    static QString PathIn(const QString& folder);

    // The request of a second start: sends the absolute form of filePath to
    // the program listening on socketPath, trying for up to waitMs while
    // that program may still be starting. False when nobody took it or the
    // listener is not a process of this user.
    static bool Send(const QString& socketPath, const QString& filePath, int waitMs = 10000);

    // The path a request's bytes name, "" when they are no acceptable path.
    static QString PathOfRequest(const QByteArray& line);

  signals:
    void OpenRequested(const QString& path);

  private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    void MakeRoom();
    void Drop(QLocalSocket* socket);
    void Forget(QLocalSocket* socket);
    void KeepListening();

    QLocalServer* m_server;
    QString m_socketPath;
    std::deque<QLocalSocket*> m_waiting;  // oldest first
};
