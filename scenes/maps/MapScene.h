#pragma once

#include <array>
#include <string>

#include "scenes/GameScene.h"

namespace zorb {

// One tile of a map: its picture and its size in twips. Most tiles are
// 50 × 50 pixels; a few are 50 × 51 or 52 × 48.
struct Tile {
    const char* picture;
    int width = 750;
    int height = 750;
};

// The 60 tiles of a map, row by row, top left first.
using TileTable = std::array<Tile, 60>;

// What sets one map apart in the parts every map shares.
struct MapDesign {
    const char* name;          // the scene, "Form3"
    Size client;               // client area, twips
    const char* returnCode;    // what ◎ tells the item box to go back to
    const char* hero;          // the hero sprite, drawn on this map's floor colour
    int valueLeft = 2520;      // the column of the six item counts in the panel
    int valueWidth = 855;
    const TileTable* tiles;    // a table that lives as long as the program
};

// A cell of the map, or the hero's position, in twips as the value fields hold it.
struct Cell {
    double x;
    double y;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The map engine every tile map runs on: the 10 × 6 tile grid, the hero,
// the arrow pad and the item button, the status panel that mirrors the
// store, and the step. A step is one arrow click and the one-shot ticks that
// follow it: Timer1 hides the arrows, Timer2 and Timer3 turn a move into the
// border back, the map's own check chain runs from Timer4 to Timer9, and
// Timer10 draws the hero on his new cell and shows the arrows again.
//
// A map adds its tiles, its check chain and its own timers and fields; it
// tells the engine where its chain starts.
class MapScene : public GameScene {
protected:
    MapScene(Game& game, const MapDesign& design);

private:
    // Declared before the controls: the tiles and the panel are laid out from it.
    const MapDesign design_;
    Rect tileRect(int k) const;
    std::string tilePicture(int k) const;

public:
    // The tiles, row-major: Image k stands on column (k − 1) mod 10, row (k − 1) div 10.
    Image Image1{this, 1, tileRect(1), tilePicture(1)};
    Image Image2{this, 2, tileRect(2), tilePicture(2)};
    Image Image3{this, 3, tileRect(3), tilePicture(3)};
    Image Image4{this, 4, tileRect(4), tilePicture(4)};
    Image Image5{this, 5, tileRect(5), tilePicture(5)};
    Image Image6{this, 6, tileRect(6), tilePicture(6)};
    Image Image7{this, 7, tileRect(7), tilePicture(7)};
    Image Image8{this, 8, tileRect(8), tilePicture(8)};
    Image Image9{this, 9, tileRect(9), tilePicture(9)};
    Image Image10{this, 10, tileRect(10), tilePicture(10)};
    Image Image11{this, 11, tileRect(11), tilePicture(11)};
    Image Image12{this, 12, tileRect(12), tilePicture(12)};
    Image Image13{this, 13, tileRect(13), tilePicture(13)};
    Image Image14{this, 14, tileRect(14), tilePicture(14)};
    Image Image15{this, 15, tileRect(15), tilePicture(15)};
    Image Image16{this, 16, tileRect(16), tilePicture(16)};
    Image Image17{this, 17, tileRect(17), tilePicture(17)};
    Image Image18{this, 18, tileRect(18), tilePicture(18)};
    Image Image19{this, 19, tileRect(19), tilePicture(19)};
    Image Image20{this, 20, tileRect(20), tilePicture(20)};
    Image Image21{this, 21, tileRect(21), tilePicture(21)};
    Image Image22{this, 22, tileRect(22), tilePicture(22)};
    Image Image23{this, 23, tileRect(23), tilePicture(23)};
    Image Image24{this, 24, tileRect(24), tilePicture(24)};
    Image Image25{this, 25, tileRect(25), tilePicture(25)};
    Image Image26{this, 26, tileRect(26), tilePicture(26)};
    Image Image27{this, 27, tileRect(27), tilePicture(27)};
    Image Image28{this, 28, tileRect(28), tilePicture(28)};
    Image Image29{this, 29, tileRect(29), tilePicture(29)};
    Image Image30{this, 30, tileRect(30), tilePicture(30)};
    Image Image31{this, 31, tileRect(31), tilePicture(31)};
    Image Image32{this, 32, tileRect(32), tilePicture(32)};
    Image Image33{this, 33, tileRect(33), tilePicture(33)};
    Image Image34{this, 34, tileRect(34), tilePicture(34)};
    Image Image35{this, 35, tileRect(35), tilePicture(35)};
    Image Image36{this, 36, tileRect(36), tilePicture(36)};
    Image Image37{this, 37, tileRect(37), tilePicture(37)};
    Image Image38{this, 38, tileRect(38), tilePicture(38)};
    Image Image39{this, 39, tileRect(39), tilePicture(39)};
    Image Image40{this, 40, tileRect(40), tilePicture(40)};
    Image Image41{this, 41, tileRect(41), tilePicture(41)};
    Image Image42{this, 42, tileRect(42), tilePicture(42)};
    Image Image43{this, 43, tileRect(43), tilePicture(43)};
    Image Image44{this, 44, tileRect(44), tilePicture(44)};
    Image Image45{this, 45, tileRect(45), tilePicture(45)};
    Image Image46{this, 46, tileRect(46), tilePicture(46)};
    Image Image47{this, 47, tileRect(47), tilePicture(47)};
    Image Image48{this, 48, tileRect(48), tilePicture(48)};
    Image Image49{this, 49, tileRect(49), tilePicture(49)};
    Image Image50{this, 50, tileRect(50), tilePicture(50)};
    Image Image51{this, 51, tileRect(51), tilePicture(51)};
    Image Image52{this, 52, tileRect(52), tilePicture(52)};
    Image Image53{this, 53, tileRect(53), tilePicture(53)};
    Image Image54{this, 54, tileRect(54), tilePicture(54)};
    Image Image55{this, 55, tileRect(55), tilePicture(55)};
    Image Image56{this, 56, tileRect(56), tilePicture(56)};
    Image Image57{this, 57, tileRect(57), tilePicture(57)};
    Image Image58{this, 58, tileRect(58), tilePicture(58)};
    Image Image59{this, 59, tileRect(59), tilePicture(59)};
    Image Image60{this, 60, tileRect(60), tilePicture(60)};

    // The hero; Form_Load and every redraw put him on (Text1, Text2).
    Image Image61{this, 61, {480, 8760, 750, 765}, design_.hero};

    Label Label1{this, 1, {3720, 4680, 1095, 195}, "コントローラ", {.fore = colors::White, .back = colors::Black}};
    Label Label2{this, 2, {120, 4440, 1215, 360}, "アイテム", {.fore = colors::White, .back = colors::Black, .size = 18}};
    Label Label3{this, 3, {240, 4920, 375, 285}, "水", {.fore = colors::Cyan, .back = colors::ButtonText, .size = 14.25}};
    Label Label4{this, 4, {240, 5400, 1815, 285}, "ペットボトル", {.fore = colors::Blue, .back = colors::Black, .size = 14.25}};
    Label Label5{this, 5, {240, 5880, 1215, 285}, "回復の薬", {.fore = colors::Yellow, .back = colors::Black, .size = 14.25}};
    Label Label6{this, 6, {240, 6360, 1815, 285}, "おいしいあめ", {.fore = colors::Pink, .back = colors::Black, .size = 14.25}};
    Label Label7{this, 7, {240, 6840, 615, 285}, "お金", {.fore = colors::Magenta, .back = colors::ButtonText, .size = 14.25}};
    Label Label8{this, 8, {1560, 4560, 255, 285}, "HP", {.fore = colors::White, .back = colors::Black, .size = 14.25}};
    // The value labels, filled from the store on load and every 100 ms.
    Label Label9{this, 9, {1800, 4440, 495, 285}, "100", {.fore = colors::White, .back = colors::Black, .size = 12, .bold = true}};    // HP
    Label Label10{this, 10, {design_.valueLeft, 4920, design_.valueWidth, 285}, "0", {.fore = colors::White, .back = colors::Black, .size = 14.25}};  // water
    Label Label11{this, 11, {design_.valueLeft, 5400, design_.valueWidth, 285}, "0", {.fore = colors::White, .back = colors::Black, .size = 14.25}};  // bottles
    Label Label12{this, 12, {design_.valueLeft, 5880, design_.valueWidth, 285}, "0", {.fore = colors::White, .back = colors::Black, .size = 14.25}};  // medicine
    Label Label13{this, 13, {design_.valueLeft, 6360, design_.valueWidth, 285}, "0", {.fore = colors::White, .back = colors::Black, .size = 14.25}};  // candy
    Label Label14{this, 14, {design_.valueLeft, 6840, design_.valueWidth, 285}, "0", {.fore = colors::White, .back = colors::Black, .size = 14.25}};  // money
    Label Label15{this, 15, {2280, 4440, 615, 255}, "レベル", {.fore = colors::White, .back = colors::Black, .size = 9.75}};
    Label Label16{this, 16, {2880, 4440, 495, 285}, "0", {.fore = colors::White, .back = colors::Black, .size = 14.25, .bold = true}};  // level
    Label Label17{this, 17, {240, 7200, 1215, 285}, "ボトロン", {.fore = colors::Red, .back = colors::Black, .size = 14.25, .bold = true}};
    Label Label18{this, 18, {design_.valueLeft, 7200, design_.valueWidth, 285}, "0", {.fore = colors::White, .back = colors::Black, .size = 14.25}};  // bombs

    CommandButton Command1{this, 1, {5160, 4800, 495, 855}, "↑", &MapScene::Command1_Click, {.size = 12, .bold = true}};
    CommandButton Command2{this, 2, {5640, 5640, 855, 495}, "→", &MapScene::Command2_Click, {.size = 12, .bold = true}};
    CommandButton Command3{this, 3, {5160, 6120, 495, 855}, "↓", &MapScene::Command3_Click, {.size = 12, .bold = true}};
    CommandButton Command4{this, 4, {4320, 5640, 855, 495}, "←", &MapScene::Command4_Click, {.size = 12, .bold = true}};
    CommandButton Command5{this, 5, {5160, 5640, 495, 495}, "◎", &MapScene::Command5_Click, {.size = 12, .bold = true}};

    // The hero's position and the one the step started from, in twips,
    // below the client area.
    TextBox Text1{this, 1, {1200, 9000, 1095, 270}, "5760"};  // X
    TextBox Text2{this, 2, {1200, 9240, 1095, 270}, "2880"};  // Y
    TextBox Text3{this, 3, {2280, 9000, 1095, 270}, "5760"};  // previous X
    TextBox Text4{this, 4, {2280, 9240, 1095, 270}, "2880"};  // previous Y

    Timer Timer1{this, 1, 0, &MapScene::Timer1_Timer};      // step start
    Timer Timer2{this, 2, 0, &MapScene::Timer2_Timer};      // vertical border
    Timer Timer3{this, 3, 0, &MapScene::Timer3_Timer};      // horizontal border
    Timer Timer10{this, 10, 0, &MapScene::Timer10_Timer};   // redraw
    Timer Timer11{this, 11, 100, &MapScene::Timer11_Timer}; // status panel

    Line Line1{this, 1, {3480, 4320}, {3480, 7680}, colors::White};
    Line Line2{this, 2, {0, 4800}, {3480, 4800}, colors::White};
    Line Line3{this, 3, {1440, 4800}, {1440, 4320}, colors::White};
    Line Line4{this, 4, {7200, 7680}, {0, 7680}, colors::White};

protected:
    // The first check of the map's own chain; Timer3 arms it after a move
    // that stays inside the field.
    virtual Timer& checkChain() = 0;

    // Where the hero is, read from the position fields.
    Cell here() const { return {Text1.value(), Text2.value()}; }
    // Back onto the cell the step started from (the arrow click saved it).
    void setBack();
    void showArrows();
    void hideArrows();

    void Form_Load() override;

private:
    void step(double dx, double dy);
    void fillStatusPanel();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer10_Timer();
    void Timer11_Timer();
};

}  // namespace zorb
