#include "platform/forms/label.h"

#include "platform/forms/access_key.h"
#include "platform/forms/gdi_object.h"
#include "platform/forms/twips.h"
#include "platform/gdi/area_fill.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"

namespace win::forms {
namespace {

// Selects a font into a DC for one drawing step and puts the previous one back.
class SelectedFont {
public:
    SelectedFont(HDC dc, const StdFont& font)
        : dc_(dc), font_(font.CreateHandle()), previous_(SelectObject(dc, font_.Get())) {}
    ~SelectedFont() {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    GdiObject<HFONT> font_;
    HFONT previous_;
};

}  // namespace

Label::Label(Container& container, std::string name) : Control(container, std::move(name)) {
    ResetProperties();
}

void Label::ResetProperties() {
    props_ = Properties{};
    props_.font = StdFont::Create();
    fontSubscription_ = props_.font->Subscribe([this](std::string_view) { FontChanged(); });
    geometry_.tabStop = false;
}

std::string Label::Caption() const {
    Touch();
    return props_.caption;
}

void Label::SetCaption(std::string caption) {
    Touch();
    if (caption == props_.caption) {
        return;
    }
    props_.caption = std::move(caption);
    InvalidateArea();
    FitToText();
}

bool Label::AutoSize() const {
    Touch();
    return props_.autoSize;
}

void Label::SetAutoSize(bool autoSize) {
    Touch();
    props_.autoSize = autoSize;
    FitToText();
}

bool Label::WordWrap() const {
    Touch();
    return props_.wordWrap;
}

void Label::SetWordWrap(bool wordWrap) {
    Touch();
    props_.wordWrap = wordWrap;
    InvalidateArea();
    FitToText();
}

BackStyle Label::BackStyle() const {
    Touch();
    return props_.backStyle;
}

void Label::SetBackStyle(forms::BackStyle style) {
    Touch();
    props_.backStyle = style;
    InvalidateArea();
}

OLE_COLOR Label::BackColor() const {
    Touch();
    return props_.backColor;
}

void Label::SetBackColor(OLE_COLOR colour) {
    Touch();
    props_.backColor = colour;
    InvalidateArea();
}

OLE_COLOR Label::ForeColor() const {
    Touch();
    return props_.foreColor;
}

void Label::SetForeColor(OLE_COLOR colour) {
    Touch();
    props_.foreColor = colour;
    InvalidateArea();
}

Alignment Label::Alignment() const {
    Touch();
    return props_.alignment;
}

void Label::SetAlignment(forms::Alignment alignment) {
    Touch();
    props_.alignment = alignment;
    InvalidateArea();
}

const FontRef& Label::Font() const {
    Touch();
    return props_.font;
}

void Label::SetFont(FontRef font) {
    Touch();
    if (!font) {
        return;
    }
    props_.font = std::move(font);
    fontSubscription_ = props_.font->Subscribe([this](std::string_view) { FontChanged(); });
    FontChanged();
}

void Label::FontChanged() {
    InvalidateArea();
    FitToText();
}

UINT Label::TextFormat() const {
    UINT format = props_.wordWrap || !props_.autoSize ? DT_WORDBREAK : DT_SINGLELINE;
    if (!props_.useMnemonic) {
        format |= DT_NOPREFIX;
    }
    switch (props_.alignment) {
        case forms::Alignment::RightJustify:
            format |= DT_RIGHT;
            break;
        case forms::Alignment::Center:
            format |= DT_CENTER;
            break;
        case forms::Alignment::LeftJustify:
            break;
    }
    return format;
}

void Label::FitToText() {
    if (!props_.autoSize) {
        return;
    }
    GdiObject<HDC> dc(CreateCompatibleDC(nullptr));
    SelectedFont font(dc.Get(), *props_.font);
    RECT rect{0, 0, props_.wordWrap ? TwipsToPixels(geometry_.width) : 0, 0};
    DrawText(dc.Get(), props_.caption, -1, &rect, TextFormat() | DT_CALCRECT);
    InvalidateArea();
    if (!props_.wordWrap) {
        geometry_.width = PixelsToTwips(rect.right - rect.left);
    }
    geometry_.height = PixelsToTwips(rect.bottom - rect.top);
    InvalidateArea();
}

bool Label::UseMnemonic() const {
    Touch();
    return props_.useMnemonic;
}

void Label::SetUseMnemonic(bool useMnemonic) {
    Touch();
    props_.useMnemonic = useMnemonic;
    InvalidateArea();
    FitToText();
}

char Label::AccessKey() const {
    return props_.useMnemonic ? AccessKeyOf(props_.caption) : 0;
}

void Label::OnAccessKey(char) {
    FocusAfter(*this);
}

void Label::PaintWindowless(HDC dc) {
    RECT rect = PixelRect();
    if (props_.backStyle == forms::BackStyle::Opaque) {
        GdiObject<HBRUSH> brush(CreateSolidBrush(TranslateColor(props_.backColor)));
        FillRect(dc, &rect, brush.Get());
    }
    SelectedFont font(dc, *props_.font);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(dc, TranslateColor(props_.foreColor));
    DrawText(dc, props_.caption, -1, &rect, TextFormat());
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

}  // namespace win::forms
