#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/host/host.h"

namespace win::host::desktop {

// Stands in for a page that cannot be shown here: the address, and a button that hands it to the
// desktop's browser.
class WebViewFallback final : public QWidget {
public:
    using Opener = std::function<bool(const std::string& url)>;

    WebViewFallback(QWidget& parent, Rect bounds, Opener opener);

    void SetAddress(const std::string& url);
    void Move(Rect bounds);

    QString AddressText() const { return address_.text(); }
    QPushButton& OpenButton() { return open_; }

private:
    Opener opener_;
    std::string url_;
    QLabel notice_;
    QLabel address_;
    QPushButton open_;
};

}  // namespace win::host::desktop
