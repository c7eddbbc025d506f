#pragma once

// The standard window classes: "Button", "Edit", "ComboBox" (with its list "ComboLBox"),
// "Frame", "PictureBox", "tooltips_class32" and the message box "#32770". Registering them again
// does nothing.

namespace win {

bool InitCommonControls();

}  // namespace win
