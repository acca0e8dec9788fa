#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The second town.
class Form13 : public GameScene {
public:
    explicit Form13(Game& game);
};

}  // namespace zorb
