#pragma once

// Finding again the processes a test started, however deep: the test tags its own environment,
// and everything it starts inherits the tag. Used to check that no helper outlives its test.

#include <chrono>
#include <string>
#include <vector>

namespace desktop_testing {

// Tags this process's environment; call before starting anything.
void TagStartedProcesses();

// The command lines of the live processes, other than this one, that carry this process's tag,
// once none is left or `patience` has passed.
std::vector<std::string> ProcessesLeftAfter(std::chrono::milliseconds patience);

}  // namespace desktop_testing
