#pragma once

// Why a file operation failed: the step that failed and the system's error.

#include <system_error>

namespace quellan::files {

enum class FileStep { CreateTemporary, Write, Flush, Close, Replace };

struct FileError {
    FileStep step;
    std::error_code code;
};

}  // namespace quellan::files
