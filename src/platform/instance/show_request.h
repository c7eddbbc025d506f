#pragma once

// A second start hands over to the process that keeps the folder's totals: it connects to a
// socket the keeper listens on and asks it to show itself.

#include <filesystem>
#include <optional>

namespace quellan::instance {

// Where the keeper of `folder` listens: a socket in the user's runtime folder, named after the
// folder's canonical path so that each folder has its own. Nothing without a runtime folder.
std::optional<std::filesystem::path> ShowRequestSocket(const char* runtimeFolder,
                                                       const std::filesystem::path& folder);

// The keeper's end. Only the process holding the keeper lock may listen: a socket file left by
// an ended keeper is replaced. The file goes when this is dropped.
class ShowRequestListener {
public:
    // Nothing when the socket cannot be made.
    static std::optional<ShowRequestListener> Listen(const std::filesystem::path& socket);

    ShowRequestListener(ShowRequestListener&& other) noexcept;
    ShowRequestListener& operator=(ShowRequestListener&&) = delete;
    ShowRequestListener(const ShowRequestListener&) = delete;
    ShowRequestListener& operator=(const ShowRequestListener&) = delete;
    ~ShowRequestListener();

    // Takes every request waiting, without blocking; true when there was at least one.
    bool TakeRequests();

private:
    ShowRequestListener(int fd, std::filesystem::path socket)
        : fd_(fd), socket_(std::move(socket)) {}
    int fd_;
    std::filesystem::path socket_;
};

// Asks the keeper listening on `socket` to show itself; false when none answers.
bool SendShowRequest(const std::filesystem::path& socket);

}  // namespace quellan::instance
