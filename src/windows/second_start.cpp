#include "windows/second_start.h"

#include "windows/tray_menu_link.h"

namespace quellan {

void ShowForSecondStart() {
    ShowTrayMenuWindow();
}

}  // namespace quellan
