#include "platform/posix_file_source.h"
#include "platform/read_all.h"
#include "platform/utf.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
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

TEST_F(PosixFileSourceTest, ReportsMissingPermission) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const std::string path = Write("locked.txt", "secret");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_EQ(OpenError(path).kind, FileErrorKind::AccessDenied);
}

} // namespace
} // namespace lumio
