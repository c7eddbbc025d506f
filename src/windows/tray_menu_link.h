#pragma once

// The way back to the tray menu window from the windows it opens. The tray menu window names
// itself here; until something is named, showing it does nothing.

namespace win::forms {
class Form;
}

namespace quellan {

// Shows the tray menu window, loading it first when it is not loaded (which runs its load).
void ShowTrayMenuWindow();

// The form ShowTrayMenuWindow shows; null for none.
void SetTrayMenuWindow(win::forms::Form* window);

}  // namespace quellan
