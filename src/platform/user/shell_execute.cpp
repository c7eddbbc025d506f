#include "platform/user/shell_execute.h"

#include "platform/user/class_registry.h"
#include "platform/user/session.h"
#include "platform/user/window_state.h"

namespace win {

namespace {

constexpr LONG_PTR kSucceeded = 42;

host::ProcessWindowHint HintOf(int showCommand) {
    switch (showCommand) {
        case SW_HIDE:
            return host::ProcessWindowHint::Hidden;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
            return host::ProcessWindowHint::Minimized;
        case SW_SHOWMAXIMIZED:
            return host::ProcessWindowHint::Maximized;
        default:
            return host::ProcessWindowHint::Normal;
    }
}

}  // namespace

LONG_PTR ShellExecute(HWND, std::string_view lpOperation, std::string_view lpFile,
                      std::string_view lpParameters, std::string_view, int) {
    user::Session* session = user::Current();
    const std::string verb = user::LowerCase(lpOperation);
    if (session == nullptr || (!verb.empty() && verb != "open") || !lpParameters.empty()) {
        return SE_ERR_NOASSOC;
    }
    if (lpFile.empty()) {
        return SE_ERR_FILE_NOT_FOUND;
    }
    return session->Host().OpenUrl(lpFile) ? kSucceeded : SE_ERR_NOASSOC;
}

LONG_PTR ShellExecuteProcess(HWND, const std::vector<std::string>& argv, int nShowCmd) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return SE_ERR_NOASSOC;
    }
    if (argv.empty() || argv.front().empty()) {
        return SE_ERR_FILE_NOT_FOUND;
    }
    return session->Host().StartDetachedProcess(argv, HintOf(nShowCmd)) ? kSucceeded
                                                                        : SE_ERR_NOASSOC;
}

}  // namespace win
