#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The introduction dialogue.
class Form2 : public GameScene {
public:
    explicit Form2(Game& game);
};

}  // namespace zorb
