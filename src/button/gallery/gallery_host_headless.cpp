#include "button/gallery/gallery_host.h"

#include "platform/host/headless/headless_host.h"
#include "platform/user/desktop.h"

namespace quellan::gallery {

int WithHeadlessHost(const std::function<int()>& draw) {
    win::host::HeadlessHost host;
    win::AttachHost(host);
    const int result = draw();
    win::DetachHost();
    return result;
}

}  // namespace quellan::gallery
