#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The fourth town.
class Form25 : public GameScene {
public:
    explicit Form25(Game& game);
};

}  // namespace zorb
