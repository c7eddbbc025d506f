#pragma once

// Keys from the bytes a terminal sends in non-canonical mode. A key's bytes may arrive split
// over several reads, so whatever is left of an unfinished sequence is kept for the next feed.

#include <string_view>
#include <vector>

namespace quellan::console {

enum class ConsoleKey { Up, Down, Quit };

class KeyDecoder {
public:
    // The keys the bytes complete, in order. Keys the view has no use for are dropped.
    std::vector<ConsoleKey> Feed(std::string_view bytes);

private:
    enum class State { Plain, Escape, ControlSequence, SingleShift };

    void Take(char byte, std::vector<ConsoleKey>& keys);

    State state_ = State::Plain;
};

}  // namespace quellan::console
