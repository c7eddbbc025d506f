#pragma once

#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <memory>

#include "platform/host/host.h"

namespace win::host::desktop {

// The helper's window taken into one of ours as a child window, at a rectangle of its content.
// Ending the embedding gives the window back to the desktop's root, unmapped, so that our window
// can go before the helper has closed its own.
class WebViewEmbedding {
public:
    // `parent` is our native window; `window` the helper's native id.
    WebViewEmbedding(QWidget& parent, std::uint64_t window, Rect bounds, bool visible);
    ~WebViewEmbedding();
    WebViewEmbedding(const WebViewEmbedding&) = delete;
    WebViewEmbedding& operator=(const WebViewEmbedding&) = delete;

    void Move(Rect bounds);
    void SetVisible(bool visible);
    // The helper ended: its window has gone with it, nothing is to be given back.
    void Abandon();

private:
    std::unique_ptr<QWindow> window_;
    bool alive_ = true;
};

}  // namespace win::host::desktop
