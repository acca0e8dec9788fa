#pragma once

#include <SDL.h>

namespace zorb::desktop {

// Room a window manager's frame takes around the window, at most: the
// borders at the sides and the title bar above.
inline constexpr int kFrameAllowanceW = 16;
inline constexpr int kFrameAllowanceH = 48;

// The scale at which the screen-desktop and a window manager's frame fit the
// display's usable area (panels and taskbars left out): quarter steps from 1
// up, so pictures keep clean proportions, and whatever fits below 1 on a
// small screen (never under a half).
float fittingScale(const SDL_Rect& usable);

// Where a window of w × h pixels opens: centred in the usable area, and
// when it is larger than that, with its top-left corner (title bar
// included) still on the screen so the player can move it.
SDL_Point windowPlace(const SDL_Rect& usable, int w, int h);

}  // namespace zorb::desktop
