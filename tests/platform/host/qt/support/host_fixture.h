#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/host/qt/qt_host.h"
#include "tests/platform/host/qt/support/recording_sink.h"

namespace win::host::testing {

// A Qt host with a recording sink. The host is process-wide (it owns the application object),
// so every test of a binary shares it; a test starts with an empty record.
class HostFixture {
public:
    HostFixture();
    ~HostFixture();

    QtHost& Host() { return *host_; }
    RecordingSink& Sink() { return *sink_; }

    // Runs the loop until `done` holds or `timeoutMs` passes; returns whether it held.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000);
    // Runs the loop for about `ms`.
    void PumpFor(int ms);

    // A solid bitmap for a window's content.
    static std::vector<std::uint32_t> Solid(Size size, std::uint32_t pixel);

private:
    QtHost* host_;
    std::unique_ptr<RecordingSink> sink_;
};

// The shared host; on first use creates it (and with it the application object).
QtHost& SharedHost();

}  // namespace win::host::testing
