// Saving over a target: only an ordinary file of this user is replaced, and
// then whole, with its owner, group and mode; anything else is refused with
// its reason and left exactly as it was. Files in the making never outlive
// the program.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "CloneTestSupport.h"
#include "platform/FileCleanup.h"
#include "platform/ReplacingFile.h"
#include "platform/TempFile.h"

namespace {

using EProblem = CReplacingFile::ETargetProblem;

bool IsRoot() {
    return ::geteuid() == 0;
}

std::vector<std::string> NamesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool Replace(const std::string& target, const std::string& data, std::string& error) {
    CReplacingFile file(target);
    bool done = file.Open();
    if (done) {
        file.Write(data);
        done = file.Commit();
    }
    error = file.Error();
    return done;
}

// A process id that no process has any more: a child that has ended and
// been waited for.
pid_t GoneProcessId() {
    pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

void MakeSocket(const std::string& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path;
    ::close(fd);
}

struct SSpecialTarget {
    const char* name;
    mode_t kind;
    const char* reason;
};

TEST(SavingRule, TargetsThatAreNoRegularFileAreRefusedAndLeftAsTheyAre) {
    CScratchDir dir;
    const SSpecialTarget targets[] = {
        {"fifo", S_IFIFO, "is a FIFO, not a regular file"},
        {"socket", S_IFSOCK, "is a socket, not a regular file"},
        {"folder", S_IFDIR, "is a directory"},
        {"device", S_IFCHR, "is a device, not a regular file"},
    };
    for (const SSpecialTarget& target : targets) {
        const std::string path = dir.File(target.name);
        if (target.kind == S_IFIFO) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0);
        } else if (target.kind == S_IFSOCK) {
            MakeSocket(path);
        } else if (target.kind == S_IFDIR) {
            std::filesystem::create_directory(path);
        } else if (!IsRoot() || ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
            continue;  // only root makes a device node (like /dev/null)
        }
        const std::vector<std::string> before = NamesIn(dir.Path());
        std::string error;
        EXPECT_FALSE(Replace(path, "new data", error)) << target.name;
        EXPECT_EQ(error, path + " " + target.reason);
        EXPECT_EQ(CReplacingFile::CheckTarget(path).problem, EProblem::kNotRegularFile)
            << target.name;
        struct stat status {};
        ASSERT_EQ(::lstat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & S_IFMT, target.kind) << target.name;
        EXPECT_EQ(NamesIn(dir.Path()), before) << target.name;
    }
}

TEST(SavingRule, ATargetThatTurnsIntoAFifoBeforeCommitIsNotReplaced) {
    CScratchDir dir;
    const std::string path = dir.File("t.cz5");
    CReplacingFile file(path);
    ASSERT_TRUE(file.Open());
    ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0);
    file.Write("new");
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(file.Problem(), EProblem::kNotRegularFile);
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"t.cz5"});
}

TEST(SavingRule, AReadOnlyTargetIsRefusedEvenForRootAndNothingIsWritten) {
    CScratchDir dir;
    const std::string path = dir.File("ro.cz5");
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    std::string error;
    EXPECT_FALSE(Replace(path, "new", error));
    EXPECT_EQ(error, path + " is read-only");
    EXPECT_EQ(CReplacingFile::CheckTarget(path).problem, EProblem::kReadOnly);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"ro.cz5"});
}

// An ordinary user in a folder open to all: the folder would allow the
// rename, but the file is not theirs to write.
TEST(SavingRule, AFileTheUserMayNotWriteIsReadOnlyToThemWhateverTheFolderAllows) {
    if (!IsRoot()) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    CScratchDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    const std::string root = dir.File("root.cz5");
    const std::string own = dir.File("own.cz5");
    WriteFile(root, "root's");
    WriteFile(own, "own");
    ASSERT_EQ(::chmod(root.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(own.c_str(), 0444), 0);
    ASSERT_EQ(::chown(own.c_str(), 65534, 65534), 0);
    constexpr int kFolderOutOfReach = 2;
    pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(1);
        }
        // A private $TMPDIR above the scratch folder keeps the other user out
        // before the rule is reached.
        if (::access(dir.Path().c_str(), X_OK) != 0) {
            ::_exit(kFolderOutOfReach);
        }
        std::string error;
        const bool refused = !Replace(root, "new", error) && error == root + " is read-only" &&
                             !Replace(own, "new", error) && error == own + " is read-only";
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kFolderOutOfReach) {
        GTEST_SKIP() << "the other user cannot reach " << dir.Path();
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile(root), "root's");
    EXPECT_EQ(ReadFile(own), "own");
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"own.cz5", "root.cz5"}));
}

constexpr uid_t kOtherUser = 4242;

// A folder that the test gives an owner and a mode; root can give it to
// another user, others keep it their own.
void SetFolder(const std::string& path, uid_t owner, mode_t mode) {
    ASSERT_EQ(::chown(path.c_str(), owner, static_cast<gid_t>(-1)), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

void PlantLink(const std::string& target, const std::string& link, uid_t owner) {
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0) << link;
    ASSERT_EQ(::lchown(link.c_str(), owner, static_cast<gid_t>(-1)), 0) << link;
}

// A link in a sticky folder open to all is followed only when it is the
// user's own or the folder owner's, as the kernel has it for opens: nobody
// can make root (or anyone) save over a file through a link planted there.
TEST(SavingRule, AnotherUsersLinkInAStickyFolderOpenToAllIsNotFollowed) {
    const uid_t self = ::geteuid();
    struct SCase {
        const char* what;
        uid_t linkOwner;
        uid_t folderOwner;
        mode_t folderMode;
        bool followed;
    };
    const SCase cases[] = {
        {"another user's link", kOtherUser, self, 01777, false},
        {"the user's own link", self, self, 01777, true},
        {"the folder owner's link", kOtherUser, kOtherUser, 01777, true},
        {"a folder without the sticky bit", kOtherUser, self, 0777, true},
        {"a sticky folder others may not write", kOtherUser, self, 01775, true},
    };
    for (const SCase& c : cases) {
        if (!IsRoot() && (c.linkOwner != self || c.folderOwner != self)) {
            continue;  // only root plants another user's files
        }
        CScratchDir dir;
        const std::string secret = dir.File("secret.cz5");
        WriteFile(secret, "old");
        ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
        const std::string shared = dir.File("shared");
        ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
        const std::string link = shared + "/out.cz5";
        PlantLink(secret, link, c.linkOwner);
        SetFolder(shared, c.folderOwner, c.folderMode);

        std::string error;
        EXPECT_EQ(Replace(link, "new", error), c.followed) << c.what << ": " << error;
        EXPECT_EQ(ReadFile(secret), c.followed ? "new" : "old") << c.what;
        EXPECT_TRUE(std::filesystem::is_symlink(link)) << c.what;
        EXPECT_EQ(NamesIn(shared), std::vector<std::string>{"out.cz5"}) << c.what;
        if (!c.followed) {
            EXPECT_EQ(error, link +
                                 " is another user's symbolic link in a folder open to all; "
                                 "it is not followed");
            EXPECT_EQ(CReplacingFile::CheckTarget(link).problem, EProblem::kPlantedLink);
        }
    }
}

// A planted link anywhere on the way counts as one at the end.
TEST(SavingRule, APlantedLinkOnTheWayToTheTargetIsNotFollowedEither) {
    if (!IsRoot()) {
        GTEST_SKIP() << "needs root to plant another user's link";
    }
    CScratchDir dir;
    const std::string secrets = dir.File("secrets");
    ASSERT_EQ(::mkdir(secrets.c_str(), 0700), 0);
    WriteFile(secrets + "/out.cz5", "old");
    const std::string shared = dir.File("shared");
    ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
    PlantLink(secrets, shared + "/folder", kOtherUser);
    PlantLink(secrets + "/out.cz5", shared + "/file.cz5", kOtherUser);
    SetFolder(shared, ::geteuid(), 01777);
    // The user's own links that lead through the planted ones.
    std::filesystem::create_symlink(shared + "/file.cz5", dir.File("mine.cz5"));
    std::filesystem::create_symlink(shared + "/folder", dir.File("mine"));
    for (const std::string& target : {shared + "/folder/out.cz5", dir.File("mine.cz5"),
                                      dir.File("mine/out.cz5"), shared + "/folder/new.cz5"}) {
        std::string error;
        EXPECT_FALSE(Replace(target, "new", error)) << target;
        EXPECT_EQ(CReplacingFile::CheckTarget(target).problem, EProblem::kPlantedLink) << target;
    }
    EXPECT_EQ(ReadFile(secrets + "/out.cz5"), "old");
    EXPECT_EQ(NamesIn(secrets), std::vector<std::string>{"out.cz5"});
}

TEST(SavingRule, TheNewFileKeepsOwnerGroupAndModeOfTheOldOne) {
    CScratchDir dir;
    const std::string path = dir.File("kept.cz5");
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    // As root, the file of another user stays that user's.
    const uid_t owner = IsRoot() ? 12345 : ::geteuid();
    const gid_t group = IsRoot() ? 23456 : ::getegid();
    if (IsRoot()) {
        ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
    }
    std::string error;
    ASSERT_TRUE(Replace(path, "new", error)) << error;
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, owner);
    EXPECT_EQ(status.st_gid, group);
    EXPECT_EQ(status.st_mode & 07777, 0604u);
    EXPECT_EQ(ReadFile(path), "new");

    // A new file gets the usual permissions of this user's new files.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(Replace(dir.File("fresh.cz5"), "new", error)) << error;
    ::umask(mask);
    ASSERT_EQ(::stat(dir.File("fresh.cz5").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
    EXPECT_EQ(status.st_uid, ::geteuid());
}

TEST(SavingRule, AFileWithSeveralHardLinksIsRefusedSoTheLinksStayOneFile) {
    CScratchDir dir;
    const std::string path = dir.File("a.cz5");
    WriteFile(path, "old");
    ASSERT_EQ(::link(path.c_str(), dir.File("b.cz5").c_str()), 0);
    std::string error;
    EXPECT_FALSE(Replace(dir.File("b.cz5"), "new", error));
    EXPECT_EQ(error,
              dir.File("b.cz5") + " has 2 hard links; replacing it would part it from the others");
    EXPECT_TRUE(std::filesystem::equivalent(path, dir.File("b.cz5")));
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"a.cz5", "b.cz5"}));
}

TEST(SavingRule, NewFilesADeadRunLeftBesideTheTargetGoWithTheNextSave) {
    CScratchDir dir;
    const std::string gone = std::to_string(GoneProcessId());
    const std::string self = std::to_string(::getpid());
    WriteFile(dir.File("t.cz5.~" + gone + "-0"), "left by a killed run");
    WriteFile(dir.File("t.cz5.~" + self + "-7"), "of a running save");
    WriteFile(dir.File("u.cz5.~" + gone + "-0"), "beside another file");
    WriteFile(dir.File("t.cz5.~" + gone + "-x"), "not named as ours");
    WriteFile(dir.File("kept"), "named by a link");
    std::filesystem::create_symlink(dir.File("kept"), dir.File("t.cz5.~" + gone + "-1"));

    std::string error;
    ASSERT_TRUE(Replace(dir.File("t.cz5"), "new", error)) << error;
    std::vector<std::string> kept = {"kept",
                                     "t.cz5",
                                     "t.cz5.~" + gone + "-1",
                                     "t.cz5.~" + gone + "-x",
                                     "t.cz5.~" + self + "-7",
                                     "u.cz5.~" + gone + "-0"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(NamesIn(dir.Path()), kept);
    EXPECT_EQ(ReadFile(dir.File("kept")), "named by a link");
}

// The child makes the document's temporary file and starts a save, then is
// ended by the signal; neither file may stay, and the target stays as it
// was.
TEST(SavingRule, TheStopSignalsRemoveTemporaryAndNewFiles) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        CScratchDir dir;
        WriteFile(dir.File("t.cz5"), "old");
        pid_t child = ::fork();
        if (child == 0) {
            ::setenv("TMPDIR", dir.Path().c_str(), 1);
            CFileCleanup::Start();
            CTempFile temp(CTempFile::kDocumentPrefix);
            CReplacingFile file(dir.File("t.cz5"));
            if (temp.IsValid() && file.Open() && NamesIn(dir.Path()).size() == 3) {
                ::kill(::getpid(), signal);
            }
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"t.cz5"}) << signal;
        EXPECT_EQ(ReadFile(dir.File("t.cz5")), "old");
    }
}

}  // namespace
