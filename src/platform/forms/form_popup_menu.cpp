#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/forms/twips.h"
#include "platform/user/user.h"

namespace win::forms {

void Form::PopupMenu(Menu& menu, UINT flags) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (const HWND window = hWnd()) {
        ScreenToClient(window, &cursor);
        ShowPopupMenu(menu, window, cursor, flags);
    }
}

void Form::PopupMenu(Menu& menu, UINT flags, int x, int y) {
    if (const HWND window = hWnd()) {
        ShowPopupMenu(menu, window, POINT{TwipsToPixels(x), TwipsToPixels(y)}, flags);
    }
}

}  // namespace win::forms
