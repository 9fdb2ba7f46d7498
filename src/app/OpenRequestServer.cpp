#include "app/OpenRequestServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>

namespace {

constexpr const char* kBufferProperty = "cpz5RequestBuffer";
constexpr int kRetryMs = 100;

// Whether the process at the other end of the socket runs as this user.
bool IsFromThisUser(const QLocalSocket& socket) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    const int fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           size == sizeof credentials && credentials.uid == getuid();
}

bool HasControlCharacter(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) {
            return true;
        }
    }
    return false;
}

}  // namespace

COpenRequestServer::COpenRequestServer(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &COpenRequestServer::OnNewConnection);
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, &COpenRequestServer::KeepListening);
    watch->start(kWatchMs);
}

COpenRequestServer::~COpenRequestServer() {
    m_server->close();
}

QString COpenRequestServer::PathIn(const QString& folder) {
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(kSocketName);
}

bool COpenRequestServer::Listen(const QString& socketPath) {
    m_socketPath = socketPath;
    if (socketPath.isEmpty()) {
        return false;
    }
    QLocalServer::removeServer(socketPath);
    return m_server->listen(socketPath);
}

// The local server closes its socket, and removes its file, when the system
// refuses to accept a connection; the socket is made again.
void COpenRequestServer::KeepListening() {
    if (!m_socketPath.isEmpty() && !m_server->isListening()) {
        Listen(m_socketPath);
    }
}

QString COpenRequestServer::PathOfRequest(const QByteArray& line) {
    if (line.isEmpty() || line.size() > kMaxPathBytes || line.front() != '/') {
        return {};
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString path = decoder.decode(line);
    if (decoder.hasError() || HasControlCharacter(path)) {
        return {};
    }
    return path;
}

void COpenRequestServer::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            Forget(socket);
            socket->deleteLater();
        });
        if (!IsFromThisUser(*socket)) {
            Drop(socket);
            continue;
        }
        MakeRoom();
        m_waiting.push_back(socket);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        QTimer::singleShot(kIdleMs, socket, [this, socket] { Drop(socket); });
        OnReadyRead(socket);
    }
}

// The oldest connections that still wait for their request make room for
// a new one.
void COpenRequestServer::MakeRoom() {
    while (m_waiting.size() >= static_cast<std::size_t>(kMaxWaiting)) {
        Drop(m_waiting.front());
    }
}

void COpenRequestServer::Drop(QLocalSocket* socket) {
    Forget(socket);
    socket->abort();
    socket->deleteLater();
}

void COpenRequestServer::Forget(QLocalSocket* socket) {
    std::erase(m_waiting, socket);
}

// Collects the request up to its line feed, then ends the connection; what
// follows the line feed is ignored, a request that grows past the limit
// ends the connection at once.
void COpenRequestServer::OnReadyRead(QLocalSocket* socket) {
    QByteArray buffer = socket->property(kBufferProperty).toByteArray();
    buffer += socket->read(kMaxPathBytes + 1 - buffer.size());
    const qsizetype end = buffer.indexOf('\n');
    if (end < 0) {
        if (buffer.size() > kMaxPathBytes) {
            Drop(socket);
        } else {
            socket->setProperty(kBufferProperty, buffer);
        }
        return;
    }
    const QString path = PathOfRequest(buffer.left(end));
    Forget(socket);
    socket->disconnectFromServer();
    if (!path.isEmpty()) {
        emit OpenRequested(path);
    }
}

bool COpenRequestServer::Send(const QString& socketPath, const QString& filePath, int waitMs) {
    const QByteArray request = QFileInfo(filePath).absoluteFilePath().toUtf8() + '\n';
    if (socketPath.isEmpty() || request.size() > kMaxPathBytes + 1) {
        return false;
    }
    const QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(kRetryMs * 10)) {
            break;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(kRetryMs);
    }
    // The file name goes to a program of this user only.
    if (!IsFromThisUser(socket)) {
        return false;
    }
    socket.write(request);
    const bool sent = socket.waitForBytesWritten(waitMs);
    socket.disconnectFromServer();
    return sent;
}
