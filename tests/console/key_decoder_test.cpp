#include <gtest/gtest.h>

#include <vector>

#include "console/key_decoder.h"

namespace quellan::console {
namespace {

using Keys = std::vector<ConsoleKey>;

TEST(KeyDecoder, ArrowsInBothCursorModes) {
    KeyDecoder decoder;
    EXPECT_EQ(decoder.Feed("\x1b[A\x1b[B\x1bOA\x1bOB"),
              (Keys{ConsoleKey::Up, ConsoleKey::Down, ConsoleKey::Up, ConsoleKey::Down}));
    // With a modifier held the terminal adds parameters.
    EXPECT_EQ(decoder.Feed("\x1b[1;5A"), (Keys{ConsoleKey::Up}));
}

TEST(KeyDecoder, SequenceSplitOverReads) {
    KeyDecoder decoder;
    EXPECT_EQ(decoder.Feed("\x1b"), Keys{});
    EXPECT_EQ(decoder.Feed("["), Keys{});
    EXPECT_EQ(decoder.Feed("B"), (Keys{ConsoleKey::Down}));
    EXPECT_EQ(decoder.Feed("\x1bO"), Keys{});
    EXPECT_EQ(decoder.Feed("Aq"), (Keys{ConsoleKey::Up, ConsoleKey::Quit}));
}

TEST(KeyDecoder, QuitKeys) {
    KeyDecoder decoder;
    EXPECT_EQ(decoder.Feed("q"), (Keys{ConsoleKey::Quit}));
    EXPECT_EQ(decoder.Feed("Q"), (Keys{ConsoleKey::Quit}));
    EXPECT_EQ(decoder.Feed("\x03"), (Keys{ConsoleKey::Quit}));
    // Escape then q, as Alt-q or a quick Escape and q arrive: still q.
    EXPECT_EQ(decoder.Feed("\x1bq"), (Keys{ConsoleKey::Quit}));
}

TEST(KeyDecoder, OtherKeysAndSequencesAreDropped) {
    KeyDecoder decoder;
    // Right, Left, Page Down, F5, plain letters: none of them is a key of the view, and the 'q'
    // inside none of them must be taken for one.
    EXPECT_EQ(decoder.Feed("\x1b[C\x1b[D\x1b[6~\x1b[15~x\n\x1bOC\x1b[?1;2c"), Keys{});
    EXPECT_EQ(decoder.Feed("\x1b\x1b[A"), (Keys{ConsoleKey::Up}));
}

}  // namespace
}  // namespace quellan::console
