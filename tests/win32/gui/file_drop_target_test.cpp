// The front end's header first: it reads the core's names before the system's.
// clang-format off
#include "win32/file_drop_target.h"
#include "../file_list_data.h"
// clang-format on

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

constexpr UINT kPosted = WM_APP + 7;

// A window of this thread with OLE ready, and a drop target on it that records what
// it delivers.
class FileDropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        window_ = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        target_ =
            std::make_unique<FileDropTarget>(window_, kPosted, [this](const HdropData& files) {
                delivered_.push_back(files.Files());
            });
    }
    void TearDown() override {
        target_.reset();
        ::DestroyWindow(window_);
        ::OleUninitialize();
    }
    // Runs what the window has been posted through the target, as its procedure does.
    void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, window_, 0, 0, PM_REMOVE)) {
            target_->Handle(msg.message, msg.wParam);
        }
    }
    bool Registered() {
        FileListData probe(L"");
        // A second registration is refused while one stands.
        const HRESULT r = ::RegisterDragDrop(window_, reinterpret_cast<IDropTarget*>(&probe));
        if (SUCCEEDED(r)) {
            ::RevokeDragDrop(window_);
        }
        return r == DRAGDROP_E_ALREADYREGISTERED;
    }
    bool AcceptsFiles() const {
        return (::GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    }
    // A WM_DROPFILES handle as the system makes it: DROPFILES, then the names.
    static HDROP MakeHdrop(const std::wstring& name) {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                      sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t));
        auto* drop = static_cast<DROPFILES*>(::GlobalLock(block));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::wmemcpy(reinterpret_cast<wchar_t*>(drop + 1), name.c_str(), name.size());
        ::GlobalUnlock(block);
        return static_cast<HDROP>(block);
    }

    HWND window_ = nullptr;
    std::unique_ptr<FileDropTarget> target_;
    std::vector<std::vector<std::u16string>> delivered_;
};

TEST_F(FileDropTargetTest, OffersACopyOnlyOfAFileListWhileAccepting) {
    FileListData files(L"C:\\books\\a.txt");
    FileListData text(L"just words", false);
    struct Case {
        bool accepting;
        IDataObject* data;
        DWORD allowed;
        DWORD effect;
    };
    const Case cases[] = {
        {true, &files, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {true, &files, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_COPY},
        {true, &files, DROPEFFECT_MOVE, DROPEFFECT_NONE}, // the source's file is never taken
        {true, &text, DROPEFFECT_COPY, DROPEFFECT_NONE},
        {false, &files, DROPEFFECT_COPY, DROPEFFECT_NONE},
    };
    for (const Case& c : cases) {
        target_->Accept(c.accepting);
        DWORD effect = c.allowed;
        EXPECT_EQ(target_->DragEnter(c.data, MK_LBUTTON, {}, &effect), S_OK);
        EXPECT_EQ(effect, c.effect);
        effect = c.allowed;
        EXPECT_EQ(target_->DragOver(MK_LBUTTON, {}, &effect), S_OK);
        EXPECT_EQ(effect, c.effect);
        EXPECT_EQ(target_->DragLeave(), S_OK);
        // After the drag has left, nothing is offered any more.
        effect = c.allowed;
        target_->DragOver(MK_LBUTTON, {}, &effect);
        EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    }
}

TEST_F(FileDropTargetTest, DeliversADropAfterItHasReturnedAndRefusesOthers) {
    target_->Accept(true);
    FileListData files(L"C:\\books\\a.txt");
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(target_->Drop(&files, 0, {}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    EXPECT_TRUE(delivered_.empty()); // not inside the drop: a message box would hold the source
    Pump();
    ASSERT_EQ(delivered_.size(), 1u);
    EXPECT_EQ(delivered_[0], std::vector<std::u16string>{u"C:\\books\\a.txt"});

    // Neither text nor anything while drops are off is taken, or asked for.
    FileListData text(L"just words", false);
    effect = DROPEFFECT_COPY;
    target_->Drop(&text, 0, {}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    target_->Accept(false);
    FileListData more(L"C:\\books\\b.txt");
    effect = DROPEFFECT_COPY;
    target_->Drop(&more, 0, {}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(more.handedOut, 0);
    Pump();
    EXPECT_EQ(delivered_.size(), 1u);
}

TEST_F(FileDropTargetTest, TakesTheSystemsFileDropsOnlyWhileAccepting) {
    target_->Accept(false);
    EXPECT_TRUE(target_->Handle(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeHdrop(L"C:\\x.txt"))));
    EXPECT_TRUE(delivered_.empty());
    target_->Accept(true);
    EXPECT_TRUE(target_->Handle(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeHdrop(L"C:\\y.txt"))));
    ASSERT_EQ(delivered_.size(), 1u);
    EXPECT_EQ(delivered_[0], std::vector<std::u16string>{u"C:\\y.txt"});
    EXPECT_FALSE(target_->Handle(WM_PAINT, 0));
}

TEST_F(FileDropTargetTest, RegistersWithTheSystemWhileAcceptingAndLeavesWithTheWindow) {
    EXPECT_FALSE(Registered());
    target_->Accept(true);
    EXPECT_TRUE(Registered());
    EXPECT_TRUE(AcceptsFiles());
    target_->Accept(true); // again: still the one registration
    EXPECT_TRUE(Registered());
    target_->Accept(false);
    EXPECT_FALSE(Registered());
    EXPECT_FALSE(AcceptsFiles());
    target_->Accept(true);
    EXPECT_FALSE(target_->Handle(WM_DESTROY, 0)); // the window's own handling goes on
    EXPECT_FALSE(Registered());
}

} // namespace
} // namespace lumio
