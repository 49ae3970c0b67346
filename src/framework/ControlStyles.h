#pragma once
#include <cstdint>

#include "framework/Rect.h"

namespace fw {

// Window and control styles with the system's own values, so that the styles
// the program asks for mean the same to every backend.
namespace style {
inline constexpr uint32_t kChild = 0x40000000;
inline constexpr uint32_t kVisible = 0x10000000;
inline constexpr uint32_t kBorder = 0x00800000;
inline constexpr uint32_t kVScroll = 0x00200000;

inline constexpr uint32_t kListNotify = 0x0001;  // the list tells its parent of clicks
inline constexpr uint32_t kListSort = 0x0002;    // added lines are kept in order

inline constexpr uint32_t kEditCenter = 0x0001;
inline constexpr uint32_t kEditAutoHScroll = 0x0080;
inline constexpr uint32_t kEditWantReturn = 0x1000;

inline constexpr uint32_t kExClientEdge = 0x00000200;
}  // namespace style

// List box notification codes, in the high word of WM_COMMAND's wParam.
inline constexpr uint32_t kListSelChange = 1;

// What a control is made with: where (parent client coordinates), its id and styles.
struct ControlLayout {
  Rect rect;
  int id = 0;
  uint32_t style = 0;
  uint32_t exStyle = 0;
};

}  // namespace fw
