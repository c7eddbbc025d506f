#pragma once

// What the running program shows when a second start in its folder hands over to it.

namespace quellan {

// Shows the window a user starting the program again expects to see. The mini window for now;
// the tray menu window once the program has one.
void ShowForSecondStart();

}  // namespace quellan
