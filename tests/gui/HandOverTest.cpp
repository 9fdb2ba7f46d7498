// The runtime folder, the single-instance lock in it and the hand-over of a
// second start's file: in-process, then with the real executable run twice.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "GuiTestSupport.h"
#include "app/InstanceLock.h"
#include "app/OpenRequestServer.h"
#include "platform/RuntimeFolder.h"

namespace {

constexpr uid_t kOtherUid = 4242;

// Sets an environment variable (unsets it for nullopt) while it lives.
class CEnvironmentVariable {
  public:
    CEnvironmentVariable(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~CEnvironmentVariable() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// A temporary directory as $TMPDIR without $XDG_RUNTIME_DIR: the fallback.
class RuntimeFolderTest : public testing::Test {
  protected:
    QTemporaryDir tmp;
    CEnvironmentVariable tmpdir{"TMPDIR", tmp.path().toStdString()};
    CEnvironmentVariable runtime{"XDG_RUNTIME_DIR", std::nullopt};

    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        lstat(path.c_str(), &info);
        return info.st_mode & 07777;
    }
};

TEST_F(RuntimeFolderTest, APrivateRuntimeDirIsUsedAsItIs) {
    QTemporaryDir xdg;  // 0700, this user's
    CEnvironmentVariable set("XDG_RUNTIME_DIR", xdg.path().toStdString());
    EXPECT_EQ(CRuntimeFolder::Find(), xdg.path().toStdString());
}

TEST_F(RuntimeFolderTest, WithoutOneAPrivateFolderIsMadeInTheTemporaryDirectory) {
    const std::string folder = CRuntimeFolder::Find();
    EXPECT_EQ(folder, CRuntimeFolder::Candidate(0));
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(CRuntimeFolder::Find(), folder);
}

// Whatever stands under the first names, the folder found is private.
TEST_F(RuntimeFolderTest, APlantedOrOpenFolderIsPassedOver) {
    const std::string first = CRuntimeFolder::Candidate(0);
    const std::string second = CRuntimeFolder::Candidate(1);
    const std::string target = tmp.filePath("elsewhere").toStdString();
    mkdir(target.c_str(), 0700);
    struct SCase {
        const char* what;
        std::function<void()> plant;
    };
    const SCase cases[] = {
        {"symbolic link to a folder",
         [&] { ASSERT_EQ(symlink(target.c_str(), first.c_str()), 0); }},
        {"regular file", [&] { std::ofstream(first) << "x"; }},
        {"folder others may write",
         [&] {
             ASSERT_EQ(mkdir(first.c_str(), 0777), 0);
             ASSERT_EQ(chmod(first.c_str(), 0777), 0);
         }},
        {"folder others may list",
         [&] {
             ASSERT_EQ(mkdir(first.c_str(), 0755), 0);
             ASSERT_EQ(chmod(first.c_str(), 0755), 0);
         }},
    };
    for (const SCase& c : cases) {
        c.plant();
        const std::string folder = CRuntimeFolder::Find();
        EXPECT_EQ(folder, second) << c.what;
        EXPECT_TRUE(CRuntimeFolder::IsPrivate(folder)) << c.what;
        QDir(QString::fromStdString(second)).removeRecursively();
        if (unlink(first.c_str()) != 0) {
            rmdir(first.c_str());
        }
    }
    QTemporaryDir open;
    chmod(open.path().toLocal8Bit().constData(), 0777);
    CEnvironmentVariable set("XDG_RUNTIME_DIR", open.path().toStdString());
    EXPECT_EQ(CRuntimeFolder::Find(), first) << "a runtime dir others may write";
}

// Another user's folder, with a lock file held by a process of that user.
TEST_F(RuntimeFolderTest, AnotherUsersFolderAndLockStopNobody) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to plant another user's files";
    }
    const std::string planted = CRuntimeFolder::Candidate(0);
    mkdir(planted.c_str(), 0700);
    const std::string plantedLock = CInstanceLock::PathIn(planted);
    std::ofstream(plantedLock) << "";
    ASSERT_EQ(chown(plantedLock.c_str(), kOtherUid, kOtherUid), 0);
    ASSERT_EQ(chown(planted.c_str(), kOtherUid, kOtherUid), 0);
    const CInstanceLock theirs(plantedLock);

    const std::string folder = CRuntimeFolder::Find();
    EXPECT_NE(folder, planted);
    const CInstanceLock ours(CInstanceLock::PathIn(folder));
    EXPECT_TRUE(ours.IsHeld());
}

TEST_F(RuntimeFolderTest, ALockFileThatIsNoRegularFileOfOursIsNotUsed) {
    const std::string folder = CRuntimeFolder::Find();
    const std::string lock = CInstanceLock::PathIn(folder);
    ASSERT_EQ(mkfifo(lock.c_str(), 0600), 0);
    const CInstanceLock onFifo(lock);
    EXPECT_FALSE(onFifo.IsHeld());
    EXPECT_FALSE(onFifo.IsAnotherInstance());
    unlink(lock.c_str());
    ASSERT_EQ(symlink(tmp.filePath("target").toLocal8Bit().constData(), lock.c_str()), 0);
    const CInstanceLock onLink(lock);
    EXPECT_FALSE(onLink.IsHeld());
    EXPECT_FALSE(QFile::exists(tmp.filePath("target")));
}

TEST(OpenRequest, OnlyAnAbsolutePathOfBoundedLengthIsARequest) {
    const QByteArray longest = '/' + QByteArray(COpenRequestServer::kMaxPathBytes - 1, 'a');
    struct SCase {
        QByteArray line;
        QString path;
    };
    const SCase cases[] = {
        {"/home/u/radio.cz5", "/home/u/radio.cz5"},
        {"/home/u/Z\xc3\xbcrich.cz5", QString::fromUtf8("/home/u/Z\xc3\xbcrich.cz5")},
        {"/a b/c,d;e.cz5", "/a b/c,d;e.cz5"},
        {longest, QString::fromLatin1(longest)},
        {longest + 'a', ""},
        {"", ""},
        {"radio.cz5", ""},
        {"OPEN /x", ""},
        {"/x\ty", ""},
        {QByteArray("/x\0y", 4), ""},
        {"/x\x1b[2J", ""},
        {"/\xff\xfe", ""},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(COpenRequestServer::PathOfRequest(c.line), c.path)
            << c.line.left(40).toStdString();
    }
}

class OpenRequestServerTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(server.Listen(socketPath)); }

    // Sends raw bytes as any client could, then lets the server read them.
    void SendRaw(const QByteArray& bytes) {
        QLocalSocket client;
        client.connectToServer(socketPath);
        ASSERT_TRUE(client.waitForConnected(5000));
        client.write(bytes);
        client.waitForBytesWritten(5000);
        guitest::ProcessEvents(50);
        client.abort();
        guitest::ProcessEvents(20);
    }

    QTemporaryDir folder;
    QString socketPath = COpenRequestServer::PathIn(folder.path());
    COpenRequestServer server;
    QSignalSpy spy{&server, &COpenRequestServer::OpenRequested};
};

TEST_F(OpenRequestServerTest, AStaleSocketIsReplacedAndAPathIsTakenAsItsAbsoluteForm) {
    COpenRequestServer again;
    ASSERT_TRUE(again.Listen(socketPath));  // the first one's socket file is stale to it
    QSignalSpy spyAgain(&again, &COpenRequestServer::OpenRequested);
    ASSERT_TRUE(COpenRequestServer::Send(socketPath, "relative/b.cz5", 5000));
    for (int i = 0; i < 100 && spyAgain.isEmpty(); ++i) {
        guitest::ProcessEvents(20);
    }
    ASSERT_EQ(spyAgain.size(), 1);
    EXPECT_EQ(spyAgain[0][0].toString(), QDir::current().absoluteFilePath("relative/b.cz5"));
}

TEST_F(OpenRequestServerTest, GarbageIsIgnoredAndTheServerGoesOn) {
    SendRaw("relative.cz5\n");
    SendRaw("/no/line/feed");
    SendRaw(QByteArray(3 * COpenRequestServer::kMaxPathBytes, '/'));
    SendRaw(QByteArray("\0\0\0\n", 4));
    EXPECT_TRUE(spy.isEmpty());
    SendRaw("/first.cz5\n/second.cz5\n");
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].toString(), "/first.cz5");
}

TEST(OpenRequest, NobodyListeningMeansTheRequestFails) {
    QTemporaryDir folder;
    const QString socketPath = COpenRequestServer::PathIn(folder.path());
    EXPECT_FALSE(COpenRequestServer::Send(socketPath, "/x.cz5", 300));
    // A socket file without a listener, as a crashed run leaves it.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = socketPath.toLocal8Bit();
    std::copy(name.begin(), name.end(), address.sun_path);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    EXPECT_FALSE(COpenRequestServer::Send(socketPath, "/x.cz5", 300));
}

}  // namespace
