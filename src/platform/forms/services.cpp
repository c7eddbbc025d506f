#include "platform/forms/services.h"

#include "platform/forms/application.h"
#include "platform/user/desktop.h"
#include "platform/user/messaging.h"

namespace win::forms {
namespace {

host::ProcessWindowHint HintOf(int windowStyle) {
    switch (windowStyle) {
        case vbHide:
            return host::ProcessWindowHint::Hidden;
        case vbMinimizedFocus:
        case vbMinimizedNoFocus:
            return host::ProcessWindowHint::Minimized;
        case vbMaximizedFocus:
            return host::ProcessWindowHint::Maximized;
        default:
            return host::ProcessWindowHint::Normal;
    }
}

}  // namespace

void DoEvents() {
    if (!App().Ended()) {
        ProcessPendingMessages();
    }
}

bool Shell(const std::vector<std::string>& argv, int windowStyle) {
    host::Host* desktop = GetHost();
    if (!desktop || argv.empty() || argv.front().empty()) {
        return false;
    }
    return desktop->StartDetachedProcess(argv, HintOf(windowStyle));
}

bool OpenUrl(std::string_view url) {
    host::Host* desktop = GetHost();
    if (!desktop || url.empty()) {
        return false;
    }
    return desktop->OpenUrl(url);
}

}  // namespace win::forms
