#pragma once

// Services a form's code calls: letting pending work run, starting other programs, opening an
// address, and the message box.

#include <string>
#include <string_view>
#include <vector>

namespace win::forms {

// Delivers what the desktop has waiting, then every posted message, due timer and paint. Does
// nothing once the program has ended.
void DoEvents();

// Keystrokes for the focused control's form: "{TAB}", "+{TAB}" (Shift+Tab), "{ENTER}" or "~",
// "{ESC}"; any other character is typed into the focused window. False, doing nothing, for a
// brace name it does not know or when no form has the focus.
bool SendKeys(std::string_view keys);

// Window styles of a started program.
inline constexpr int vbHide = 0;
inline constexpr int vbNormalFocus = 1;
inline constexpr int vbMinimizedFocus = 2;
inline constexpr int vbMaximizedFocus = 3;
inline constexpr int vbNormalNoFocus = 4;
inline constexpr int vbMinimizedNoFocus = 6;

// Starts argv[0] with the other arguments as they are (never through a shell) and does not wait.
// False when nothing could be started.
bool Shell(const std::vector<std::string>& argv, int windowStyle = vbMinimizedFocus);
// Opens the address with the desktop's opener. False when nothing could be started.
bool OpenUrl(std::string_view url);

}  // namespace win::forms
