#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The closing scene.
class Form34 : public GameScene {
public:
    explicit Form34(Game& game);
};

}  // namespace zorb
