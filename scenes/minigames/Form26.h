#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The villain ambush.
class Form26 : public GameScene {
public:
    explicit Form26(Game& game);
};

}  // namespace zorb
