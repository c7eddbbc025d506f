#include "platform/host/qt/cursor_shapes.h"

namespace win::host::desktop {

Qt::CursorShape QtCursorShape(CursorShape shape) {
    switch (shape) {
        case CursorShape::Arrow:
            return Qt::ArrowCursor;
        case CursorShape::Hand:
            return Qt::PointingHandCursor;
        case CursorShape::IBeam:
            return Qt::IBeamCursor;
        case CursorShape::Wait:
            return Qt::WaitCursor;
        case CursorShape::Cross:
            return Qt::CrossCursor;
        case CursorShape::SizeAll:
            return Qt::SizeAllCursor;
        case CursorShape::SizeWestEast:
            return Qt::SizeHorCursor;
        case CursorShape::SizeNorthSouth:
            return Qt::SizeVerCursor;
        case CursorShape::No:
            return Qt::ForbiddenCursor;
    }
    return Qt::ArrowCursor;
}

}  // namespace win::host::desktop
