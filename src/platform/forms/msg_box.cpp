#include "platform/forms/msg_box.h"

#include "platform/forms/application.h"
#include "platform/user/user.h"

namespace win::forms {

int MsgBox(std::string_view prompt, int buttons, std::optional<std::string> title) {
    if (App().Ended()) {
        return 0;
    }
    const std::string caption = title.value_or(App().Title());
    return MessageBox(GetActiveWindow(), prompt, caption, static_cast<UINT>(buttons));
}

}  // namespace win::forms
