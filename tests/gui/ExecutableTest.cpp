// The real cpz5 executable: its exit statuses, a second start that hands its
// file to the first, and a start beside another user's planted files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <fstream>

#include "app/InstanceLock.h"
#include "document/Z5Doc.h"
#include "platform/MemorySettingsStore.h"
#include "support/ScriptedUserInterface.h"

namespace {

constexpr int kWaitMs = 20000;

// A home of its own: settings in which the radio is set up, a private
// runtime folder and a temporary directory.
class ExecutableTest : public testing::Test {
  protected:
    void SetUp() override {
        QDir(home.path()).mkpath("config/Brel");
        QDir(home.path()).mkpath("run");
        QDir(home.path()).mkpath("tmp");
        chmod(RunDir().toLocal8Bit().constData(), 0700);
        std::ofstream(ConfigFile().toStdString()) << "[Model]\nSetup=1\n";
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", RunDir());
        environment.insert("TMPDIR", home.filePath("tmp"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("CPZ5_STARTUP_PROBE");
    }

    QString RunDir() const { return home.filePath("run"); }
    QString ConfigFile() const { return home.filePath("config/Brel/CP-Z5.conf"); }

    // A clone file of the factory data.
    QString CloneFile(const QString& name) {
        CMemorySettingsStore settings;
        CScriptedUserInterface ui;
        CZ5Doc document(settings, ui);
        const QString path = home.filePath(name);
        EXPECT_TRUE(document.SaveFile(path.toStdString()).ok);
        return path;
    }

    void Start(QProcess& process, const QStringList& arguments) {
        process.setProcessEnvironment(environment);
        process.start(CPZ5_PROGRAM, arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    // Runs the program to its end; its exit status.
    int Run(const QStringList& arguments, QProcess& process) {
        Start(process, arguments);
        EXPECT_TRUE(process.waitForFinished(kWaitMs));
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // The first recent file of the settings on disk.
    QString RecentFile() const {
        return QSettings(ConfigFile(), QSettings::IniFormat)
            .value("Recent File List/File1")
            .toString();
    }

    // Waits until the running program's first recent file is path.
    bool WaitForRecentFile(const QString& path, QProcess& running) const {
        const QDeadlineTimer deadline(kWaitMs);
        while (RecentFile() != path) {
            if (deadline.hasExpired() || running.state() != QProcess::Running) {
                return false;
            }
            QThread::msleep(50);
        }
        return true;
    }

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ExecutableTest, ASecondStartHandsItsFileToTheFirstAndEnds) {
    const QString a = CloneFile("a.cz5");
    const QString b = CloneFile("b.cz5");
    // A socket file left by a crashed run must not be in the way.
    std::ofstream(QDir(RunDir()).filePath("CPZ5 Open Request").toStdString()) << "";

    QProcess first;
    first.setWorkingDirectory(home.path());
    Start(first, {"--open", "a.cz5"});
    ASSERT_TRUE(WaitForRecentFile(a, first)) << first.readAllStandardError().toStdString();

    QProcess second;
    second.setWorkingDirectory(home.path());
    EXPECT_EQ(Run({"--open", "b.cz5"}, second), 0) << second.readAllStandardError().toStdString();
    EXPECT_TRUE(WaitForRecentFile(b, first));

    QProcess third;
    EXPECT_EQ(Run({}, third), 0);
    // A file named on its own is not opened, and the start says so.
    QProcess fourth;
    fourth.setWorkingDirectory(home.path());
    EXPECT_EQ(Run({"a.cz5"}, fourth), 0);
    EXPECT_TRUE(fourth.readAllStandardError().contains("\"a.cz5\" is not opened"));
    EXPECT_EQ(RecentFile(), b);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(kWaitMs);
}

TEST_F(ExecutableTest, UnknownOptionsAreUsageErrorsAndQtsOwnPass) {
    struct SCase {
        QStringList arguments;
        int status;
        bool usageOnStderr;
    };
    const SCase cases[] = {
        {{"--bogus"}, 64, true},
        {{"-x", "-platform", "offscreen"}, 64, true},
        {{"--open=x.cz5", "--virtual-radio=XYZ"}, 64, false},
        {{"--open", "-odd.cz5", "--virtual-radio=XYZ"}, 64, false},
        {{"--help"}, 0, false},
        {{"--version"}, 0, false},
    };
    for (const SCase& c : cases) {
        QProcess process;
        EXPECT_EQ(Run(c.arguments, process), c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(process.readAllStandardError().contains("Usage: cpz5"), c.usageOnStderr)
            << c.arguments.join(' ').toStdString();
    }
    environment.insert("CPZ5_STARTUP_PROBE", "1");
    QProcess qtOptions;
    EXPECT_EQ(Run({"-platform", "offscreen", "-reverse", "--style", "Fusion", "/S2"}, qtOptions),
              0);
    EXPECT_TRUE(qtOptions.readAllStandardOutput().contains("main window shown"));
}

TEST_F(ExecutableTest, WithoutADisplayItSaysSoAndEnds) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(name);
    }
    QProcess none;
    EXPECT_EQ(Run({}, none), 1);
    EXPECT_TRUE(none.readAllStandardError().contains("no display"));

    environment.insert("DISPLAY", ":99999");
    QProcess unreachable;
    EXPECT_EQ(Run({}, unreachable), 1);
}

// No runtime dir, and another user got to the folder name first, with the
// lock file inside: the program still starts.
TEST_F(ExecutableTest, AnotherUsersPlantedLockDoesNotStopTheStart) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to plant another user's files";
    }
    constexpr uid_t kOther = 4242;
    environment.remove("XDG_RUNTIME_DIR");
    const QString planted = home.filePath("tmp/cpz5-" + QString::number(getuid()));
    QDir().mkpath(planted);
    const QString lock = QString::fromStdString(CInstanceLock::PathIn(planted.toStdString()));
    std::ofstream(lock.toStdString()) << "";
    for (const QString& path : {lock, planted}) {
        ASSERT_EQ(chown(path.toLocal8Bit().constData(), kOther, kOther), 0);
    }
    const CInstanceLock held(lock.toStdString());  // as if its owner ran the program
    environment.insert("CPZ5_STARTUP_PROBE", "1");
    QProcess process;
    EXPECT_EQ(Run({}, process), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("main window shown"));
}

}  // namespace
