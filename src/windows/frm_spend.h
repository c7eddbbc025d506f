#pragma once

// The tariff query window: the user types the terms of a monthly plan, the window shows the
// traffic stored in the totals file and works out what is due. Every figure lives as text in the
// boxes and is read back from them at each step.

#include <filesystem>

#include "button/lumbutton.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"
#include "windows/totals_file.h"

namespace quellan {

class frmSpend : public win::forms::Form {
public:
    // The totals file is opened by its bare name, in the current folder, unless tests name another.
    explicit frmSpend(std::filesystem::path totalsFile = std::filesystem::path(kTotalsFileName));

    void frmSpend_Form_Load();
    void frmSpend_lumbutton1_Click();
    void frmSpend_Command1_Click();
    void frmSpend_Command2_Click();

    win::forms::Image Image1{*this, "Image1"};
    win::forms::Label Label1{*this, "Label1"};
    win::forms::CommandButton Command1{*this, "Command1"};
    win::forms::CommandButton Command3{*this, "Command3"};
    win::forms::CommandButton Command2{*this, "Command2"};
    win::forms::Label Label2{*this, "Label2"};
    win::forms::TextBox Text1{*this, "Text1"};
    win::forms::Label Label3{*this, "Label3"};
    win::forms::TextBox Text2{*this, "Text2"};
    win::forms::Label Label4{*this, "Label4"};
    win::forms::TextBox Text3{*this, "Text3"};
    win::forms::Label Label5{*this, "Label5"};
    win::forms::TextBox Text4{*this, "Text4"};
    win::forms::Label Label7{*this, "Label7"};
    win::forms::TextBox Text7{*this, "Text7"};
    win::forms::Label Label6{*this, "Label6"};
    win::forms::TextBox Text6{*this, "Text6"};
    lumbutton lumbutton1{*this, "lumbutton1"};
    win::forms::TextBox Text5{*this, "Text5"};
    win::forms::TextBox Text8{*this, "Text8"};

protected:
    void Design() override;
    void Form_Load() override { frmSpend_Form_Load(); }

private:
    void DesignTitleBar();
    void DesignFigures();

    std::filesystem::path totalsFile_;
};

// The program's one tariff query window.
frmSpend& FrmSpend();

}  // namespace quellan
