#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The third town.
class Form19 : public GameScene {
public:
    explicit Form19(Game& game);
};

}  // namespace zorb
