#pragma once

// A small user control of the kind the program builds on the base: a few typed properties kept
// in the form's store, and a log of every hook the base runs.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "platform/forms/user_control.h"

namespace win::forms::testing {

class ctlSample : public UserControl {
public:
    using UserControl::UserControl;

    std::string caption;
    std::int32_t style = 0;
    std::uint8_t opacity = 255;
    bool value = false;
    FontRef font;
    std::vector<std::string> log;
    bool logMoves = false;

    void SetCaption(std::string text) {
        caption = std::move(text);
        PropertyChanged("Caption");
    }

protected:
    void UserControl_Initialize() override { log.push_back("Initialize"); }
    void UserControl_InitProperties() override {
        log.push_back("InitProperties");
        caption = Ambient().DisplayName();
        font = Ambient().Font();
    }
    void UserControl_ReadProperties(const PropertyBag& bag) override {
        log.push_back("ReadProperties");
        caption = bag.ReadProperty<std::string>("Caption", "ctlSample");
        style = bag.ReadProperty<std::int32_t>("Style", 1);
        opacity = bag.ReadProperty<std::uint8_t>("Opacity", 255);
        value = bag.ReadProperty<bool>("Value", false);
        font = bag.ReadProperty<FontRef>("Font", Ambient().Font());
    }
    void UserControl_WriteProperties(PropertyBag& bag) override {
        log.push_back("WriteProperties");
        bag.WriteProperty("Caption", caption, std::string("ctlSample1"));
        bag.WriteProperty("Style", style, std::int32_t{1});
        bag.WriteProperty("Opacity", opacity, std::uint8_t{255});
        bag.WriteProperty("Value", value, false);
        bag.WriteProperty("Font", font, Ambient().Font());
    }
    void UserControl_Resize() override { log.push_back("Resize"); }
    void UserControl_Show() override { log.push_back("Show"); }
    void UserControl_Paint() override { log.push_back("Paint"); }
    void UserControl_Hide() override { log.push_back("Hide"); }
    void UserControl_Terminate() override { log.push_back("Terminate"); }
    void UserControl_AmbientChanged(std::string_view name) override {
        log.push_back("AmbientChanged " + std::string(name));
    }
    void UserControl_AccessKeyPress(int keyAscii) override {
        log.push_back("AccessKeyPress " + std::to_string(keyAscii));
    }
    void UserControl_MouseDown(int button, int shift, float x, float y) override {
        log.push_back("MouseDown " + Args(button, shift, x, y));
    }
    void UserControl_MouseMove(int button, int shift, float x, float y) override {
        if (logMoves) {
            log.push_back("MouseMove " + Args(button, shift, x, y));
        }
    }
    void UserControl_MouseUp(int button, int shift, float x, float y) override {
        log.push_back("MouseUp " + Args(button, shift, x, y));
    }
    void UserControl_DblClick() override { log.push_back("DblClick"); }
    void UserControl_KeyDown(int& keyCode, int shift) override {
        log.push_back("KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
    }
    void UserControl_KeyPress(int& keyAscii) override {
        log.push_back("KeyPress " + std::to_string(keyAscii));
    }
    void UserControl_KeyUp(int& keyCode, int shift) override {
        log.push_back("KeyUp " + std::to_string(keyCode) + " " + std::to_string(shift));
    }
    void UserControl_GotFocus() override { log.push_back("GotFocus"); }
    void UserControl_LostFocus() override { log.push_back("LostFocus"); }

private:
    static std::string Args(int button, int shift, float x, float y) {
        std::ostringstream out;
        out << button << " " << shift << " " << x << " " << y;
        return out.str();
    }
};

}  // namespace win::forms::testing
