// The viewer's menu of lumio.exe on a novel of 5,000 chapters: from the right click to
// the chapter list on the screen (the menu built, shown, its list opened, every item
// measured and the first chapters drawn), as a user opens it: the arrow keys into 目录.
// A measured run, not a test: prints the first opening and the median of the others.

#include "platform/utf.h"
#include "win32/win_viewer_menu.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace lumio;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kChapters = 5000;
constexpr int kOpenings = 11;

WinViewerMenu* menu = nullptr;
bool keysSent = false;
bool chapterDrawn = false;
Clock::time_point drawnAt;

void Press(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        if (menu != nullptr && menu->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (menu != nullptr && menu->Draw(item)) {
            if (!chapterDrawn && item.itemID >= WinViewerMenu::kFirstChapter) {
                chapterDrawn = true;
                drawnAt = Clock::now();
                ::EndMenu();
            }
            return TRUE;
        }
        break;
    }
    case WM_ENTERIDLE:
        // The menu is up and waiting: into its first item, then open the chapters.
        if (wParam == MSGF_MENU && !keysSent) {
            keysSent = true;
            Press(VK_DOWN);
            Press(VK_RIGHT);
        }
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"lumio-menu-bench";
    ::RegisterClassW(&windowClass);
    HWND owner = ::CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"lumio-menu-bench",
                                   WS_POPUP | WS_VISIBLE, 100, 100, 300, 60, nullptr, nullptr,
                                   windowClass.hInstance, nullptr);
    // The viewer's font: 21.75 pt at 96 dpi is 29 pixels.
    HFONT font = ::CreateFontW(-29, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0,
                               0, 0, L"微软雅黑");

    ViewerMenuModel model;
    for (std::size_t i = 0; i < kChapters; ++i) {
        model.chapters.push_back(u"第" + FromUtf8(std::to_string(i + 1)) + u"章 风起云涌之时");
    }
    model.currentChapter = kChapters / 2;
    model.rememberEnabled = model.rememberChecked = true;

    WinViewerMenu shower(owner, font);
    shower.SetPosition(POINT{120, 120});
    menu = &shower;
    std::vector<double> times;
    for (int i = 0; i < kOpenings; ++i) {
        keysSent = chapterDrawn = false;
        const Clock::time_point start = Clock::now();
        shower.ShowMenu(model);
        if (!chapterDrawn) {
            std::fprintf(stderr, "opening %d: the chapter list was never drawn\n", i + 1);
            return 1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(drawnAt - start).count());
    }
    std::printf("viewer menu, %zu chapters: first opening %.1f ms, median of the next %d %.1f ms\n",
                kChapters, times.front(), kOpenings - 1,
                Median(std::vector<double>(times.begin() + 1, times.end())));
    ::DeleteObject(font);
    ::DestroyWindow(owner);
    return 0;
}
