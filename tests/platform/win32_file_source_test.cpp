#include "platform/read_all.h"
#include "platform/win32_file_source.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace lumio {
namespace {

class Win32FileSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
        dir_ = std::u16string(reinterpret_cast<const char16_t*>(temp)) + u"lumio-files-" +
               Digits(::GetCurrentProcessId());
        ASSERT_TRUE(::CreateDirectoryW(Wide(dir_), nullptr) ||
                    ::GetLastError() == ERROR_ALREADY_EXISTS);
    }
    void TearDown() override {
        for (const std::u16string& path : written_) {
            ::DeleteFileW(Wide(Extended(path)));
        }
        for (auto dir = madeDirs_.rbegin(); dir != madeDirs_.rend(); ++dir) {
            ::RemoveDirectoryW(Wide(Extended(*dir)));
        }
        ::RemoveDirectoryW(Wide(dir_ + u"\\x.txt"));
        ::RemoveDirectoryW(Wide(dir_));
    }

    static std::u16string Digits(unsigned long n) {
        const std::string s = std::to_string(n);
        return std::u16string(s.begin(), s.end());
    }
    static const wchar_t* Wide(const std::u16string& s) {
        return reinterpret_cast<const wchar_t*>(s.c_str());
    }

    // The name past the 260-character limit, for a drive path.
    static std::u16string Extended(const std::u16string& path) { return u"\\\\?\\" + path; }

    // Folders under the test's own, made in the extended form whatever their length.
    std::u16string MakeDirs(const std::vector<std::u16string>& names) {
        std::u16string path = dir_;
        for (const std::u16string& name : names) {
            path += u"\\" + name;
            EXPECT_TRUE(::CreateDirectoryW(Wide(Extended(path)), nullptr)) << path.size();
            madeDirs_.push_back(path);
        }
        return path.substr(dir_.size() + 1);
    }

    std::u16string Write(const std::u16string& name, const std::string& bytes) {
        const std::u16string path = dir_ + u"\\" + name;
        const HANDLE file = ::CreateFileW(Wide(Extended(path)), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
        written_.push_back(path);
        return path;
    }

    FileError OpenError(const std::u16string& path) {
        FileError error;
        EXPECT_EQ(files_.Open(path, error), nullptr);
        return error;
    }

    std::u16string dir_;
    std::vector<std::u16string> written_;
    std::vector<std::u16string> madeDirs_;
    Win32FileSource files_;
};

TEST_F(Win32FileSourceTest, ReadsARegularFileToItsEnd) {
    const std::u16string path = Write(u"a.txt", "\xd6\xd0\r\nabc");
    FileError error;
    auto stream = files_.Open(path, error);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->SizeHint(), 7u);
    EXPECT_EQ(ReadAll(*stream), "\xd6\xd0\r\nabc");
    EXPECT_EQ(ReadAll(*stream), "") << "at the end it stays at the end";
}

TEST_F(Win32FileSourceTest, OpensNamesOutsideTheAnsiCodePage) {
    const std::u16string path = Write(u"\u6843\u82b1\u6e90 \u00e9\u0416.txt", "wide name");
    FileError error;
    auto stream = files_.Open(path, error);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(ReadAll(*stream), "wide name");
}

TEST_F(Win32FileSourceTest, AFileStaysReadableWhileAnotherProgramWritesIt) {
    const std::u16string path = Write(u"open.txt", "shared");
    const HANDLE writer =
        ::CreateFileW(Wide(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    FileError error;
    auto stream = files_.Open(path, error);
    ::CloseHandle(writer);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(ReadAll(*stream), "shared");
}

TEST_F(Win32FileSourceTest, RefusesWhatIsNotADiskFile) {
    ASSERT_TRUE(::CreateDirectoryW(Wide(dir_ + u"\\x.txt"), nullptr));
    struct Case {
        std::u16string path;
        FileErrorKind kind;
    };
    const Case cases[] = {
        {dir_ + u"\\missing.txt", FileErrorKind::NotFound},
        {dir_ + u"\\missing\\a.txt", FileErrorKind::NotFound},
        {dir_ + u"\\x.txt", FileErrorKind::IsDirectory},
        {u"NUL", FileErrorKind::NotRegularFile},
        {u"\\\\.\\NUL", FileErrorKind::NotRegularFile},
        {u"", FileErrorKind::InvalidName},
        {std::u16string(u"C:\\a\0b.txt", 10), FileErrorKind::InvalidName},
    };
    for (const Case& c : cases) {
        const std::string shown(c.path.begin(), c.path.end());
        EXPECT_EQ(OpenError(c.path).kind, c.kind) << shown;
    }
}

TEST_F(Win32FileSourceTest, ReportsTheSystemErrorNumberOfAFailedOpen) {
    const FileError error = OpenError(dir_ + u"\\missing.txt");
    EXPECT_EQ(error.code, static_cast<int>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Win32FileSourceTest, OpensPathsOfThreeHundredCharacters) {
    // Folders of 100 characters each: a path the open dialog takes and Explorer drops.
    const std::u16string dirs = MakeDirs({std::u16string(100, u'a'), std::u16string(100, u'b')});
    const std::u16string path = Write(dirs + u"\\" + std::u16string(60, u'c') + u".txt", "long");
    ASSERT_GE(path.size(), 300u);
    std::u16string slashed = path;
    std::replace(slashed.begin(), slashed.end(), u'\\', u'/');
    for (const std::u16string& name : {path, slashed}) {
        FileError error;
        auto stream = files_.Open(name, error);
        ASSERT_NE(stream, nullptr) << "error " << error.code << " for " << name.size();
        EXPECT_EQ(ReadAll(*stream), "long");
    }
    // Missing and directory names that long are told apart as short ones are.
    EXPECT_EQ(OpenError(dir_ + u"\\" + dirs + u"\\missing.txt").kind, FileErrorKind::NotFound);
    EXPECT_EQ(OpenError(dir_ + u"\\" + dirs).kind, FileErrorKind::IsDirectory);
}

TEST_F(Win32FileSourceTest, NamesAreOpenedInTheirFullExtendedForm) {
    wchar_t here[MAX_PATH];
    ASSERT_GT(::GetCurrentDirectoryW(MAX_PATH, here), 0u);
    std::wstring folder = here;
    if (folder.back() != L'\\') {
        folder += L'\\';
    }
    struct Case {
        std::u16string path;
        std::wstring system;
    };
    const Case cases[] = {
        {u"C:\\books\\a.txt", L"\\\\?\\C:\\books\\a.txt"},
        {u"C:/books/./x/../a.txt", L"\\\\?\\C:\\books\\a.txt"},
        {u"a.txt", L"\\\\?\\" + folder + L"a.txt"},
        {u"\\\\server\\share\\a.txt", L"\\\\?\\UNC\\server\\share\\a.txt"},
        {u"//server/share/a.txt", L"\\\\?\\UNC\\server\\share\\a.txt"},
        {u"\\\\?\\C:\\a.txt", L"\\\\?\\C:\\a.txt"},
        {u"\\\\?\\UNC\\server\\share\\a.txt", L"\\\\?\\UNC\\server\\share\\a.txt"},
        {u"\\\\.\\NUL", L"\\\\.\\NUL"},
        {u"\\\\.\\pipe\\x.txt", L"\\\\.\\pipe\\x.txt"},
    };
    for (const Case& c : cases) {
        const std::string shown(c.path.begin(), c.path.end());
        EXPECT_EQ(Win32FileSource::SystemName(c.path), c.system) << shown;
    }
}

} // namespace
} // namespace lumio
