#pragma once

// What a file manager hands over in a drag: a data object that offers the file-list
// format (CF_HDROP) naming one file, or, made with offersFiles false, only text.
#include <cwchar>
#include <ole2.h>
#include <shlobj.h>
#include <string>

// COM objects are released through their interfaces, never deleted through them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace lumio {

// The IUnknown of a COM object that lives for the whole drag on the stack of its
// thread: reference counts free nothing.
template <class Interface, const IID& kInterfaceId>
class OnStack : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (id == IID_IUnknown || id == kInterfaceId) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

class FileListData final : public OnStack<IDataObject, IID_IDataObject> {
public:
    explicit FileListData(std::wstring file, bool offersFiles = true)
        : file_(std::move(file)), format_{static_cast<CLIPFORMAT>(offersFiles ? CF_HDROP
                                                                              : CF_UNICODETEXT),
                                          nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL} {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        const HRESULT fits = QueryGetData(format);
        if (fits != S_OK) {
            return fits;
        }
        // DROPFILES, then the wide path and the empty name that ends the list (for
        // text: the path alone).
        const bool files = format_.cfFormat == CF_HDROP;
        const SIZE_T head = files ? sizeof(DROPFILES) : 0;
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                      head + (file_.size() + 2) * sizeof(wchar_t));
        if (!block) {
            return E_OUTOFMEMORY;
        }
        auto* bytes = static_cast<unsigned char*>(::GlobalLock(block));
        if (files) {
            auto* drop = reinterpret_cast<DROPFILES*>(bytes);
            drop->pFiles = sizeof(DROPFILES);
            drop->fWide = TRUE;
        }
        std::wmemcpy(reinterpret_cast<wchar_t*>(bytes + head), file_.c_str(), file_.size());
        ::GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        ++handedOut;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (format->cfFormat != format_.cfFormat) {
            return DV_E_FORMATETC;
        }
        return (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_TYMED;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET) {
            return E_NOTIMPL;
        }
        return ::SHCreateStdEnumFmtEtc(1, &format_, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

    int handedOut = 0; // GetData answers given

private:
    std::wstring file_;
    FORMATETC format_;
};

} // namespace lumio

#pragma GCC diagnostic pop
