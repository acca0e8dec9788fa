#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The doctor's house.
class Form9 : public GameScene {
public:
    explicit Form9(Game& game);
};

}  // namespace zorb
