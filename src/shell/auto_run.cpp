#include "shell/auto_run.h"

#include "platform/forms/services.h"

namespace quellan::shell {

void RegisterAutoRun(const std::filesystem::path& executable) {
    if (executable.empty()) {
        return;
    }
    const auto writer = win::files::FindShippedHelper(kAutostartWriterName, executable);
    if (!writer) {
        return;
    }
    win::forms::Shell({writer->string(), executable.string()}, win::forms::vbHide);
}

}  // namespace quellan::shell
