#include "fake_controls.h"

#include "platform/utf.h"

#include <algorithm>
#include <cstring>

namespace lumio::testing {

std::vector<std::string> CallLog::Take() {
    std::vector<std::string> calls;
    calls.swap(calls_);
    return calls;
}

void FakeViewer::SetText(std::u16string_view value) {
    text = value;
    log_.Add("rtxt1.Text=" + ToUtf8(value));
}

void FakeViewer::SetSelStart(std::int32_t start) {
    log_.Add("rtxt1.SelStart=" + std::to_string(start));
}

void FakeViewer::SetSelLength(std::int32_t length) {
    log_.Add("rtxt1.SelLength=" + std::to_string(length));
}

void FakeViewer::SetSelColor(std::uint32_t color) {
    log_.Add("rtxt1.SelColor=" + std::to_string(color));
}

void FakeTimer::SetEnabled(bool value) {
    enabled = value;
    log_.Add(std::string("trm1.Enabled=") + (value ? "true" : "false"));
}

void FakeTimer::SetInterval(std::int32_t milliseconds) {
    interval = milliseconds;
    log_.Add("trm1.Interval=" + std::to_string(milliseconds));
}

void FakeMessageBox::Show(std::u16string_view prompt, int style, std::u16string_view title) {
    log_.Add("MsgBox(" + std::to_string(style) + "," + ToUtf8(title) + "," + ToUtf8(prompt) + ")");
}

void FakeDialog::SetFilter(std::u16string_view filter) {
    log_.Add("dlg1.Filter=" + ToUtf8(filter));
}

bool FakeDialog::ShowOpen() {
    log_.Add("dlg1.ShowOpen");
    if (pick.empty()) {
        return false;
    }
    fileName = pick;
    return true;
}

namespace {

class FakeStream : public ByteStream {
public:
    explicit FakeStream(const FakeFile& file) : file_(file) {}

    std::size_t Read(std::span<char> buffer, FileError& error) override {
        std::size_t n = std::min({buffer.size(), file_.readSize, file_.bytes.size() - offset_});
        if (file_.failAfter != SIZE_MAX && offset_ + n >= file_.failAfter) {
            error = file_.readError;
            return 0;
        }
        std::memcpy(buffer.data(), file_.bytes.data() + offset_, n);
        offset_ += n;
        return n;
    }

    std::uint64_t SizeHint() const override {
        return file_.sizeHint == UINT64_MAX ? file_.bytes.size() : file_.sizeHint;
    }

private:
    const FakeFile& file_;
    std::size_t offset_ = 0;
};

} // namespace

std::unique_ptr<ByteStream> FakeFileSource::Open(std::u16string_view path, FileError& error) {
    if (log_ != nullptr) {
        log_->Add("open " + ToUtf8(path));
    }
    const auto it = files.find(std::u16string(path));
    if (it == files.end()) {
        error = {FileErrorKind::NotFound, 2};
        return nullptr;
    }
    if (it->second.openError) {
        error = it->second.openError;
        return nullptr;
    }
    return std::make_unique<FakeStream>(it->second);
}

} // namespace lumio::testing
