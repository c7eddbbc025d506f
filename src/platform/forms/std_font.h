#pragma once

// A font object shared by reference between a form and its controls. Changing an attribute tells
// every listener which one changed, so a control that keeps the object can redraw.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/gdi/gdi_handle.h"

namespace win::forms {

class StdFont;

// Removes its listener when it goes.
class FontSubscription {
public:
    FontSubscription() = default;
    FontSubscription(std::weak_ptr<StdFont> font, std::uint64_t id)
        : font_(std::move(font)), id_(id) {}
    ~FontSubscription();
    FontSubscription(FontSubscription&& other) noexcept;
    FontSubscription& operator=(FontSubscription&& other) noexcept;
    FontSubscription(const FontSubscription&) = delete;
    FontSubscription& operator=(const FontSubscription&) = delete;

private:
    void Release();
    std::weak_ptr<StdFont> font_;
    std::uint64_t id_ = 0;
};

class StdFont : public std::enable_shared_from_this<StdFont> {
public:
    using Listener = std::function<void(std::string_view attribute)>;

    static std::shared_ptr<StdFont> Create(std::string name = "SimSun", double size = 9);
    std::shared_ptr<StdFont> Clone() const;

    const std::string& Name() const { return name_; }
    double Size() const { return size_; }
    bool Bold() const { return bold_; }
    bool Italic() const { return italic_; }
    bool Underline() const { return underline_; }
    bool Strikethrough() const { return strikethrough_; }
    BYTE Charset() const { return charset_; }

    void SetName(std::string name);
    // Sizes that are not positive and finite are refused.
    void SetSize(double points);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetStrikethrough(bool strikethrough);
    void SetCharset(BYTE charset);

    // The description at 96 dots per inch: the character height in whole pixels, negative.
    LOGFONT ToLogFont() const;
    // A new font object the caller deletes.
    HFONT CreateHandle() const;

    [[nodiscard]] FontSubscription Subscribe(Listener listener);
    bool operator==(const StdFont& other) const;

private:
    friend class FontSubscription;
    StdFont(std::string name, double size) : name_(std::move(name)), size_(size) {}
    void Notify(std::string_view attribute);
    void Unsubscribe(std::uint64_t id);

    std::string name_;
    double size_;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
    BYTE charset_ = DEFAULT_CHARSET;
    std::vector<std::pair<std::uint64_t, Listener>> listeners_;
    std::uint64_t nextListener_ = 1;
};

using FontRef = std::shared_ptr<StdFont>;

}  // namespace win::forms
