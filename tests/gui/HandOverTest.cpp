// The runtime folder, the single-instance lock in it and the hand-over of a
// second start's file: in-process, then with the real executable run twice.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
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

constexpr int kWaitMs = 20000;

// A temporary directory as $TMPDIR without $XDG_RUNTIME_DIR: the fallback.
// The home is in there too.
class RuntimeFolderTest : public testing::Test {
  protected:
    QTemporaryDir tmp;
    CEnvironmentVariable tmpdir{"TMPDIR", tmp.path().toStdString()};
    CEnvironmentVariable runtime{"XDG_RUNTIME_DIR", std::nullopt};
    CEnvironmentVariable home{"HOME", tmp.filePath("home").toStdString()};
    CEnvironmentVariable cache{"XDG_CACHE_HOME", std::nullopt};

    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        lstat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    // What another user may leave under every name the temporary directory
    // offers: files of theirs.
    static void PlantEveryCandidate() {
        for (int index = 0; index < CRuntimeFolder::kCandidates; ++index) {
            std::ofstream(CRuntimeFolder::Candidate(index)) << "planted";
        }
    }

    // The desktop program in this test's environment, set up for a radio.
    void StartProgram(QProcess& process) {
        QDir(tmp.path()).mkpath("config/Brel");
        QDir(tmp.path()).mkpath("home");
        std::ofstream(tmp.filePath("config/Brel/CP-Z5.conf").toStdString()) << "[Model]\nSetup=1\n";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", tmp.filePath("config"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("CPZ5_STARTUP_PROBE");
        process.setProcessEnvironment(environment);
        process.start(CPZ5_PROGRAM, QStringList());
        ASSERT_TRUE(process.waitForStarted());
    }

    // Runs the program to its end; its exit status, -1 when it did not end
    // within kWaitMs.
    int RunProgram(QProcess& process) {
        StartProgram(process);
        if (!process.waitForFinished(kWaitMs) || process.exitStatus() != QProcess::NormalExit) {
            return -1;
        }
        return process.exitCode();
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

// Another user took every name in the temporary directory: the folder is
// made in the user's cache folder, which nobody else can reach, or there is
// none at all.
TEST_F(RuntimeFolderTest, WhenEveryNameInTheTemporaryDirectoryIsTakenTheCacheFolderServes) {
    PlantEveryCandidate();
    const std::string home = tmp.filePath("home").toStdString();
    const std::string cacheHome = tmp.filePath("cache").toStdString();
    const std::string blockedHome = tmp.filePath("blocked").toStdString();
    ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(blockedHome.c_str(), 0700), 0);
    ASSERT_EQ(mkdir((blockedHome + "/.cache").c_str(), 0700), 0);
    std::ofstream(blockedHome + "/.cache/cpz5") << "in the way";
    struct SCase {
        const char* what;
        std::optional<std::string> home;
        std::optional<std::string> cache;
        std::string folder;
    };
    const SCase cases[] = {
        {"~/.cache, made", home, std::nullopt, home + "/.cache/cpz5"},
        {"$XDG_CACHE_HOME, made", home, cacheHome, cacheHome + "/cpz5"},
        {"no home", std::nullopt, std::nullopt, ""},
        {"a relative home", "home", std::nullopt, ""},
        {"a file under the name", blockedHome, std::nullopt, ""},
    };
    for (const SCase& c : cases) {
        CEnvironmentVariable setHome("HOME", c.home);
        CEnvironmentVariable setCache("XDG_CACHE_HOME", c.cache);
        const std::string folder = CRuntimeFolder::Find();
        EXPECT_EQ(folder, c.folder) << c.what;
        if (!folder.empty()) {
            EXPECT_EQ(ModeOf(folder), 0700u) << c.what;
        }
    }
}

TEST_F(RuntimeFolderTest, ASecondStartEndsThoughEveryNameInTheTemporaryDirectoryIsTaken) {
    PlantEveryCandidate();
    QProcess first;
    StartProgram(first);
    const QString socket = tmp.filePath("home/.cache/cpz5/") + COpenRequestServer::kSocketName;
    const QDeadlineTimer deadline(kWaitMs);
    while (!QFile::exists(socket) && !deadline.hasExpired() && first.state() == QProcess::Running) {
        QThread::msleep(50);
    }
    ASSERT_TRUE(QFile::exists(socket)) << first.readAllStandardError().toStdString();

    QProcess second;
    EXPECT_EQ(RunProgram(second), 0) << "the second start ran beside the first";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(kWaitMs);
}

TEST_F(RuntimeFolderTest, WithoutAPrivateFolderAnywhereTheProgramSaysSoAndDoesNotStart) {
    PlantEveryCandidate();
    CEnvironmentVariable noHome("HOME", std::nullopt);
    QProcess process;
    EXPECT_EQ(RunProgram(process), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("runs only once"));
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

    // Whether the server hands on path, and only it, within two seconds.
    bool HandsOn(const QString& path) {
        for (int i = 0; i < 100 && spy.isEmpty(); ++i) {
            guitest::ProcessEvents(20);
        }
        return spy.size() == 1 && spy[0][0].toString() == path;
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

// Sets the soft limit of open files while it lives.
class CFileLimit {
  public:
    explicit CFileLimit(rlim_t soft) {
        getrlimit(RLIMIT_NOFILE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = std::min(soft, m_old.rlim_max);
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    ~CFileLimit() { setrlimit(RLIMIT_NOFILE, &m_old); }

  private:
    rlimit m_old{};
};

sockaddr_un AddressOf(const QString& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = socketPath.toLocal8Bit();
    std::copy(name.begin(), name.end(), address.sun_path);
    return address;
}

// A process that connects count times to the socket and holds the
// connections open until it is killed; it writes a byte to ready when it
// has made them all.
pid_t HoldConnections(const QString& socketPath, int count, int ready) {
    const sockaddr_un address = AddressOf(socketPath);
    const pid_t child = fork();
    if (child != 0) {
        return child;
    }
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
    for (int i = 0; i < count; ++i) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    [[maybe_unused]] const ssize_t written = write(ready, "r", 1);
    pause();
    _exit(0);
}

bool IsReadable(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, 0) == 1;
}

// With the usual limit of 1,024 open files, one process holding as many
// connections open once took the socket away from the running program.
TEST_F(OpenRequestServerTest, AThousandConnectionsHeldOpenDoNotStopTheHandOver) {
    const CFileLimit usual(1024);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = HoldConnections(socketPath, 1024, ready[1]);
    close(ready[1]);
    const QDeadlineTimer deadline(kWaitMs);
    while (!IsReadable(ready[0]) && !deadline.hasExpired()) {
        guitest::ProcessEvents(10);
    }
    close(ready[0]);
    guitest::ProcessEvents(200);  // the server takes what is still queued
    EXPECT_TRUE(COpenRequestServer::Send(socketPath, "/after.cz5", 3000));
    EXPECT_TRUE(HandsOn("/after.cz5"));
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
}

// A connection that finds no free file descriptor makes the local server
// give up its socket; the program listens again once it can.
TEST_F(OpenRequestServerTest, TheSocketComesBackAfterAConnectionCouldNotBeTaken) {
    const int client = socket(AF_UNIX, SOCK_STREAM, 0);
    const int lowestFree = open("/dev/null", O_RDONLY);
    ASSERT_GE(lowestFree, 0);
    close(lowestFree);
    {
        const CFileLimit none(static_cast<rlim_t>(lowestFree));
        const sockaddr_un address = AddressOf(socketPath);
        ASSERT_EQ(connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        for (int i = 0; i < 100 && QFile::exists(socketPath); ++i) {
            guitest::ProcessEvents(20);
        }
        ASSERT_FALSE(QFile::exists(socketPath)) << "the connection was taken after all";
    }
    close(client);
    for (int i = 0; i < 150 && !QFile::exists(socketPath); ++i) {
        guitest::ProcessEvents(20);
    }
    EXPECT_TRUE(COpenRequestServer::Send(socketPath, "/again.cz5", 3000));
    EXPECT_TRUE(HandsOn("/again.cz5"));
}

TEST(OpenRequest, NobodyListeningMeansTheRequestFails) {
    QTemporaryDir folder;
    const QString socketPath = COpenRequestServer::PathIn(folder.path());
    EXPECT_FALSE(COpenRequestServer::Send(socketPath, "/x.cz5", 300));
    // A socket file without a listener, as a crashed run leaves it.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = AddressOf(socketPath);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);
    EXPECT_FALSE(COpenRequestServer::Send(socketPath, "/x.cz5", 300));
}

}  // namespace
