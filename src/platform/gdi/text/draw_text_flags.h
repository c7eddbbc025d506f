#pragma once

namespace win {

inline constexpr unsigned int DT_TOP = 0x00000000;
inline constexpr unsigned int DT_LEFT = 0x00000000;
inline constexpr unsigned int DT_CENTER = 0x00000001;
inline constexpr unsigned int DT_RIGHT = 0x00000002;
inline constexpr unsigned int DT_VCENTER = 0x00000004;
inline constexpr unsigned int DT_BOTTOM = 0x00000008;
inline constexpr unsigned int DT_WORDBREAK = 0x00000010;
inline constexpr unsigned int DT_SINGLELINE = 0x00000020;
inline constexpr unsigned int DT_EXPANDTABS = 0x00000040;
inline constexpr unsigned int DT_TABSTOP = 0x00000080;
inline constexpr unsigned int DT_NOCLIP = 0x00000100;
inline constexpr unsigned int DT_EXTERNALLEADING = 0x00000200;
inline constexpr unsigned int DT_CALCRECT = 0x00000400;
inline constexpr unsigned int DT_NOPREFIX = 0x00000800;
inline constexpr unsigned int DT_INTERNAL = 0x00001000;
inline constexpr unsigned int DT_EDITCONTROL = 0x00002000;
inline constexpr unsigned int DT_PATH_ELLIPSIS = 0x00004000;
inline constexpr unsigned int DT_END_ELLIPSIS = 0x00008000;
inline constexpr unsigned int DT_MODIFYSTRING = 0x00010000;
inline constexpr unsigned int DT_RTLREADING = 0x00020000;
inline constexpr unsigned int DT_WORD_ELLIPSIS = 0x00040000;
inline constexpr unsigned int DT_NOFULLWIDTHCHARBREAK = 0x00080000;
inline constexpr unsigned int DT_HIDEPREFIX = 0x00100000;
inline constexpr unsigned int DT_PREFIXONLY = 0x00200000;

}  // namespace win
