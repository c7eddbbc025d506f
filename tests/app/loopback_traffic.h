#pragma once

#include <cstdint>

namespace quellan::testing_support {

// Bounded UDP traffic to a port of our own on 127.0.0.1: `datagrams` of 1000 bytes. Returns the
// payload bytes sent; the loopback counts each once received and once sent, headers aside.
std::uint64_t SendLoopbackTraffic(int datagrams);

}  // namespace quellan::testing_support
