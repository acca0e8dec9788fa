#pragma once

#include <cstdint>

#include "runtime/Geometry.h"

namespace zorb::desktop {

// The desktop the scene windows live on, in logical pixels (scale 1). It is
// large enough for the largest scene (628 × 605 pixels of client area) with
// its frame, with room left to drag windows about.
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 680;

// Window frames: a raised border all round and a title bar under its top edge.
inline constexpr int kBorder = 3;
inline constexpr int kTitleHeight = 19;
inline constexpr int kTitleGap = 1;  // between the title bar and the client area
inline constexpr int kFrameTop = kBorder + kTitleHeight + kTitleGap;

// Points to pixels: the game was laid out at 96 dots per inch.
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;
// Text that has no size of its own (captions, text fields, the message box).
inline constexpr double kSystemPoints = 9;

// The message box.
inline constexpr const char* kBoxTitle = "PLUMWORKS   ZORBLAND";
inline constexpr const char* kOkCaption = "OK";
inline constexpr int kBoxMargin = 12;
inline constexpr int kBoxTextMaxWidth = 380;
inline constexpr int kBoxMinTextWidth = 180;
inline constexpr int kOkWidth = 75;
inline constexpr int kOkHeight = 23;

namespace palette {
inline constexpr Color Desktop = 0x3F6E7C;      // a calm blue-green
inline constexpr Color Letterbox = 0x1D2C31;    // outside the desktop when the window's shape differs
inline constexpr Color Face = 0xD4D0C8;         // frames and the message box
inline constexpr Color Light = 0xFFFFFF;
inline constexpr Color Shadow = 0x808080;
inline constexpr Color DarkShadow = 0x404040;
inline constexpr Color ActiveTitleLeft = 0x0A246A;
inline constexpr Color ActiveTitleRight = 0xA6CAF0;
inline constexpr Color InactiveTitleLeft = 0x808080;
inline constexpr Color InactiveTitleRight = 0xC0C0C0;
inline constexpr Color TitleText = 0xFFFFFF;
inline constexpr Color InactiveTitleText = 0xD4D0C8;
inline constexpr Color FieldBack = 0xFFFFFF;
inline constexpr Color FieldText = 0x000000;
}  // namespace palette

}  // namespace zorb::desktop
