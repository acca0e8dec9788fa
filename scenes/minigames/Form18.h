#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The bomb-making race.
class Form18 : public GameScene {
public:
    explicit Form18(Game& game);
};

}  // namespace zorb
