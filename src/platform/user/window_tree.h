#pragma once

#include <functional>
#include <string_view>

#include "platform/user/user_types.h"

namespace win {

inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST = 1;
inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_HWNDPREV = 3;
inline constexpr UINT GW_OWNER = 4;
inline constexpr UINT GW_CHILD = 5;

inline constexpr UINT GA_PARENT = 1;
inline constexpr UINT GA_ROOT = 2;
inline constexpr UINT GA_ROOTOWNER = 3;

// A child's parent, or a top-level pop-up's owner.
HWND GetParent(HWND hWnd);
HWND GetAncestor(HWND hwnd, UINT gaFlags);
// Siblings in stacking order, topmost first; GW_CHILD gives the topmost child.
HWND GetWindow(HWND hWnd, UINT uCmd);
bool IsChild(HWND hWndParent, HWND hWnd);

using WNDENUMPROC = std::function<bool(HWND, LPARAM)>;
// Every descendant, depth first in stacking order, until the callback returns false. The list is
// taken first; windows destroyed during the enumeration are skipped.
bool EnumChildWindows(HWND hWndParent, const WNDENUMPROC& lpEnumFunc, LPARAM lParam);
// Top-level windows, topmost first.
bool EnumWindows(const WNDENUMPROC& lpEnumFunc, LPARAM lParam);
// A top-level window by class name and/or title; an empty view matches any.
HWND FindWindow(std::string_view lpClassName, std::string_view lpWindowName);

}  // namespace win
