#include "tests/platform/host/qt/support/host_fixture.h"

#include <gtest/gtest.h>

namespace win::host::testing {

namespace {

std::unique_ptr<QtHost>& HostSlot() {
    static std::unique_ptr<QtHost> host;
    return host;
}

// Qt's own globals are gone by the time function statics die, so the host (and with it the
// application object) ends with the test run instead.
class HostEnvironment final : public ::testing::Environment {
public:
    void TearDown() override { HostSlot().reset(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new HostEnvironment);

}  // namespace

QtHost& SharedHost() {
    static int argc = 1;
    static char name[] = "quellan-test";
    static char* argv[] = {name, nullptr};
    if (!HostSlot()) {
        HostSlot() = std::make_unique<QtHost>(argc, argv);
    }
    return *HostSlot();
}

HostFixture::HostFixture() : host_(&SharedHost()), sink_(std::make_unique<RecordingSink>()) {
    sink_->clock = host_;
    host_->SetEventSink(sink_.get());
}

HostFixture::~HostFixture() {
    host_->SetEventSink(nullptr);
    host_->SetWakeUp(std::nullopt);
}

bool HostFixture::PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const std::int64_t deadline = host_->NowMilliseconds() + timeoutMs;
    while (!done()) {
        const std::int64_t now = host_->NowMilliseconds();
        if (now >= deadline) {
            return false;
        }
        host_->SetWakeUp(std::min(now + 20, deadline));
        host_->WaitForEvents();
    }
    return true;
}

void HostFixture::PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

std::vector<std::uint32_t> HostFixture::Solid(Size size, std::uint32_t pixel) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(size.width) * size.height, pixel);
}

}  // namespace win::host::testing
