#include "platform/posix_file_source.h"
#include "platform/read_all.h"
#include "platform/utf.h"

#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumio {
namespace {

class PosixFileSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/lumio-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    FileError OpenError(const std::string& native) {
        FileError error;
        EXPECT_EQ(files_.Open(PathFromNative(native), error), nullptr);
        return error;
    }

    std::string dir_;
    PosixFileSource files_;
};

TEST_F(PosixFileSourceTest, ReadsARegularFileToItsEnd) {
    const std::string path = Write("a.txt", "\xd6\xd0\r\nabc");
    FileError error;
    auto stream = files_.Open(PathFromNative(path), error);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->SizeHint(), 7u);
    EXPECT_EQ(ReadAll(*stream), "\xd6\xd0\r\nabc");
}

TEST_F(PosixFileSourceTest, OpensNamesThatAreNotUtf8) {
    const std::string path = Write("\xd5\xc2.txt", "gbk name"); // a GBK-encoded file name
    FileError error;
    auto stream = files_.Open(PathFromNative(path), error);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(ReadAll(*stream), "gbk name");
}

TEST_F(PosixFileSourceTest, RefusesWhatIsNotAReadableFile) {
    ASSERT_EQ(mkdir((dir_ + "/x.txt").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo((dir_ + "/fifo.txt").c_str(), 0600), 0);
    EXPECT_EQ(OpenError(dir_ + "/missing.txt").kind, FileErrorKind::NotFound);
    EXPECT_EQ(OpenError(dir_ + "/missing/a.txt").kind, FileErrorKind::NotFound);
    EXPECT_EQ(OpenError(dir_ + "/x.txt").kind, FileErrorKind::IsDirectory);
    EXPECT_EQ(OpenError(dir_ + "/fifo.txt").kind, FileErrorKind::NotRegularFile);
    EXPECT_EQ(OpenError("").kind, FileErrorKind::InvalidName);
    FileError error;
    EXPECT_EQ(files_.Open(std::u16string_view(u"/tmp\0/x.txt", 11), error), nullptr)
        << "a NUL must not cut the name";
    EXPECT_EQ(error.kind, FileErrorKind::InvalidName);
}

// How opening `path` goes for a user without privileges, asked in a child process so that
// root (as CI runs) can become one: nobody, or 65534 where there is no such entry. The
// child's exit status is the kind of error (None when it read `bytes`), or kChildFailed.
constexpr int kChildFailed = 100;

int KindSeenWithoutPrivileges(PosixFileSource& files, const std::string& path,
                              const std::string& bytes) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            const uid_t uid = nobody ? nobody->pw_uid : 65534;
            const gid_t gid = nobody ? nobody->pw_gid : 65534;
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0 ||
                geteuid() == 0) {
                _exit(kChildFailed);
            }
        }
        FileError error;
        auto stream = files.Open(PathFromNative(path), error);
        if (stream && ReadAll(*stream) != bytes) {
            _exit(kChildFailed);
        }
        _exit(static_cast<int>(error.kind));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return kChildFailed;
    }
    return WEXITSTATUS(status);
}

TEST_F(PosixFileSourceTest, ReportsMissingPermission) {
    // The folder lets everyone in, so only the file's own mode refuses.
    ASSERT_EQ(chmod(dir_.c_str(), 0755), 0);
    const std::string locked = Write("locked.txt", "secret");
    const std::string open = Write("open.txt", "public");
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);
    ASSERT_EQ(chmod(open.c_str(), 0644), 0);
    EXPECT_EQ(KindSeenWithoutPrivileges(files_, locked, "secret"),
              static_cast<int>(FileErrorKind::AccessDenied));
    // The same user reads a file it may read: the refusal above is the mode's.
    EXPECT_EQ(KindSeenWithoutPrivileges(files_, open, "public"),
              static_cast<int>(FileErrorKind::None));
}

} // namespace
} // namespace lumio
