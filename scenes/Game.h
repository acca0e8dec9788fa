#pragma once

#include <memory>
#include <string_view>
#include <vector>

namespace zorb {

class Runtime;
class Scene;

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class Form9;
class Form10;
class Form11;
class Form12;
class Form13;
class Form14;
class Form15;
class Form16;
class Form17;
class Form18;
class Form19;
class Form20;
class Form21;
class Form22;
class Form23;
class Form24;
class Form25;
class Form26;
class Form27;
class Form28;
class Form29;
class Form30;
class Form31;
class Form32;
class Form33;
class Form34;

// The scene catalogue: the one instance of every scene of the game, made
// once and kept for the whole run. Scenes reach each other through it
// (game().Form22.show()).
class Game {
public:
    explicit Game(Runtime& runtime);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Runtime& runtime() const { return runtime_; }
    Scene* findScene(std::string_view name) const;
    // The map scenes (where a player would want a checkpoint) and the scene
    // a lost game ends on.
    std::vector<Scene*> maps() const;
    Scene& gameOver() const;

    // The program starts on the title scene.
    void start();
    // Starts somewhere else: the store first, then that scene.
    void startAt(Scene& scene);

private:
    Runtime& runtime_;
    std::vector<std::unique_ptr<Scene>> owned_;
    template <class S>
    S& make();

public:
    zorb::Form1& Form1;
    zorb::Form2& Form2;
    zorb::Form3& Form3;
    zorb::Form4& Form4;
    zorb::Form5& Form5;
    zorb::Form6& Form6;
    zorb::Form7& Form7;
    zorb::Form8& Form8;
    zorb::Form9& Form9;
    zorb::Form10& Form10;
    zorb::Form11& Form11;
    zorb::Form12& Form12;
    zorb::Form13& Form13;
    zorb::Form14& Form14;
    zorb::Form15& Form15;
    zorb::Form16& Form16;
    zorb::Form17& Form17;
    zorb::Form18& Form18;
    zorb::Form19& Form19;
    zorb::Form20& Form20;
    zorb::Form21& Form21;
    zorb::Form22& Form22;
    zorb::Form23& Form23;
    zorb::Form24& Form24;
    zorb::Form25& Form25;
    zorb::Form26& Form26;
    zorb::Form27& Form27;
    zorb::Form28& Form28;
    zorb::Form29& Form29;
    zorb::Form30& Form30;
    zorb::Form31& Form31;
    zorb::Form32& Form32;
    zorb::Form33& Form33;
    zorb::Form34& Form34;
};

}  // namespace zorb
