#pragma once

// The mini window: a small borderless, always-on-top window in the bottom-right corner that
// mirrors the statistics window's totals, keeps the total of earlier runs read from the totals
// file, and saves the accumulated total when the user ends the program with its "X".

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "meter/frm_bandwidth.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "windows/totals_file.h"

namespace quellan {

class frmRight : public win::forms::Form {
public:
    // Mirrors `statistics`; the totals file is opened by its bare name, in the current folder,
    // unless tests name another.
    explicit frmRight(frmBandwidth& statistics,
                      std::filesystem::path totalsFile = std::filesystem::path(kTotalsFileName));

    void frmRight_Form_Load();
    void frmRight_Timer1_Timer();
    void frmRight_Timer2_Timer();
    void frmRight_Command1_Click();
    void frmRight_Command2_Click();
    void frmRight_Command3_Click();

    // The save of "X" without the end: `Text3` brought up to date, then the stored total plus
    // this run's traffic written. The session ending saves through here too.
    std::optional<TotalsSaveError> SaveAccumulatedTotal();

    // Tells the user that the total could not be saved, and why; a message box unless replaced.
    std::function<void(const std::string& message)> ShowSaveFailure;
    // Shows the tray menu window; "查看菜单" does nothing visible until it is set.
    std::function<void()> ShowMenuWindow;

    win::forms::Label Label3{*this, "Label3"};
    win::forms::Image Image1{*this, "Image1"};
    win::forms::CommandButton Command3{*this, "Command3"};
    win::forms::CommandButton Command2{*this, "Command2"};
    win::forms::Label Label1{*this, "Label1"};
    win::forms::TextBox Text1{*this, "Text1"};
    win::forms::Label Label2{*this, "Label2"};
    win::forms::TextBox Text2{*this, "Text2"};
    win::forms::CommandButton Command1{*this, "Command1"};
    win::forms::TextBox Text3{*this, "Text3"};
    win::forms::TextBox Text4{*this, "Text4"};
    win::forms::Timer Timer1{*this, "Timer1"};
    win::forms::Timer Timer2{*this, "Timer2"};

protected:
    void Design() override;
    void Form_Load() override { frmRight_Form_Load(); }

private:
    void DesignTitleBar();
    void DesignFigures();
    void PlaceInWorkAreaCorner();

    frmBandwidth& statistics_;
    std::filesystem::path totalsFile_;
};

// The program's one mini window, mirroring FrmBandwidth().
frmRight& FrmRight();

}  // namespace quellan
