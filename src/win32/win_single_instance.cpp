#include "win32/win_single_instance.h"

#include "reader/second_start.h"
#include "win32/wide.h"

namespace lumio {

namespace {

// "Local\": one per logon session, as the strip is one per user session.
constexpr wchar_t kMutexName[] = L"Local\\LumioReaderInstance";
constexpr wchar_t kReceiverClass[] = L"LumioReaderInstance";
// WM_COPYDATA's tag for a message of ours; anything else sent there is refused.
constexpr ULONG_PTR kCopyDataTag = 0x4C756D31; // "Lum1"
// The receiver's own note to itself: handle what was copied, after the sender is free.
constexpr UINT kDeliver = WM_APP + 1;
// How long a later start keeps trying while the first is still starting or ending.
constexpr DWORD kClaimMs = 5000;
constexpr DWORD kStepMs = 100;

bool HandOver(const std::string& message) {
    const HWND receiver = ::FindWindowExW(HWND_MESSAGE, nullptr, kReceiverClass, nullptr);
    if (!receiver) {
        return false;
    }
    // The running strip may bring itself forward.
    ::AllowSetForegroundWindow(ASFW_ANY);
    COPYDATASTRUCT data{};
    data.dwData = kCopyDataTag;
    data.cbData = static_cast<DWORD>(message.size());
    data.lpData = const_cast<char*>(message.data());
    DWORD_PTR answer = FALSE;
    return ::SendMessageTimeoutW(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                 SMTO_ABORTIFHUNG | SMTO_BLOCK, kClaimMs, &answer) != 0 &&
           answer == TRUE;
}

} // namespace

WinSingleInstance::~WinSingleInstance() {
    if (receiver_) {
        ::DestroyWindow(receiver_);
    }
    if (mutex_) {
        if (owner_) {
            ::ReleaseMutex(mutex_);
        }
        ::CloseHandle(mutex_);
    }
}

WinSingleInstance::Role WinSingleInstance::Claim(const std::string& message) {
    mutex_ = ::CreateMutexW(nullptr, FALSE, kMutexName);
    if (!mutex_) {
        return Role::Alone;
    }
    const ULONGLONG start = ::GetTickCount64();
    for (;;) {
        // Owned by nobody, or left behind by a strip that has gone: ours.
        const DWORD wait = ::WaitForSingleObject(mutex_, 0);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
            owner_ = true;
            return Listen() ? Role::First : Role::Alone;
        }
        // Owned: the running strip may still be making its window, or be ending.
        if (HandOver(message)) {
            return Role::HandedOver;
        }
        if (::GetTickCount64() - start > kClaimMs) {
            return Role::Alone;
        }
        ::Sleep(kStepMs);
    }
}

bool WinSingleInstance::Listen() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &WinSingleInstance::Procedure;
    wc.hInstance = instance_;
    wc.lpszClassName = kReceiverClass;
    ::RegisterClassExW(&wc);
    receiver_ = ::CreateWindowExW(0, kReceiverClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance_, this);
    return receiver_ != nullptr;
}

LRESULT CALLBACK WinSingleInstance::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<WinSingleInstance*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(hwnd, message, wParam, lParam)
                : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT WinSingleInstance::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!data || data->dwData != kCopyDataTag || (data->cbData != 0 && !data->lpData)) {
            return FALSE;
        }
        // The bytes are the sender's only while this call lasts.
        std::string bytes(static_cast<const char*>(data->lpData), data->cbData);
        if (!DecodeSecondStart(bytes)) {
            return FALSE;
        }
        pending_.push_back(std::move(bytes));
        // What the message does may open a modal box, which must not hold the sender.
        ::PostMessageW(hwnd, kDeliver, 0, 0);
        return TRUE;
    }
    if (message == kDeliver) {
        while (!pending_.empty()) {
            const std::string next = std::move(pending_.front());
            pending_.pop_front();
            if (onMessage) {
                onMessage(next);
            }
        }
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace lumio
