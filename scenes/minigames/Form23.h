#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The phone-line race.
class Form23 : public GameScene {
public:
    explicit Form23(Game& game);
};

}  // namespace zorb
