#include "../gui_objects.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

GuiObjects Own() {
    return CountGuiObjects(::GetCurrentProcess());
}

// The soak takes steady counts for no leak: a leak of any kind of GDI object has to move
// the count one for one, and giving the objects back has to bring it back.
TEST(GuiObjects, FollowEachKindOfGdiObjectMadeAndDeleted) {
    struct Case {
        std::string kind;
        std::function<HGDIOBJ(int)> make;
        int objectsEach = 1; // the objects one call makes
    };
    const std::vector<Case> cases = {
        {"brush", [](int i) { return ::CreateSolidBrush(RGB(i, 1, 2)); }},
        {"pen", [](int i) { return ::CreatePen(PS_SOLID, 1, RGB(1, i, 2)); }},
        {"region", [](int i) { return ::CreateRectRgn(0, 0, i + 1, i + 2); }},
        {"bitmap", [](int i) { return ::CreateBitmap(i + 1, 4, 1, 1, nullptr); }},
        {"font",
         [](int i) {
             return ::CreateFontW(12 + i, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                  L"Tahoma");
         }},
        {"memdc", [](int) { return ::CreateCompatibleDC(nullptr); }},
        // The kind of the system's display DCs, which the soak watches apart: each comes
        // with its surface.
        {"dc", [](int) { return ::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr); }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const GuiObjects first = Own();
        const long before = first.gdi;
        ASSERT_GE(before, 0);
        const auto kind = [&c](const GuiObjects& count) {
            const auto it = count.gdiKinds.find(c.kind);
            return it == count.gdiKinds.end() ? 0 : it->second;
        };
        std::vector<HGDIOBJ> made;
        for (int i = 0; i < 7; ++i) {
            made.push_back(c.make(i));
            ASSERT_NE(made.back(), nullptr);
        }
        const GuiObjects full = Own();
        EXPECT_EQ(full.gdi, before + 7 * c.objectsEach);
        EXPECT_EQ(kind(full), kind(first) + 7) << "counted as another kind";
        for (HGDIOBJ object : made) {
            if (::GetObjectType(object) == OBJ_MEMDC || ::GetObjectType(object) == OBJ_DC) {
                ::DeleteDC(static_cast<HDC>(object));
            } else {
                ::DeleteObject(object);
            }
        }
        EXPECT_EQ(Own().gdi, before);
    }
}

TEST(GuiObjects, LeaveOutTheStockObjectsEveryProcessHas) {
    const long before = Own().gdi;
    for (int stock : {WHITE_BRUSH, BLACK_PEN, DEFAULT_GUI_FONT, DC_BRUSH}) {
        ASSERT_NE(::GetStockObject(stock), nullptr);
    }
    EXPECT_EQ(Own().gdi, before);
}

// Message-only windows, the only ones Wine makes without a display; the others are found
// through EnumWindows and EnumChildWindows, which the soak's counts of the strip's
// windows (its children included) go through.
TEST(GuiObjects, CountTheWindowsOfTheProcess) {
    const long before = Own().user;
    ASSERT_GE(before, 0);
    std::vector<HWND> made;
    for (const wchar_t* name : {L"one", L"two", L"three"}) {
        made.push_back(::CreateWindowExW(0, L"STATIC", name, 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                         ::GetModuleHandleW(nullptr), nullptr));
        ASSERT_NE(made.back(), nullptr);
    }
    EXPECT_EQ(Own().user, before + 3);
    for (HWND window : made) {
        ::DestroyWindow(window);
    }
    EXPECT_EQ(Own().user, before);
}

TEST(GuiObjects, AHandleThatMayNotReadTheProcessGivesNoCountRatherThanAWrongOne) {
    HANDLE limited =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ::GetCurrentProcessId());
    ASSERT_NE(limited, nullptr);
    const GuiObjects count = CountGuiObjects(limited);
    ::CloseHandle(limited);
    // Where the system counts, the table is never read.
    EXPECT_TRUE(count.bySystem || count.gdi == -1) << count.gdi;
}

} // namespace
} // namespace lumio
