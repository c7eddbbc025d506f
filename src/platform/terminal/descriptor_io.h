#pragma once

// Waiting for input on a few descriptors at once, reading what is there and writing it all.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/terminal/descriptor.h"

namespace win::terminal {

// Waits until one of the descriptors is readable (or has hung up), at most `timeoutMs`
// milliseconds; returns the readable ones. An interrupted wait returns what it found so far.
std::vector<Descriptor> WaitForReadable(std::span<const Descriptor> descriptors, int timeoutMs);

// What can be read now without waiting; empty at the end of the input or on an error.
std::string ReadAvailable(Descriptor descriptor);

// False when the output is gone (a closed pipe, a hung-up terminal) or refuses the bytes.
bool WriteAll(Descriptor descriptor, std::string_view bytes);

}  // namespace win::terminal
