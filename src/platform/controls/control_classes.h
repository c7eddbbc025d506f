#pragma once

#include "platform/user/window_class.h"

// Each control's class registration; InitCommonControls registers them all.
namespace win::controls {

bool RegisterButtonClass();
bool RegisterEditClass();
bool RegisterComboBoxClasses();
bool RegisterFrameClass();
bool RegisterPictureBoxClass();
bool RegisterTooltipClass();

// Registers the class unless one of that name exists already.
bool EnsureClassRegistered(const WNDCLASS& windowClass);

}  // namespace win::controls
