// The reference build: runs every drawing case on the system API and writes what each left behind.

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "system_api.h"
// clang-format off
#include "reference_record.h"
#include "reference_cases.h"
// clang-format on

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    for (const gdi_reference::Case& c : gdi_reference::ReferenceCases()) {
        std::fputs(gdi_reference::CaseText(c).c_str(), stdout);
    }
    return 0;
}
