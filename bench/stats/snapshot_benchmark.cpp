// Time per interface snapshot (one netlink dump plus the records) against a bare dump of the
// same table on the same socket kind. Target: a snapshot within 1.5 times the bare dump.
#include <benchmark/benchmark.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/net/netlink/netlink_socket.h"
#include "stats/c_ip_helper.h"

namespace {

constexpr int kDummyInterfaces = 50;

bool HasDone(std::span<const std::uint8_t> chunk) {
    std::size_t offset = 0;
    while (chunk.size() - offset >= sizeof(nlmsghdr)) {
        nlmsghdr header;
        std::memcpy(&header, chunk.data() + offset, sizeof(header));
        if (header.nlmsg_type == NLMSG_DONE || header.nlmsg_type == NLMSG_ERROR) {
            return true;
        }
        if (header.nlmsg_len < sizeof(nlmsghdr)) {
            return true;
        }
        offset += NLMSG_ALIGN(header.nlmsg_len);
        if (offset > chunk.size()) {
            break;
        }
    }
    return false;
}

// Request and receive every datagram of the answer, reading nothing but message headers.
class BareDump {
public:
    BareDump() : socket_(win::netlink::NetlinkSocket::Open()), buffer_(64 * 1024) {}

    bool Run() {
        if (!socket_ || !socket_->SendLinkDumpRequest(++sequence_)) {
            return false;
        }
        for (;;) {
            const auto received = socket_->Receive(buffer_);
            if (!received) {
                return false;
            }
            if (HasDone(std::span(buffer_).first(*received))) {
                return true;
            }
        }
    }

private:
    std::unique_ptr<win::netlink::NetlinkSocket> socket_;
    std::vector<std::uint8_t> buffer_;
    std::uint32_t sequence_ = 0;
};

std::string DummyName(int number) {
    return "qbench" + std::to_string(number);
}

bool RunQuietly(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The extra interfaces of the current run: created when a run asks for them, removed when a
// run asks for none and at exit. Dummies, else ifb devices where the dummy module is missing.
class ExtraInterfaces {
public:
    ~ExtraInterfaces() { Remove(); }

    bool Ensure(int wanted) {
        if (wanted == 0) {
            Remove();
            return true;
        }
        if (count_ == wanted) {
            return true;
        }
        Remove();
        for (const char* kind : {"dummy", "ifb"}) {
            while (count_ < wanted &&
                   RunQuietly("ip link add " + DummyName(count_) + " type " + kind)) {
                ++count_;
            }
            if (count_ == wanted) {
                return true;
            }
            Remove();
        }
        return false;
    }

    void Remove() {
        for (; count_ > 0; --count_) {
            RunQuietly("ip link del " + DummyName(count_ - 1));
        }
    }

private:
    int count_ = 0;
};

ExtraInterfaces& Extras() {
    static ExtraInterfaces extras;
    return extras;
}

bool PrepareTable(benchmark::State& state) {
    if (!Extras().Ensure(static_cast<int>(state.range(0)))) {
        state.SkipWithError("cannot create dummy interfaces on this machine");
        return false;
    }
    return true;
}

void BM_BareDump(benchmark::State& state) {
    if (!PrepareTable(state)) {
        return;
    }
    BareDump dump;
    for (auto _ : state) {
        if (!dump.Run()) {
            state.SkipWithError("netlink dump failed");
            break;
        }
    }
}

void BM_Snapshot(benchmark::State& state) {
    if (!PrepareTable(state)) {
        return;
    }
    quellan::CIpHelper helper;
    std::int32_t count = 0;
    for (auto _ : state) {
        count = helper.Interfaces()->Count();
        benchmark::DoNotOptimize(helper.BytesReceived());
    }
    state.counters["interfaces"] = count;
}

// Both in turns, so a busy machine slows them alike; reports the ratio.
void BM_SnapshotVersusBareDump(benchmark::State& state) {
    if (!PrepareTable(state)) {
        return;
    }
    using Clock = std::chrono::steady_clock;
    BareDump dump;
    quellan::CIpHelper helper;
    Clock::duration bareTime{};
    Clock::duration snapshotTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        dump.Run();
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(helper.Interfaces());
        const auto end = Clock::now();
        bareTime += middle - start;
        snapshotTime += end - middle;
    }
    const auto perIteration = [&](Clock::duration total) {
        return std::chrono::duration<double, std::micro>(total).count() /
               static_cast<double>(state.iterations());
    };
    state.counters["bare_us"] = perIteration(bareTime);
    state.counters["snapshot_us"] = perIteration(snapshotTime);
    state.counters["ratio"] = perIteration(snapshotTime) / perIteration(bareTime);
}

// Argument: extra interfaces beside the machine's own. Runs go in this order.
BENCHMARK(BM_BareDump)->Arg(0);
BENCHMARK(BM_Snapshot)->Arg(0);
BENCHMARK(BM_SnapshotVersusBareDump)->Arg(0);
BENCHMARK(BM_BareDump)->Arg(kDummyInterfaces);
BENCHMARK(BM_Snapshot)->Arg(kDummyInterfaces);
BENCHMARK(BM_SnapshotVersusBareDump)->Arg(kDummyInterfaces);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Extras().Remove();
    benchmark::Shutdown();
    return 0;
}
