#pragma once

// The whole drawing interface the program uses.

#include "platform/gdi/alpha_blend.h"
#include "platform/gdi/area_fill.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/font.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/lines.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/pixel_access.h"
#include "platform/gdi/raster_op.h"
#include "platform/gdi/rect.h"
#include "platform/gdi/region.h"
#include "platform/gdi/sys_color.h"
#include "platform/gdi/win_types.h"
