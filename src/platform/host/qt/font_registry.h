#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace win::host::desktop {

inline constexpr const char* kWineFontFolder = "/usr/share/wine/fonts";

// Makes the faces the program asks for resolve the same on every machine: loads Wine's Tahoma
// and Marlett (fontconfig does not scan that folder) and sets the fallbacks for Chinese text.
// Idempotent; returns the families it loaded.
QStringList LoadBundledFonts();

// The family we hand to Qt for a face name of the program's design.
QString ResolveFamily(std::string_view faceName, bool symbolCharSet);

}  // namespace win::host::desktop
