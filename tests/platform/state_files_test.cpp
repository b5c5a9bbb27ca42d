#include "platform/state_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace lumio {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        if (old != nullptr) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnvironment() { Set(old_ ? old_->c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Set(const char* value) {
#ifdef _WIN32
        const std::wstring name(name_.begin(), name_.end());
        const std::string v = value ? value : "";
        const std::wstring wide(v.begin(), v.end());
        ::SetEnvironmentVariableW(name.c_str(), value ? wide.c_str() : nullptr);
        _putenv_s(name_.c_str(), v.c_str());
#else
        value ? ::setenv(name_.c_str(), value, 1) : ::unsetenv(name_.c_str());
#endif
    }

    std::string name_;
    std::optional<std::string> old_;
};

class StateFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("lumio-state-" +
                std::to_string(std::hash<std::string>{}(
                    ::testing::UnitTest::GetInstance()->current_test_info()->name())) +
                "-" + std::to_string(std::rand()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    std::u16string In(const fs::path& relative) const { return (dir_ / relative).u16string(); }

    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
};

TEST_F(StateFilesTest, ReplaceMakesTheFoldersWritesAndReplacesLeavingNoTemporaryFile) {
    const fs::path file = dir_ / "a" / "b" / "memory.txt";
    std::string error;
    ASSERT_TRUE(ReplaceWholeFile(file.u16string(), "first\n", error)) << error;
    EXPECT_EQ(Contents(file), "first\n");
    ASSERT_TRUE(ReplaceWholeFile(file.u16string(), std::string("second\0\xFF", 8), error)) << error;
    EXPECT_EQ(Contents(file), std::string("second\0\xFF", 8));
    ASSERT_TRUE(ReplaceWholeFile(file.u16string(), "", error)) << error;
    EXPECT_EQ(Contents(file), "");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(file.parent_path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST_F(StateFilesTest, ReplaceThatCannotWriteSaysWhyAndLeavesEverythingAsItWas) {
    std::ofstream(dir_ / "plain") << "a file where a folder should be";
    std::string error;
    EXPECT_FALSE(ReplaceWholeFile(In(fs::path("plain") / "lumio" / "memory.txt"), "x", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Contents(dir_ / "plain"), "a file where a folder should be");

    // The name is taken by a folder: the rename fails, the temporary file goes.
    fs::create_directories(dir_ / "taken" / "inside");
    error.clear();
    EXPECT_FALSE(ReplaceWholeFile(In("taken"), "x", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(dir_ / "taken" / "inside"));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u) << "plain and taken, nothing else";
}

TEST_F(StateFilesTest, ReadWholeFile) {
    std::string bytes = "stale";
    std::string error;
    EXPECT_TRUE(ReadWholeFile(In("missing.txt"), bytes, error)) << "not written yet is no error";
    EXPECT_EQ(bytes, "");

    std::string big(100'000, 'x');
    big[50'000] = '\0';
    std::ofstream(dir_ / "big", std::ios::binary) << big;
    EXPECT_TRUE(ReadWholeFile(In("big"), bytes, error)) << error;
    EXPECT_EQ(bytes, big);

    fs::create_directories(dir_ / "folder");
    EXPECT_FALSE(ReadWholeFile(In("folder"), bytes, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(StateFilesTest, FullPathOfARelativeNameIsAbsolute) {
    const fs::path old = fs::current_path();
    std::ofstream(dir_ / "book.txt") << "x";
    fs::current_path(dir_);
    const std::u16string full = FullPath(u"book.txt");
    const std::u16string missing = FullPath(u"not-there.txt");
    fs::current_path(old);
    EXPECT_TRUE(fs::path(full).is_absolute());
    EXPECT_TRUE(fs::equivalent(fs::path(full), dir_ / "book.txt"));
    EXPECT_TRUE(fs::path(missing).is_absolute());
    EXPECT_EQ(fs::path(missing).filename(), "not-there.txt");
    EXPECT_EQ(FullPath(u""), u"");
}

#ifdef _WIN32
TEST(StateFolderTest, LocalAppDataLumio) {
    const ScopedEnvironment local("LOCALAPPDATA", "C:\\Users\\r\\AppData\\Local");
    EXPECT_EQ(StateFolder(), u"C:\\Users\\r\\AppData\\Local\\Lumio");
    EXPECT_EQ(PathInFolder(StateFolder(), u"m.txt"), u"C:\\Users\\r\\AppData\\Local\\Lumio\\m.txt");
}
#else
TEST(StateFolderTest, XdgStateHomeElseTheHomeFolder) {
    const ScopedEnvironment home("HOME", "/home/r");
    {
        const ScopedEnvironment xdg("XDG_STATE_HOME", "/var/state");
        EXPECT_EQ(StateFolder(), u"/var/state/lumio");
    }
    {
        const ScopedEnvironment xdg("XDG_STATE_HOME", "relative/state"); // to be ignored
        EXPECT_EQ(StateFolder(), u"/home/r/.local/state/lumio");
    }
    {
        const ScopedEnvironment xdg("XDG_STATE_HOME", nullptr);
        EXPECT_EQ(StateFolder(), u"/home/r/.local/state/lumio");
        EXPECT_EQ(PathInFolder(StateFolder(), u"m.txt"), u"/home/r/.local/state/lumio/m.txt");
    }
}
#endif

} // namespace
} // namespace lumio
