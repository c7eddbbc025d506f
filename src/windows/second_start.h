#pragma once

// What the running program shows when a second start in its folder hands over to it.

namespace quellan {

// Shows the window a user starting the program again expects to see: the tray menu window, whose
// load brings the mini window and the tray icon back too.
void ShowForSecondStart();

}  // namespace quellan
