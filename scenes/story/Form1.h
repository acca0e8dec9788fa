#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The title.
class Form1 : public GameScene {
public:
    explicit Form1(Game& game);
};

}  // namespace zorb
