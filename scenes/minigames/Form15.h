#pragma once

#include <string>
#include <vector>

#include "scenes/GameScene.h"

namespace zorb {

// The trash-can search: every click on a can is a fresh draw; one draw in
// four finds the LED, the others let a snake bite the hero for 10 HP.
class Form15 : public GameScene {
public:
    explicit Form15(Game& game);

    static inline const std::vector<std::string> kFoundLines{
        "ポッチーはごみ箱をあさった！", "がさがさ", "ポッチーはLEDを見つけた！"};
    static inline const std::vector<std::string> kSnakeLines{
        "ポッチーはごみ箱をあさった！", "がさがさ", "ポッチー：痛い！", "ポッチーは蛇にかまれてしまった！",
        "ポッチーはHPを10減らした。"};
    static constexpr const char* kBeaten = "ポッチーは目の前が真っ暗になった！";
    static constexpr int kSnakeBite = 10;

    Image Image1{this, 1, {960, 480, 750, 765}, "hero_map_yellow"};
    Label Label1{this, 1, {240, 2040, 2295, 615},
                 "注意：このごみ箱の中には猛毒の蛇がいる場合があります！蛇は一回一回移動します。",
                 {.fore = colors::Red}};
    Label Label2{this, 2, {120, 120, 375, 255}, "HP:"};
    Label Label3{this, 3, {480, 120, 1215, 255}, "0"};  // HP, copied from the store every tick
    // The cans; each yields the LED when the draw comes out as its own number.
    CommandButton Command1{this, 1, {240, 1440, 495, 495}, "", &Form15::Command1_Click,
                           {.picture = "trash_can", .back = colors::White}};
    CommandButton Command2{this, 2, {840, 1440, 495, 495}, "", &Form15::Command2_Click,
                           {.picture = "trash_can", .back = colors::White}};
    CommandButton Command3{this, 3, {1440, 1440, 495, 495}, "", &Form15::Command3_Click,
                           {.picture = "trash_can", .back = colors::White}};
    CommandButton Command4{this, 4, {2040, 1440, 495, 495}, "", &Form15::Command4_Click,
                           {.picture = "trash_can", .back = colors::White}};
    Timer Timer1{this, 1, 1, &Form15::Timer1_Timer};  // HP display and HP watcher

private:
    void Command1_Click() { search(4); }
    void Command2_Click() { search(1); }
    void Command3_Click() { search(2); }
    void Command4_Click() { search(3); }
    void search(int ledNumber);
    void Timer1_Timer();
};

}  // namespace zorb
