#include "desktop/WindowSize.h"

#include <algorithm>
#include <cmath>

#include "desktop/Look.h"

namespace zorb::desktop {

float fittingScale(const SDL_Rect& usable) {
    const double fit = std::min(static_cast<double>(usable.w - kFrameAllowanceW) / kScreenWidth,
                                static_cast<double>(usable.h - kFrameAllowanceH) / kScreenHeight);
    if (fit >= 1) return static_cast<float>(std::floor(fit * 4) / 4);
    return static_cast<float>(std::max(0.5, std::floor(fit * 20) / 20));
}

SDL_Point windowPlace(const SDL_Rect& usable, int w, int h) {
    const int top = kFrameAllowanceH - kFrameAllowanceW / 2;  // the title bar above the window
    const int side = kFrameAllowanceW / 2;
    int x = usable.x + (usable.w - w) / 2;
    int y = usable.y + top + (usable.h - top - side - h) / 2;
    x = std::max(x, usable.x + side);
    y = std::max(y, usable.y + top);
    return {x, y};
}

}  // namespace zorb::desktop
