#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <optional>

#include "platform/terminal/descriptor_io.h"
#include "platform/terminal/key_input_mode.h"
#include "platform/terminal/terminal_device.h"
#include "platform/terminal/termination_signals.h"

namespace win::terminal {
namespace {

using SignalHandler = void (*)(int);

SignalHandler CurrentHandler(int signalNumber) {
    struct sigaction current {};
    ::sigaction(signalNumber, nullptr, &current);
    return current.sa_handler;
}

TEST(TerminationSignals, EndingSignalsWakeTheLoopInsteadOfKillingIt) {
    TerminationSignals signals;
    for (int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        ASSERT_EQ(::raise(signalNumber), 0);
        std::array<Descriptor, 1> watched = {signals.WakeUp()};
        EXPECT_EQ(WaitForReadable(watched, 1000).size(), 1u);
        EXPECT_EQ(signals.TakeSignal(), signalNumber);
    }
    EXPECT_EQ(signals.TakeSignal(), std::nullopt);
    std::array<Descriptor, 1> watched = {signals.WakeUp()};
    EXPECT_TRUE(WaitForReadable(watched, 0).empty());
}

TEST(TerminationSignals, PutsTheFormerHandlersBack) {
    SignalHandler termBefore = CurrentHandler(SIGTERM);
    SignalHandler pipeBefore = CurrentHandler(SIGPIPE);
    {
        TerminationSignals signals;
        EXPECT_NE(CurrentHandler(SIGTERM), termBefore);
        EXPECT_EQ(CurrentHandler(SIGPIPE), SIG_IGN);
        EXPECT_THROW(TerminationSignals second, std::logic_error);
    }
    EXPECT_EQ(CurrentHandler(SIGTERM), termBefore);
    EXPECT_EQ(CurrentHandler(SIGPIPE), pipeBefore);
    TerminationSignals again;  // one at a time, but again afterwards
}

TEST(DescriptorIo, ClosedOutputIsAFailedWriteNotADeath) {
    TerminationSignals signals;  // SIGPIPE ignored
    std::array<int, 2> ends{};
    ASSERT_EQ(::pipe(ends.data()), 0);
    ::close(ends[0]);
    EXPECT_FALSE(WriteAll(Descriptor{ends[1]}, "lost"));
    ::close(ends[1]);
}

TEST(DescriptorIo, ReadsWhatIsThereAndSeesTheEnd) {
    std::array<int, 2> ends{};
    ASSERT_EQ(::pipe(ends.data()), 0);
    Descriptor reader{ends[0]};
    EXPECT_TRUE(WriteAll(Descriptor{ends[1]}, "\x1b[A"));
    std::array<Descriptor, 1> watched = {reader};
    EXPECT_EQ(WaitForReadable(watched, 1000).size(), 1u);
    EXPECT_EQ(ReadAvailable(reader), "\x1b[A");
    ::close(ends[1]);
    EXPECT_EQ(WaitForReadable(watched, 1000).size(), 1u);  // hung up
    EXPECT_EQ(ReadAvailable(reader), "");
    ::close(ends[0]);
}

// A pseudo-terminal pair: the far end plays the user's terminal.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        }
    }
    ~PseudoTerminal() {
        ::close(slave_);
        ::close(master_);
    }
    bool Ready() const { return slave_ >= 0; }
    Descriptor Terminal() const { return Descriptor{slave_}; }
    tcflag_t LocalFlags() const {
        termios settings{};
        ::tcgetattr(slave_, &settings);
        return settings.c_lflag;
    }

private:
    int master_ = -1;
    int slave_ = -1;
};

TEST(KeyInputMode, KeysWithoutEchoWhileItLivesAndTheSettingsBackAfterwards) {
    PseudoTerminal pty;
    if (!pty.Ready()) {
        GTEST_SKIP() << "no pseudo-terminals here";
    }
    tcflag_t before = pty.LocalFlags();
    ASSERT_NE(before & ICANON, 0u);
    {
        KeyInputMode keys(pty.Terminal());
        EXPECT_TRUE(keys.Active());
        EXPECT_EQ(pty.LocalFlags() & (ICANON | ECHO), 0u);
        EXPECT_NE(pty.LocalFlags() & ISIG, 0u);  // Ctrl-C still ends the program
    }
    EXPECT_EQ(pty.LocalFlags(), before);
}

TEST(TerminalDevice, TellsTerminalsFromPipes) {
    PseudoTerminal pty;
    if (!pty.Ready()) {
        GTEST_SKIP() << "no pseudo-terminals here";
    }
    EXPECT_TRUE(IsTerminal(pty.Terminal()));
    winsize size{};
    size.ws_col = 93;
    size.ws_row = 31;
    ASSERT_EQ(::ioctl(NumberOf(pty.Terminal()), TIOCSWINSZ, &size), 0);
    auto reported = TerminalWindowSize(pty.Terminal());
    ASSERT_TRUE(reported);
    EXPECT_EQ(reported->columns, 93);
    EXPECT_EQ(reported->rows, 31);

    std::array<int, 2> ends{};
    ASSERT_EQ(::pipe(ends.data()), 0);
    EXPECT_FALSE(IsTerminal(Descriptor{ends[0]}));
    EXPECT_EQ(TerminalWindowSize(Descriptor{ends[0]}), std::nullopt);
    KeyInputMode none(Descriptor{ends[0]});
    EXPECT_FALSE(none.Active());
    ::close(ends[0]);
    ::close(ends[1]);
}

}  // namespace
}  // namespace win::terminal
