#pragma once

#include "platform/font.h"

#include <functional>
#include <map>
#include <memory>
#include <string_view>

namespace lumio {

// A font object shared by reference: whoever holds it may change an attribute, and
// every subscriber hears which one ("Name", "Size", "Bold", "Weight", "Charset",
// "Italic", "Underline", "Strikethrough").
class StdFont {
public:
    using Listener = std::function<void(std::string_view propertyName)>;

    // Ends a subscription when destroyed; safe to outlive the font.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&&) noexcept = default;
        Subscription& operator=(Subscription&&) noexcept;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription();

    private:
        friend class StdFont;
        using Table = std::map<int, Listener>;
        Subscription(std::weak_ptr<Table> table, int id) : table_(std::move(table)), id_(id) {}
        void Reset();
        std::weak_ptr<Table> table_;
        int id_ = 0;
    };

    explicit StdFont(FontAttributes attributes = {});
    static std::shared_ptr<StdFont> Create(FontAttributes attributes = {});

    const FontAttributes& attributes() const noexcept { return attributes_; }

    void SetName(std::u16string name);
    void SetSize(double points);
    void SetBold(bool bold);
    void SetWeight(std::int16_t weight);
    void SetCharset(std::int16_t charset);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetStrikethrough(bool strikethrough);

    [[nodiscard]] Subscription Subscribe(Listener listener);

private:
    void Changed(std::string_view name);

    FontAttributes attributes_;
    std::shared_ptr<Subscription::Table> listeners_;
    int nextId_ = 1;
};

using FontRef = std::shared_ptr<StdFont>;

} // namespace lumio
