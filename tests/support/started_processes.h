#pragma once

// Finding again the processes a test started, however deep: the test tags its own environment,
// and everything it starts inherits the tag. Used to check that no helper outlives its test.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace desktop_testing {

// Tags this process's environment; call before starting anything.
void TagStartedProcesses();

// The command lines of the live processes, other than this one, that carry this process's tag,
// once none is left or `patience` has passed. `meanwhile` runs between looks: a test whose program
// ends its helpers from its own event loop passes that loop's pump.
std::vector<std::string> ProcessesLeftAfter(std::chrono::milliseconds patience,
                                            const std::function<void()>& meanwhile = {});

}  // namespace desktop_testing
