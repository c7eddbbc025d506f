#pragma once

// A windowless picture painted by its container, at its own size or stretched to the control.

#include <functional>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/std_picture.h"

namespace win::forms {

class Image : public Control {
public:
    Image(Container& container, std::string name);

    const PictureRef& Picture() const;
    void SetPicture(PictureRef picture);
    bool Stretch() const;
    void SetStretch(bool stretch);

    std::function<void()> Click;

protected:
    void ResetProperties() override;
    void PaintWindowless(HDC dc) override;
    void OnWindowlessClick() override { RaiseEvent(Click); }

private:
    struct Properties {
        PictureRef picture;
        bool stretch = false;
    };
    void FitToPicture();
    Properties props_;
};

}  // namespace win::forms
