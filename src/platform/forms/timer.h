#pragma once

// A timer on its form: fires Tick every Interval milliseconds while Enabled and the form is
// loaded (hidden or not). Enabling it, or changing the interval, starts the interval afresh.

#include <functional>
#include <string>

#include "platform/forms/control.h"

namespace win::forms {

class Timer : public Control {
public:
    Timer(Container& container, std::string name);

    int Interval() const;
    void SetInterval(int milliseconds);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    std::function<void()> Tick;

protected:
    void ResetProperties() override;
    void CreateControlWindow(HWND parent, int id) override;
    void ReleaseControlWindow() override;
    bool IsWindowless() const override { return false; }
    void OnTimerMessage() override;
    bool HitTest(POINT) const override { return false; }
    void OnGeometryChanged() override {}

private:
    struct Properties {
        int interval = 0;
        bool enabled = true;
    };
    void Restart();

    Properties props_;
    HWND window_;
};

}  // namespace win::forms
