#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The trash-can search.
class Form15 : public GameScene {
public:
    explicit Form15(Game& game);
};

}  // namespace zorb
