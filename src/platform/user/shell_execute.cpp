#include "platform/user/shell_execute.h"

#include "platform/user/class_registry.h"
#include "platform/user/session.h"

namespace win {

namespace {

constexpr LONG_PTR kSucceeded = 42;

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

}  // namespace win
