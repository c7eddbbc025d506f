#include "platform/user/last_error.h"

namespace win {

namespace {
DWORD lastError = ERROR_SUCCESS;
}

DWORD GetLastError() {
    return lastError;
}
void SetLastError(DWORD dwErrCode) {
    lastError = dwErrCode;
}

}  // namespace win
