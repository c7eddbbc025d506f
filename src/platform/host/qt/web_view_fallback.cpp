#include "platform/host/qt/web_view_fallback.h"

#include <QPalette>
#include <QVBoxLayout>

namespace win::host::desktop {

WebViewFallback::WebViewFallback(QWidget& parent, Rect bounds, Opener opener)
    : QWidget(&parent),
      opener_(std::move(opener)),
      notice_(QStringLiteral("此处无法显示网页，可在浏览器中打开：")),
      open_(QStringLiteral("在浏览器中打开")) {
    // The pane covers the window's own pixels; the window draws without a background.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    address_.setWordWrap(true);
    address_.setAlignment(Qt::AlignCenter);
    address_.setTextFormat(Qt::PlainText);
    address_.setTextInteractionFlags(Qt::TextSelectableByMouse);
    open_.setEnabled(false);
    QObject::connect(&open_, &QPushButton::clicked, this, [this] { opener_(url_); });

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(&notice_, 0, Qt::AlignHCenter);
    layout->addWidget(&address_);
    layout->addWidget(&open_, 0, Qt::AlignHCenter);
    layout->addStretch();

    Move(bounds);
    show();
}

void WebViewFallback::SetAddress(const std::string& url) {
    url_ = url;
    address_.setText(QString::fromStdString(url));
    open_.setEnabled(!url.empty());
}

void WebViewFallback::Move(Rect bounds) {
    setGeometry(bounds.left, bounds.top, std::max(bounds.Width(), 0), std::max(bounds.Height(), 0));
}

}  // namespace win::host::desktop
