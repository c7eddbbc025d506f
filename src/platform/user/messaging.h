#pragma once

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win {

struct MSG {
    HWND hwnd;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;

// Calls the window's procedure at once and returns its result; 0 for a window that does not
// exist (or no longer does).
LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Queues the message; false for a window that does not exist. A null window posts to the
// thread: GetMessage returns it with a null hwnd.
bool PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int nExitCode);

// Waits for the next message in the filter (window, message range; zeros take everything).
// Returns 0 for WM_QUIT, -1 for a null msg, otherwise 1. Input, painting and timers are
// generated here, in Windows' order: posted and input messages, quit, WM_PAINT, WM_TIMER.
int GetMessage(MSG* msg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
bool PeekMessage(MSG* msg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
// Returns the procedure's result. A WM_TIMER with a callback runs the callback that the timer
// was set with, never an address taken from the message.
LRESULT DispatchMessage(const MSG* msg);

// The time of the last message retrieved, host clock milliseconds.
LONG GetMessageTime();
// Host clock milliseconds.
DWORD GetTickCount();

// Dispatches everything waiting, host events included, then presents what changed: one round
// of "let pending messages run". Returns false once a quit has been posted (the quit stays
// pending for the loop that owns it).
bool ProcessPendingMessages();

}  // namespace win
