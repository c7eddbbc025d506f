#include "platform/host/qt/web_view_embedding.h"

namespace win::host::desktop {

namespace {

QRect ToQRect(Rect rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace

WebViewEmbedding::WebViewEmbedding(QWidget& parent, std::uint64_t window, Rect bounds, bool visible)
    : window_(QWindow::fromWinId(static_cast<WId>(window))) {
    parent.winId();  // our native window must exist to take a child
    window_->setParent(parent.windowHandle());
    Move(bounds);
    SetVisible(visible);
}

WebViewEmbedding::~WebViewEmbedding() {
    if (alive_) {
        window_->hide();
        window_->setParent(nullptr);
    }
}

void WebViewEmbedding::Move(Rect bounds) {
    if (alive_) {
        window_->setGeometry(ToQRect(bounds));
    }
}

void WebViewEmbedding::SetVisible(bool visible) {
    if (alive_) {
        window_->setVisible(visible);
    }
}

void WebViewEmbedding::Abandon() {
    alive_ = false;
}

}  // namespace win::host::desktop
