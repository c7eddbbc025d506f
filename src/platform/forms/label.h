#pragma once

// A windowless text painted by its container: caption, colours, font, alignment, transparent
// or opaque background, and sizing itself to its text.

#include <functional>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/std_font.h"

namespace win::forms {

enum class Alignment { LeftJustify = 0, RightJustify = 1, Center = 2 };
enum class BackStyle { Transparent = 0, Opaque = 1 };

class Label : public Control {
public:
    Label(Container& container, std::string name);

    std::string Caption() const;
    void SetCaption(std::string caption);
    bool AutoSize() const;
    void SetAutoSize(bool autoSize);
    bool WordWrap() const;
    void SetWordWrap(bool wordWrap);
    forms::BackStyle BackStyle() const;
    void SetBackStyle(forms::BackStyle style);
    OLE_COLOR BackColor() const;
    void SetBackColor(OLE_COLOR colour);
    OLE_COLOR ForeColor() const;
    void SetForeColor(OLE_COLOR colour);
    forms::Alignment Alignment() const;
    void SetAlignment(forms::Alignment alignment);
    // The label follows later changes of the font object.
    const FontRef& Font() const;
    void SetFont(FontRef font);

    // "&" marks an access key unless this is off.
    bool UseMnemonic() const;
    void SetUseMnemonic(bool useMnemonic);

    std::function<void()> Click;

protected:
    void ResetProperties() override;
    void PaintWindowless(HDC dc) override;
    void OnWindowlessClick() override { RaiseEvent(Click); }
    char AccessKey() const override;
    void OnAccessKey(char key) override;

private:
    struct Properties {
        std::string caption;
        bool autoSize = false;
        bool wordWrap = false;
        forms::BackStyle backStyle = forms::BackStyle::Opaque;
        OLE_COLOR backColor = vbButtonFace;
        OLE_COLOR foreColor = vbButtonText;
        forms::Alignment alignment = forms::Alignment::LeftJustify;
        FontRef font;
        bool useMnemonic = true;
    };

    void FontChanged();
    void FitToText();
    UINT TextFormat() const;

    Properties props_;
    FontSubscription fontSubscription_;
};

}  // namespace win::forms
