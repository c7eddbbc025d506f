#pragma once

// The message box of a form's code: a prompt, a button set with an icon, and a title that
// defaults to the application's title. Modal to the active window of ours, if any.

#include <optional>
#include <string>
#include <string_view>

namespace win::forms {

inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;

// The button pressed (vbOK, vbCancel). 0 when nothing was shown: a button set other than
// vbOKOnly and vbOKCancel, or a program that has ended.
int MsgBox(std::string_view prompt, int buttons = vbOKOnly,
           std::optional<std::string> title = std::nullopt);

}  // namespace win::forms
