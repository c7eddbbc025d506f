#pragma once

#include <Qt>

#include "platform/host/host.h"

namespace win::host::desktop {

Qt::CursorShape QtCursorShape(CursorShape shape);

}  // namespace win::host::desktop
