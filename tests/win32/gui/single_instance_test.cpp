// One strip per session: a second start's message reaches the first over WM_COPYDATA,
// byte for byte, and only a message of ours is taken.
#include "platform/state_files.h"
#include "reader/second_start.h"
#include "win32/wide.h"
#include "win32/win_single_instance.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace lumio {
namespace {

// Runs the thread's messages until `done` says so (or two seconds have passed).
template <typename Done>
bool PumpUntil(Done done) {
    const ULONGLONG end = ::GetTickCount64() + 2000;
    while (!done()) {
        if (::GetTickCount64() > end) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

// A second start on a thread of its own (the mutex belongs to the thread that took it),
// while this thread answers the first strip's messages.
WinSingleInstance::Role SecondStart(const std::string& message) {
    WinSingleInstance::Role role = WinSingleInstance::Role::First;
    bool over = false;
    std::thread second([&] {
        WinSingleInstance instance(::GetModuleHandleW(nullptr));
        role = instance.Claim(message);
        over = true;
    });
    PumpUntil([&] { return over; });
    second.join();
    return role;
}

TEST(WinSingleInstance, ASecondStartHandsItsMessageToTheFirst) {
    WinSingleInstance first(::GetModuleHandleW(nullptr));
    std::vector<std::string> received;
    first.onMessage = [&](const std::string& m) { received.push_back(m); };
    ASSERT_EQ(first.Claim(EncodeSecondStart(u"")), WinSingleInstance::Role::First);

    const std::string names[] = {
        EncodeSecondStart(u"C:\\books\\你好.txt"),
        EncodeSecondStart(u"C:\\books\\\xD800 lone.txt"), // UTF-16 as it is
        EncodeSecondStart(u""),
    };
    for (const std::string& message : names) {
        EXPECT_EQ(SecondStart(message), WinSingleInstance::Role::HandedOver);
    }
    ASSERT_TRUE(PumpUntil([&] { return received.size() == 3; })) << received.size();
    EXPECT_EQ(received[0], names[0]);
    EXPECT_EQ(DecodeSecondStart(received[1]), u"C:\\books\\\xD800 lone.txt");
    EXPECT_EQ(received[2], names[2]);
}

TEST(WinSingleInstance, OnlyAMessageOfOursIsTaken) {
    WinSingleInstance first(::GetModuleHandleW(nullptr));
    int received = 0;
    first.onMessage = [&](const std::string&) { ++received; };
    ASSERT_EQ(first.Claim(EncodeSecondStart(u"")), WinSingleInstance::Role::First);
    const HWND receiver = ::FindWindowExW(HWND_MESSAGE, nullptr, L"LumioReaderInstance", nullptr);
    ASSERT_NE(receiver, nullptr);

    const std::string good = EncodeSecondStart(u"a.txt");
    const std::string garbage = "GET / HTTP/1.0\r\n\r\n";
    struct Case {
        ULONG_PTR tag;
        const std::string* bytes;
        LRESULT answer;
    };
    const Case cases[] = {
        {0x4C756D31, &good, TRUE},
        {0x4C756D31, &garbage, FALSE}, // not a message
        {0x1234, &good, FALSE},        // another program's copy
    };
    for (const Case& c : cases) {
        COPYDATASTRUCT data{c.tag, static_cast<DWORD>(c.bytes->size()),
                            const_cast<char*>(c.bytes->data())};
        EXPECT_EQ(::SendMessageW(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)),
                  c.answer);
    }
    PumpUntil([&] { return received > 0; });
    PumpUntil([] { return false; }); // anything late arrives now
    EXPECT_EQ(received, 1);
}

TEST(WinSingleInstance, TheNextStartAfterTheFirstHasGoneIsFirstItself) {
    {
        WinSingleInstance first(::GetModuleHandleW(nullptr));
        ASSERT_EQ(first.Claim(EncodeSecondStart(u"")), WinSingleInstance::Role::First);
    }
    WinSingleInstance::Role role = WinSingleInstance::Role::HandedOver;
    std::thread later([&] {
        WinSingleInstance next(::GetModuleHandleW(nullptr));
        role = next.Claim(EncodeSecondStart(u""));
    });
    later.join();
    EXPECT_EQ(role, WinSingleInstance::Role::First);
}

TEST(WinSingleInstance, TheNameHandedOverIsTheFullPathFromTheWorkingFolder) {
    wchar_t folder[MAX_PATH];
    const DWORD n = ::GetCurrentDirectoryW(MAX_PATH, folder);
    ASSERT_GT(n, 0u);
    std::u16string expected = FromWide(std::wstring_view(folder, n));
    if (expected.back() != u'\\') {
        expected += u'\\';
    }
    EXPECT_EQ(FullPath(u"book.txt"), expected + u"book.txt");
    EXPECT_EQ(FullPath(u"C:\\a\\..\\b.txt"), u"C:\\b.txt");
    EXPECT_EQ(FullPath(u"C:\\books\\你好.txt"), u"C:\\books\\你好.txt");
    EXPECT_EQ(FullPath(u""), u"");
}

} // namespace
} // namespace lumio
