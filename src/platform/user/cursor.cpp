#include "platform/user/cursor.h"

#include <array>
#include <utility>

#include "platform/user/session.h"
#include "platform/user/surface.h"
#include "platform/user/window_coordinates.h"

namespace win {

namespace {

constexpr std::array<std::pair<int, host::CursorShape>, 9> kCursors{{
    {IDC_ARROW, host::CursorShape::Arrow},
    {IDC_IBEAM, host::CursorShape::IBeam},
    {IDC_WAIT, host::CursorShape::Wait},
    {IDC_CROSS, host::CursorShape::Cross},
    {IDC_SIZENS, host::CursorShape::SizeNorthSouth},
    {IDC_SIZEWE, host::CursorShape::SizeWestEast},
    {IDC_SIZEALL, host::CursorShape::SizeAll},
    {IDC_NO, host::CursorShape::No},
    {IDC_HAND, host::CursorShape::Hand},
}};

std::optional<host::CursorShape> ShapeOf(HCURSOR cursor) {
    for (const auto& [id, shape] : kCursors) {
        if (cursor.Value() == id) {
            return shape;
        }
    }
    return std::nullopt;
}

}  // namespace

HCURSOR LoadCursor(std::nullptr_t, int lpCursorName) {
    return ShapeOf(HCURSOR::FromValue(lpCursorName)) ? HCURSOR::FromValue(lpCursorName) : HCURSOR{};
}

HCURSOR SetCursor(HCURSOR hCursor) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return nullptr;
    }
    const HCURSOR previous = session->input.cursorShape;
    session->input.cursorShape = hCursor;
    const auto shape = ShapeOf(hCursor);
    user::Window* over = session->Get(session->input.mouseOver);
    user::Window* topLevel = over ? user::TopLevelOf(*session, *over) : nullptr;
    if (shape && topLevel != nullptr && topLevel->surface && topLevel->surface->HasNative()) {
        session->Host().SetCursorShape(topLevel->surface->Native(), *shape);
    }
    return previous;
}

HCURSOR GetCursor() {
    user::Session* session = user::Current();
    return session ? session->input.cursorShape : HCURSOR{};
}

bool GetCursorPos(POINT* lpPoint) {
    user::Session* session = user::Current();
    if (session == nullptr || lpPoint == nullptr) {
        return false;
    }
    const host::Point position = session->Host().CursorPosition();
    *lpPoint = {position.x, position.y};
    return true;
}

}  // namespace win
