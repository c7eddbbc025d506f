#pragma once

// Temporary copies left behind by a save that was killed between writing its temporary file and
// renaming it. They are named ".<target name>.<pid>.<n>.<n>.tmp" beside the target; one whose
// process no longer runs will never be renamed and is only clutter.

#include <cstddef>
#include <filesystem>

namespace quellan::files {

// Removes the temporaries of `target` whose process has ended. Temporaries of running processes,
// anything that is not a plain file, and every other name are left alone. Returns how many were
// removed; failures to look or to remove are ignored, as the next save tries again.
std::size_t RemoveStrayTemporaries(const std::filesystem::path& target);

}  // namespace quellan::files
