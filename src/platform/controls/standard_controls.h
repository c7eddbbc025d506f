#pragma once

// The standard window classes: "Button", "Edit", "ComboBox" (with its list "ComboLBox"),
// "Frame", "PictureBox" and "tooltips_class32". Registering them again
// does nothing.

namespace win {

bool InitCommonControls();

}  // namespace win
