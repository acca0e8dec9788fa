#pragma once

#include <cstdint>

namespace zorb {

// Places and sizes are in twips, as the scenes were designed: 15 twips make
// one pixel at scale 1.
inline constexpr int kTwipsPerPixel = 15;

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// 0xRRGGBB.
using Color = std::uint32_t;

namespace colors {
inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Red = 0xFF0000;
inline constexpr Color Green = 0x00FF00;
inline constexpr Color LightGreen = 0x80FF80;
inline constexpr Color Blue = 0x0000FF;
inline constexpr Color DarkBlue = 0x0000C0;
inline constexpr Color Yellow = 0xFFFF00;
inline constexpr Color PaleYellow = 0xFFFF80;
inline constexpr Color Cyan = 0x00FFFF;
inline constexpr Color Magenta = 0xFF00FF;
inline constexpr Color Pink = 0xFF80FF;
inline constexpr Color Orange = 0xFF8000;
// The desktop's own colours for windows and buttons that have none of their own.
inline constexpr Color ButtonFace = 0xECE9D8;
inline constexpr Color ButtonText = 0x000000;
}  // namespace colors

}  // namespace zorb
