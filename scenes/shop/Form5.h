#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The item box.
class Form5 : public GameScene {
public:
    explicit Form5(Game& game);
};

}  // namespace zorb
