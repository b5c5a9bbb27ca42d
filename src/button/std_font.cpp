#include "button/std_font.h"

#include "platform/errors.h"

#include <vector>

namespace lumio {

StdFont::Subscription& StdFont::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        Reset();
        table_ = std::move(other.table_);
        id_ = other.id_;
        other.table_.reset();
    }
    return *this;
}

StdFont::Subscription::~Subscription() {
    Reset();
}

void StdFont::Subscription::Reset() {
    if (auto table = table_.lock()) {
        table->erase(id_);
    }
    table_.reset();
}

StdFont::StdFont(FontAttributes attributes)
    : attributes_(std::move(attributes)), listeners_(std::make_shared<Subscription::Table>()) {}

std::shared_ptr<StdFont> StdFont::Create(FontAttributes attributes) {
    return std::make_shared<StdFont>(std::move(attributes));
}

StdFont::Subscription StdFont::Subscribe(Listener listener) {
    const int id = nextId_++;
    listeners_->emplace(id, std::move(listener));
    return Subscription(listeners_, id);
}

void StdFont::Changed(std::string_view name) {
    // A listener may subscribe or unsubscribe others while we notify: work on a copy
    // and skip anyone who left in the meantime.
    std::vector<int> ids;
    for (const auto& [id, _] : *listeners_) {
        ids.push_back(id);
    }
    const auto keepAlive = listeners_;
    for (int id : ids) {
        const auto it = keepAlive->find(id);
        if (it != keepAlive->end()) {
            const Listener listener = it->second;
            listener(name);
        }
    }
}

void StdFont::SetName(std::u16string name) {
    attributes_.name = std::move(name);
    Changed("Name");
}

void StdFont::SetSize(double points) {
    if (!(points > 0 && points <= 2048)) {
        throw RuntimeError(ErrorNumber::InvalidPropertyValue, "Invalid property value");
    }
    attributes_.size = points;
    Changed("Size");
}

void StdFont::SetBold(bool bold) {
    attributes_.weight = bold ? kFontWeightBold : kFontWeightRegular;
    Changed("Bold");
}

void StdFont::SetWeight(std::int16_t weight) {
    if (weight < 0 || weight > 1000) {
        throw RuntimeError(ErrorNumber::InvalidPropertyValue, "Invalid property value");
    }
    attributes_.weight = weight;
    Changed("Weight");
}

void StdFont::SetCharset(std::int16_t charset) {
    if (charset < 0 || charset > 255) {
        throw RuntimeError(ErrorNumber::InvalidPropertyValue, "Invalid property value");
    }
    attributes_.charset = charset;
    Changed("Charset");
}

void StdFont::SetItalic(bool italic) {
    attributes_.italic = italic;
    Changed("Italic");
}

void StdFont::SetUnderline(bool underline) {
    attributes_.underline = underline;
    Changed("Underline");
}

void StdFont::SetStrikethrough(bool strikethrough) {
    attributes_.strikethrough = strikethrough;
    Changed("Strikethrough");
}

} // namespace lumio
