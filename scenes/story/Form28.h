#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The villain defeat cutscene.
class Form28 : public GameScene {
public:
    explicit Form28(Game& game);
};

}  // namespace zorb
