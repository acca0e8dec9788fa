#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The handcuff defence.
class Form24 : public GameScene {
public:
    explicit Form24(Game& game);
};

}  // namespace zorb
