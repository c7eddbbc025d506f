#include "platform/forms/std_font.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/numeric/round_half_even.h"

namespace win::forms {

FontSubscription::~FontSubscription() {
    Release();
}

FontSubscription::FontSubscription(FontSubscription&& other) noexcept
    : font_(std::move(other.font_)), id_(std::exchange(other.id_, 0)) {}

FontSubscription& FontSubscription::operator=(FontSubscription&& other) noexcept {
    if (this != &other) {
        Release();
        font_ = std::move(other.font_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void FontSubscription::Release() {
    if (auto font = font_.lock(); font && id_ != 0) {
        font->Unsubscribe(id_);
    }
    font_.reset();
    id_ = 0;
}

std::shared_ptr<StdFont> StdFont::Create(std::string name, double size) {
    if (!(size > 0 && std::isfinite(size))) {
        size = 8.25;
    }
    return std::shared_ptr<StdFont>(new StdFont(std::move(name), size));
}

std::shared_ptr<StdFont> StdFont::Clone() const {
    auto copy = Create(name_, size_);
    copy->bold_ = bold_;
    copy->italic_ = italic_;
    copy->underline_ = underline_;
    copy->strikethrough_ = strikethrough_;
    copy->charset_ = charset_;
    return copy;
}

void StdFont::SetName(std::string name) {
    if (name != name_) {
        name_ = std::move(name);
        Notify("Name");
    }
}

void StdFont::SetSize(double points) {
    if (points > 0 && std::isfinite(points) && points != size_) {
        size_ = points;
        Notify("Size");
    }
}

void StdFont::SetBold(bool bold) {
    if (bold != bold_) {
        bold_ = bold;
        Notify("Bold");
    }
}

void StdFont::SetItalic(bool italic) {
    if (italic != italic_) {
        italic_ = italic;
        Notify("Italic");
    }
}

void StdFont::SetUnderline(bool underline) {
    if (underline != underline_) {
        underline_ = underline;
        Notify("Underline");
    }
}

void StdFont::SetStrikethrough(bool strikethrough) {
    if (strikethrough != strikethrough_) {
        strikethrough_ = strikethrough;
        Notify("Strikethrough");
    }
}

void StdFont::SetCharset(BYTE charset) {
    if (charset != charset_) {
        charset_ = charset;
        Notify("Charset");
    }
}

LOGFONT StdFont::ToLogFont() const {
    LOGFONT font;
    // Points to pixels at 96 dpi; 8.25 pt gives the classic 11-pixel height.
    font.lfHeight =
        -static_cast<LONG>(quellan::numeric::RoundHalfEven(size_ * 96.0 / 72.0).value_or(0));
    font.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic_ ? 1 : 0;
    font.lfUnderline = underline_ ? 1 : 0;
    font.lfStrikeOut = strikethrough_ ? 1 : 0;
    font.lfCharSet = charset_;
    font.lfFaceName = name_.substr(0, kLfFaceNameMaxBytes);
    return font;
}

HFONT StdFont::CreateHandle() const {
    LOGFONT font = ToLogFont();
    return CreateFontIndirect(&font);
}

FontSubscription StdFont::Subscribe(Listener listener) {
    std::uint64_t id = nextListener_++;
    listeners_.emplace_back(id, std::move(listener));
    return FontSubscription(weak_from_this(), id);
}

bool StdFont::operator==(const StdFont& other) const {
    return name_ == other.name_ && size_ == other.size_ && bold_ == other.bold_ &&
           italic_ == other.italic_ && underline_ == other.underline_ &&
           strikethrough_ == other.strikethrough_ && charset_ == other.charset_;
}

void StdFont::Notify(std::string_view attribute) {
    // A listener may unsubscribe itself or others while we call; work on a snapshot of ids.
    std::vector<std::uint64_t> ids;
    for (const auto& entry : listeners_) {
        ids.push_back(entry.first);
    }
    for (std::uint64_t id : ids) {
        auto it = std::find_if(listeners_.begin(), listeners_.end(),
                               [id](const auto& entry) { return entry.first == id; });
        if (it != listeners_.end()) {
            Listener copy = it->second;
            copy(attribute);
        }
    }
}

void StdFont::Unsubscribe(std::uint64_t id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

}  // namespace win::forms
