#pragma once

// The codes live with the host seam, which reports keys in them.
#include "platform/host/virtual_keys.h"
