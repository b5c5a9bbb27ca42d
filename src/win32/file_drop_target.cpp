#include "win32/file_drop_target.h"

namespace lumio {

namespace {

FORMATETC FileListFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

} // namespace

FileDropTarget::FileDropTarget(HWND window, UINT posted, Dropped dropped)
    : window_(window), posted_(posted), dropped_(std::move(dropped)) {}

FileDropTarget::~FileDropTarget() {
    Accept(false);
}

void FileDropTarget::Accept(bool on) {
    accepting_ = on;
    ::DragAcceptFiles(window_, on ? TRUE : FALSE);
    if (on && !registered_) {
        registered_ = SUCCEEDED(::RegisterDragDrop(window_, this));
    } else if (!on && registered_) {
        ::RevokeDragDrop(window_);
        registered_ = false;
    }
}

bool FileDropTarget::Handle(UINT message, WPARAM wParam) {
    if (message == WM_DROPFILES) {
        const auto drop = reinterpret_cast<HDROP>(wParam);
        const HdropData files(drop);
        ::DragFinish(drop);
        if (accepting_) {
            dropped_(files);
        }
        return true;
    }
    if (message == posted_) {
        if (pending_) {
            const HdropData files = std::move(*pending_);
            pending_.reset();
            dropped_(files);
        }
        return true;
    }
    if (message == WM_DESTROY) {
        // The registration belongs to the window: it goes before the window does.
        Accept(false);
    }
    return false;
}

HRESULT FileDropTarget::QueryInterface(REFIID id, void** out) {
    if (id == IID_IUnknown || id == IID_IDropTarget) {
        *out = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

DWORD FileDropTarget::Effect(DWORD allowed) const {
    return (accepting_ && offersFiles_) ? (allowed & DROPEFFECT_COPY) : DROPEFFECT_NONE;
}

HRESULT FileDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileListFormat();
    offersFiles_ = data && data->QueryGetData(&format) == S_OK;
    *effect = Effect(*effect);
    return S_OK;
}

HRESULT FileDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = Effect(*effect);
    return S_OK;
}

HRESULT FileDropTarget::DragLeave() {
    offersFiles_ = false;
    return S_OK;
}

HRESULT FileDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileListFormat();
    offersFiles_ = data && data->QueryGetData(&format) == S_OK;
    *effect = Effect(*effect);
    offersFiles_ = false;
    if (*effect == DROPEFFECT_NONE) {
        return S_OK;
    }
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    // The source may answer with another medium than the one asked for, or with a block
    // that is not a file list: only a whole list within its block is read.
    std::optional<HdropData> files;
    if (medium.tymed == TYMED_HGLOBAL) {
        files = HdropData::FromBlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    if (!files) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    pending_ = std::move(files);
    ::PostMessageW(window_, posted_, 0, 0);
    return S_OK;
}

} // namespace lumio
