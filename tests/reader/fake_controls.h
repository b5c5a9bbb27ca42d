#pragma once

#include "platform/file_source.h"
#include "reader/controls.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lumio::testing {

// Every call the window makes on a control, in order, as readable text such as
// "trm1.Enabled=true" or "rtxt1.Text=ABC" (strings in UTF-8).
class CallLog {
public:
    void Add(std::string call) { calls_.push_back(std::move(call)); }
    // The calls so far; the log starts afresh.
    std::vector<std::string> Take();

private:
    std::vector<std::string> calls_;
};

class FakeViewer : public Viewer {
public:
    explicit FakeViewer(CallLog& log) : log_(log) {}
    void SetText(std::u16string_view text) override;
    void SetSelStart(std::int32_t start) override;
    void SetSelLength(std::int32_t length) override;
    void SetSelColor(std::uint32_t color) override;

    std::u16string text;

private:
    CallLog& log_;
};

class FakeTimer : public Timer {
public:
    explicit FakeTimer(CallLog& log) : log_(log) {}
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override;
    void SetInterval(std::int32_t milliseconds) override;

    bool enabled = false;
    std::int32_t interval = 200;

private:
    CallLog& log_;
};

class FakeSlider : public Slider {
public:
    std::int32_t Value() const override { return value; }
    std::int32_t value = 0;
};

class FakeMessageBox : public MessageBox {
public:
    explicit FakeMessageBox(CallLog& log) : log_(log) {}
    // Logged as "MsgBox(style,title,prompt)".
    void Show(std::u16string_view prompt, int style, std::u16string_view title) override;

private:
    CallLog& log_;
};

class FakeDialog : public OpenDialog {
public:
    explicit FakeDialog(CallLog& log) : log_(log) {}
    void SetFilter(std::u16string_view filter) override;
    bool ShowOpen() override;
    std::u16string FileName() const override { return fileName; }

    // What the user does in the next ShowOpen: pick this path, or cancel when empty.
    std::u16string pick;
    std::u16string fileName;

private:
    CallLog& log_;
};

class FakeBusyCursor : public BusyCursor {
public:
    explicit FakeBusyCursor(CallLog& log) : log_(log) {}
    void Show() override { log_.Add("busy.Show"); }
    void Hide() override { log_.Add("busy.Hide"); }

private:
    CallLog& log_;
};

class FakeDropData : public DropData {
public:
    bool HasFileList() const override { return hasFileList; }
    std::vector<std::u16string> Files() const override { return files; }

    bool hasFileList = true;
    std::vector<std::u16string> files;
};

// A file of the fake file system and the way it fails, if it does.
struct FakeFile {
    std::string bytes;
    FileError openError;              // set: Open fails with it
    std::size_t failAfter = SIZE_MAX; // a read reaching this offset fails with readError
    FileError readError{FileErrorKind::ReadFailed, 5};
    std::size_t readSize = SIZE_MAX;     // most bytes one Read delivers
    std::uint64_t sizeHint = UINT64_MAX; // the size the stream tells; UINT64_MAX: bytes.size()
};

inline FakeFile FailingOpen(FileErrorKind kind, int code) {
    FakeFile file;
    file.openError = {kind, code};
    return file;
}

inline FakeFile FailingRead(std::string bytes, std::size_t failAfter,
                            std::size_t readSize = SIZE_MAX) {
    FakeFile file;
    file.bytes = std::move(bytes);
    file.failAfter = failAfter;
    file.readSize = readSize;
    return file;
}

inline FakeFile ReadInPieces(std::string bytes, std::size_t readSize) {
    FakeFile file;
    file.bytes = std::move(bytes);
    file.readSize = readSize;
    return file;
}

// Files in memory; a path with no file fails to open as not found. Open attempts are
// logged as "open PATH".
class FakeFileSource : public FileSource {
public:
    explicit FakeFileSource(CallLog* log = nullptr) : log_(log) {}
    std::unique_ptr<ByteStream> Open(std::u16string_view path, FileError& error) override;

    std::map<std::u16string, FakeFile> files;

private:
    CallLog* log_;
};

} // namespace lumio::testing
