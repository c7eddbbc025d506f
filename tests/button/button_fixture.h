#pragma once

// A form of owner-drawn buttons on a fresh headless desktop: a push button, a check button, two
// option buttons on the form, one in a frame, and a text box before and after them, every
// event of every button written into one log.

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "button/lumbutton.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/menu.h"
#include "platform/forms/text_box.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace quellan::testing {

using Log = std::vector<std::string>;

class frmButtons : public win::forms::Form {
public:
    frmButtons() : Form("frmButtons") {}

    win::forms::TextBox txtBefore{*this, "txtBefore"};
    lumbutton cmdPush{*this, "cmdPush"};
    lumbutton chkCheck{*this, "chkCheck"};
    lumbutton optFirst{*this, "optFirst"};
    lumbutton optSecond{*this, "optSecond"};
    win::forms::Frame fraGroup{*this, "fraGroup"};
    lumbutton optFramed{fraGroup, "optFramed"};
    win::forms::TextBox txtAfter{*this, "txtAfter"};
    win::forms::Menu mnuDrop{*this, "mnuDrop"};
    win::forms::Menu mnuItem{mnuDrop, "mnuItem"};

    std::vector<lumbutton*> Buttons() {
        return {&cmdPush, &chkCheck, &optFirst, &optSecond, &optFramed};
    }

protected:
    void Design() override {
        SetStartUpPosition(win::forms::StartUpPosition::Manual);
        Move(1500, 1500);
        SetClientSize(6000, 4500);
        txtBefore.Move(150, 150, 1500, 300);
        cmdPush.Move(150, 600, 1575, 375);  // 105 x 25 pixels
        chkCheck.Move(1800, 600, 1575, 375);
        optFirst.Move(150, 1200, 1575, 375);
        optSecond.Move(1800, 1200, 1575, 375);
        fraGroup.Move(150, 1800, 3600, 1200);
        optFramed.Move(150, 300, 1575, 375);
        txtAfter.Move(150, 3300, 1500, 300);
        mnuItem.SetCaption("Item");
    }
};

class ButtonTest : public ::testing::Test {
protected:
    ButtonTest() {
        win::forms::App().ResetForTesting();
        for (lumbutton* button : form.Buttons()) {
            Subscribe(*button);
        }
    }
    ~ButtonTest() override { win::forms::App().ResetForTesting(); }

    void Subscribe(lumbutton& button) {
        const std::string name = button.Name();
        auto plain = [this, name](const char* event) {
            return [this, name, event] { log.push_back(name + " " + event); };
        };
        button.Click = plain("Click");
        button.DblClick = plain("DblClick");
        button.MouseEnter = plain("MouseEnter");
        button.MouseLeave = plain("MouseLeave");
        auto mouse = [this, name](const char* event) {
            return [this, name, event](std::int16_t& b, std::int16_t& s, float& x, float& y) {
                log.push_back(name + " " + event + " " + std::to_string(b) + " " +
                              std::to_string(s) + " " + std::to_string(static_cast<int>(x)) + " " +
                              std::to_string(static_cast<int>(y)));
            };
        };
        button.MouseDown = mouse("MouseDown");
        button.MouseUp = mouse("MouseUp");
        button.MouseMove = mouse("MouseMove");
        auto key = [this, name](const char* event) {
            return [this, name, event](std::int16_t& code, std::int16_t& shift) {
                log.push_back(name + " " + event + " " + std::to_string(code) + " " +
                              std::to_string(shift));
            };
        };
        button.KeyDown = key("KeyDown");
        button.KeyUp = key("KeyUp");
        button.KeyPress = [this, name](std::int16_t& c) {
            log.push_back(name + " KeyPress " + std::to_string(c));
        };
    }

    Log TakeLog() { return std::exchange(log, {}); }

    // The button's client point on the screen.
    static win::POINT On(const lumbutton& button, int x, int y) {
        win::POINT point{x, y};
        win::ClientToScreen(button.hWnd(), &point);
        return point;
    }
    void MoveTo(const lumbutton& button, int x, int y) {
        const win::POINT p = On(button, x, y);
        desktop.Host().MoveMouse({p.x, p.y});
    }
    // Far from every window of ours.
    void MoveAway() { desktop.Host().MoveMouse({5, 5}); }

    win::testing::HeadlessDesktop desktop;
    frmButtons form;
    Log log;
};

}  // namespace quellan::testing
