#pragma once

#include "win32/hdrop_data.h"
#include "win32/win_api.h"

#include <functional>
#include <ole2.h>
#include <optional>

namespace lumio {

// Takes the file drops of one window in both ways the system delivers them: as
// WM_DROPFILES to a window that accepts files, and through an OLE drop target, which is
// how another program's drag and drop reaches a window (the system gives WM_DROPFILES
// for those only where it translates for old programs, and Wine does not). Either way
// the files arrive by a posted message, after the drop has returned: a message box
// raised by the drop must not hold the program the files were dragged from.
// (COM objects are released through their interfaces, never deleted through them.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class FileDropTarget final : public IDropTarget {
public:
    using Dropped = std::function<void(const HdropData&)>;

    // `posted` is a message number of the window's own for the files of an OLE drop.
    FileDropTarget(HWND window, UINT posted, Dropped dropped);
    ~FileDropTarget();
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    // Drops on (OLEDropMode manual) or off. OLE must be initialised on this thread.
    void Accept(bool on);
    bool accepting() const { return accepting_; }

    // The window's messages that concern drops; true when the message was one of them
    // and needs no other handling.
    bool Handle(UINT message, WPARAM wParam);

    // --- IDropTarget (the window's registration holds the only references) --------
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at,
                                   DWORD* effect) override;

private:
    DWORD Effect(DWORD allowed) const;

    HWND window_;
    UINT posted_;
    Dropped dropped_;
    bool accepting_ = false;
    bool registered_ = false;
    bool offersFiles_ = false;         // the drag in progress carries a file list
    std::optional<HdropData> pending_; // an OLE drop's files, until its posted message
};
#pragma GCC diagnostic pop

} // namespace lumio
