// The front end's header first: it reads the core's names before the system's.
// clang-format off
#include "win32/file_drop_target.h"
#include "../file_list_data.h"
// clang-format on

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

constexpr UINT kPosted = WM_APP + 7;

// A drag source that answers the file-list format with whatever medium the test makes:
// another kind of medium, a block too small, offsets off its end. (COM objects are
// released through their interfaces, never deleted through them.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class AnyMedium final : public OnStack<IDataObject, IID_IDataObject> {
public:
    explicit AnyMedium(std::function<void(STGMEDIUM&)> make) : make_(std::move(make)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) {
            return DV_E_FORMATETC;
        }
        *medium = {};
        make_(*medium);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    std::function<void(STGMEDIUM&)> make_;
};
#pragma GCC diagnostic pop

// A block of `size` bytes (0: just long enough) with a DROPFILES header of `pFiles` and
// `wide`, and `names` at `at` (at pFiles unless told).
std::string DropFilesBytes(DWORD pFiles, bool wide, const std::string& names, std::size_t size = 0,
                           std::size_t at = std::string::npos) {
    at = at == std::string::npos ? pFiles : at;
    std::string bytes(std::max(sizeof(DROPFILES), at) + names.size(), '\0');
    DROPFILES head{};
    head.pFiles = pFiles;
    head.fWide = wide ? TRUE : FALSE;
    std::memcpy(bytes.data(), &head, sizeof(head));
    std::memcpy(bytes.data() + at, names.data(), names.size());
    bytes.resize(size == 0 ? bytes.size() : size);
    return bytes;
}

std::string WideBytes(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

// Names each ended by a NUL, and the empty name that ends the list when `ended`.
std::string WideList(std::initializer_list<std::wstring> names, bool ended = true) {
    std::string bytes;
    for (const std::wstring& name : names) {
        bytes += WideBytes(name) + std::string(sizeof(wchar_t), '\0');
    }
    return ended ? bytes + std::string(sizeof(wchar_t), '\0') : bytes;
}
std::string AnsiList(std::initializer_list<std::string> names) {
    std::string bytes;
    for (const std::string& name : names) {
        bytes += name + '\0';
    }
    return bytes + '\0';
}

HGLOBAL BlockOf(const std::string& bytes) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
    ::GlobalUnlock(block);
    return block;
}

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

TEST_F(FileDropTargetTest, ASourceAnsweringWithSomethingElseThanAWholeFileListIsRefused) {
    target_->Accept(true);
    const std::string names = WideList({L"C:\\a.txt"});
    const std::size_t head = sizeof(DROPFILES);
    struct Case {
        const char* what;
        std::function<void(STGMEDIUM&)> make;
    };
    const Case cases[] = {
        {"a stream",
         [&](STGMEDIUM& m) {
             m.tymed = TYMED_ISTREAM;
             ::CreateStreamOnHGlobal(BlockOf(DropFilesBytes(head, true, names)), TRUE, &m.pstm);
         }},
        {"a file name",
         [](STGMEDIUM& m) {
             m.tymed = TYMED_FILE;
             m.lpszFileName = static_cast<LPOLESTR>(::CoTaskMemAlloc(16 * sizeof(wchar_t)));
             std::wcscpy(m.lpszFileName, L"C:\\b.txt");
         }},
        {"no block", [](STGMEDIUM& m) { m.tymed = TYMED_HGLOBAL; }},
        {"a block smaller than the header",
         [](STGMEDIUM& m) {
             m.tymed = TYMED_HGLOBAL;
             m.hGlobal = BlockOf(std::string(8, '\x7f'));
         }},
        {"names past the end",
         [&](STGMEDIUM& m) {
             m.tymed = TYMED_HGLOBAL;
             m.hGlobal = BlockOf(DropFilesBytes(4000, true, names, 0, head));
         }},
        {"names inside the header",
         [&](STGMEDIUM& m) {
             m.tymed = TYMED_HGLOBAL;
             m.hGlobal = BlockOf(DropFilesBytes(4, true, names, 0, head));
         }},
        {"a name running off the end",
         [](STGMEDIUM& m) {
             m.tymed = TYMED_HGLOBAL;
             m.hGlobal = BlockOf(
                 DropFilesBytes(sizeof(DROPFILES), true, WideBytes(L"C:\\books\\c.txt"), 0));
         }},
        {"an ANSI name running off the end",
         [](STGMEDIUM& m) {
             m.tymed = TYMED_HGLOBAL;
             m.hGlobal = BlockOf(DropFilesBytes(sizeof(DROPFILES), false, "C:\\d.txt", 0));
         }},
    };
    for (const Case& c : cases) {
        AnyMedium data(c.make);
        DWORD effect = DROPEFFECT_COPY;
        EXPECT_EQ(target_->Drop(&data, 0, {}, &effect), S_OK) << c.what;
        EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE}) << c.what;
        Pump();
        EXPECT_TRUE(delivered_.empty()) << c.what;
        delivered_.clear();
    }
}

TEST_F(FileDropTargetTest, FileListsOfEveryWellFormedShapeAreRead) {
    target_->Accept(true);
    const std::size_t head = sizeof(DROPFILES);
    struct Case {
        const char* what;
        std::string block;
        std::vector<std::u16string> files;
    };
    const Case cases[] = {
        {"two wide names",
         DropFilesBytes(head, true, WideList({L"C:\\a.txt", L"D:\\中.txt"}), 0),
         {u"C:\\a.txt", u"D:\\中.txt"}},
        {"ANSI names",
         DropFilesBytes(head, false, AnsiList({"C:\\a.txt", "C:\\b.txt"}), 0),
         {u"C:\\a.txt", u"C:\\b.txt"}},
        {"names at an odd offset, after some room",
         DropFilesBytes(head + 9, true, WideList({L"C:\\e.txt"}), 0),
         {u"C:\\e.txt"}},
        {"a list that ends with its block",
         DropFilesBytes(head, true, WideList({L"C:\\f.txt"}, false), 0),
         {u"C:\\f.txt"}},
        {"room after the list",
         DropFilesBytes(head, true, WideList({L"C:\\g.txt"}), 200),
         {u"C:\\g.txt"}},
    };
    for (const Case& c : cases) {
        AnyMedium data([&](STGMEDIUM& m) {
            m.tymed = TYMED_HGLOBAL;
            m.hGlobal = BlockOf(c.block);
        });
        DWORD effect = DROPEFFECT_COPY;
        EXPECT_EQ(target_->Drop(&data, 0, {}, &effect), S_OK) << c.what;
        EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY}) << c.what;
        Pump();
        ASSERT_EQ(delivered_.size(), 1u) << c.what;
        EXPECT_EQ(delivered_[0], c.files) << c.what;
        delivered_.clear();
    }
}

} // namespace
} // namespace lumio
