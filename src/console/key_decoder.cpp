#include "console/key_decoder.h"

namespace quellan::console {
namespace {

constexpr char kEscape = '\x1b';
constexpr char kEndOfText = '\x03';  // Ctrl-C, should the terminal pass it on as a byte

// A control sequence ends at its first byte in this range; parameters come before.
bool EndsControlSequence(char byte) {
    return byte >= '@' && byte <= '~';
}

void TakeArrow(char finalByte, std::vector<ConsoleKey>& keys) {
    if (finalByte == 'A') {
        keys.push_back(ConsoleKey::Up);
    } else if (finalByte == 'B') {
        keys.push_back(ConsoleKey::Down);
    }
}

}  // namespace

std::vector<ConsoleKey> KeyDecoder::Feed(std::string_view bytes) {
    std::vector<ConsoleKey> keys;
    for (char byte : bytes) {
        Take(byte, keys);
    }
    return keys;
}

void KeyDecoder::Take(char byte, std::vector<ConsoleKey>& keys) {
    switch (state_) {
        case State::Plain:
            if (byte == kEscape) {
                state_ = State::Escape;
            } else if (byte == 'q' || byte == 'Q' || byte == kEndOfText) {
                keys.push_back(ConsoleKey::Quit);
            }
            return;
        case State::Escape:
            if (byte == '[') {
                state_ = State::ControlSequence;
            } else if (byte == 'O') {
                state_ = State::SingleShift;
            } else if (byte != kEscape) {
                // Alt with a key, or a lone Escape followed by typing: the byte is a key itself.
                state_ = State::Plain;
                Take(byte, keys);
            }
            return;
        case State::ControlSequence:
            // Parameters ("ESC [ 1 ; 5 A", an arrow with a modifier held) are skipped.
            if (EndsControlSequence(byte)) {
                state_ = State::Plain;
                TakeArrow(byte, keys);
            }
            return;
        case State::SingleShift:
            state_ = State::Plain;
            TakeArrow(byte, keys);
            return;
    }
}

}  // namespace quellan::console
