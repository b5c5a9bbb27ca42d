// A Windows program that drags a file, as a file manager does: a small window titled
// "lumio-win-drag-source"; a left press on it starts an OLE drag of the file-list
// format (CF_HDROP) naming the one file given. It prints the drop's outcome and exits.
// Usage: lumio_drag_source WINDOWS-PATH
#include "../file_list_data.h"

#include <cstdio>
#include <cwchar>
#include <ole2.h>
#include <string>
#include <windows.h>

// COM objects are released through their interfaces, never deleted through them.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace {

std::wstring file;

class Source final : public lumio::OnStack<IDropSource, IID_IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) {
            return DRAGDROP_S_CANCEL;
        }
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        Source source;
        lumio::FileListData data(file);
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = ::DoDragDrop(&data, &source, DROPEFFECT_COPY, &effect);
        std::printf("%s effect=%lu\n", result == DRAGDROP_S_DROP ? "dropped" : "not dropped",
                    static_cast<unsigned long>(effect));
        std::fflush(stdout);
        ::DestroyWindow(hwnd);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: lumio_drag_source WINDOWS-PATH\n", stderr);
        return 2;
    }
    file = argv[1];
    if (FAILED(::OleInitialize(nullptr))) {
        std::fputs("no OLE\n", stderr);
        return 1;
    }
    WNDCLASSW type{};
    type.lpfnWndProc = Procedure;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    type.lpszClassName = L"LumioDragSource";
    ::RegisterClassW(&type);
    HWND window =
        ::CreateWindowExW(0, type.lpszClassName, L"lumio-win-drag-source", WS_OVERLAPPEDWINDOW, 40,
                          400, 200, 120, nullptr, nullptr, type.hInstance, nullptr);
    ::ShowWindow(window, SW_SHOW);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::OleUninitialize();
    return 0;
}
