#include "scenes/maps/MapScene.h"

#include "scenes/Game.h"
#include "scenes/maps/Form3.h"
#include "scenes/shop/Form5.h"
#include "state/Form4.h"

namespace zorb {

namespace {
constexpr double kCell = 720;
}  // namespace

MapScene::MapScene(Game& game, const MapDesign& design)
    : GameScene(game, design.name, design.client,
                {.caption = kMapCaption, .background = colors::Black, .minMax = false}),
      design_(design) {}

Rect MapScene::tileRect(int k) const {
    const Tile& tile = (*design_.tiles)[k - 1];
    return {720 * ((k - 1) % 10), 720 * ((k - 1) / 10), tile.width, tile.height};
}

std::string MapScene::tilePicture(int k) const { return (*design_.tiles)[k - 1].picture; }

void MapScene::Form_Load() {
    Image61.move(5760, 2880);
    fillStatusPanel();
}

// Money, HP, level, water, bottles, medicine, candy, bombs: each label takes
// its store field's text as it is.
void MapScene::fillStatusPanel() {
    const Form4& store = game().Form4;
    Label14.setCaption(store.Text5.text());
    Label9.setCaption(store.Text1.text());
    Label16.setCaption(store.Text6.text());
    Label10.setCaption(store.Text7.text());
    Label11.setCaption(store.Text2.text());
    Label12.setCaption(store.Text3.text());
    Label13.setCaption(store.Text4.text());
    Label18.setCaption(store.Text8.text());
}

void MapScene::setBack() {
    Text1.setText(Text3.text());
    Text2.setText(Text4.text());
}

void MapScene::showArrows() {
    Command1.show();
    Command2.show();
    Command3.show();
    Command4.show();
}

void MapScene::hideArrows() {
    Command1.hide();
    Command2.hide();
    Command3.hide();
    Command4.hide();
}

// One cell per click. The whole position is saved first, so any check that
// sets the hero back returns him to the cell the step started from.
void MapScene::step(double dx, double dy) {
    // The arrows stay visible until Timer1's tick: a second click in that
    // moment would carry the hero a cell past the border tests, which only
    // know the border cells themselves. A step is running while Timer1 is
    // pending; after its tick the arrows are hidden until Timer10.
    if (Timer1.interval() != 0) return;
    Text3.setText(Text1.text());
    Text4.setText(Text2.text());
    Text1.setValue(Text1.value() + dx);
    Text2.setValue(Text2.value() + dy);
    Timer1.setInterval(1);
}

void MapScene::Command1_Click() { step(0, -kCell); }
void MapScene::Command2_Click() { step(kCell, 0); }
void MapScene::Command3_Click() { step(0, kCell); }
void MapScene::Command4_Click() { step(-kCell, 0); }

void MapScene::Command5_Click() {
    game().Form5.show();
    game().Form5.Command4.show();
    game().Form5.Text3.setText(design_.returnCode);
    // Only the first town closes under the item box (the box's OK loads it
    // afresh); every other map stays open and playable beneath it, and the
    // box goes with the map when the hero walks out of it.
    game().Form3.unload();
    if (loaded()) game().Form5.closeWith(*this);
}

void MapScene::Timer1_Timer() {
    hideArrows();
    Timer1.setInterval(0);
    Timer2.setInterval(1);
}

// Rows 0 and 5 are the border: a move onto them is undone and ends the step.
void MapScene::Timer2_Timer() {
    const double y = Text2.value();
    if (y == 0) {
        Text2.setText(Text4.text());
        Timer10.setInterval(1);
    }
    if (y == 3600) {
        Text2.setText(Text4.text());
        Timer10.setInterval(1);
    }
    if (y > 0 && y < 3600) Timer3.setInterval(1);
    Timer2.setInterval(0);
}

// Columns 9 and 0 likewise; a move that stays inside goes on to the map's checks.
void MapScene::Timer3_Timer() {
    const double x = Text1.value();
    if (x == 6480) {
        Text1.setText(Text3.text());
        Timer10.setInterval(1);
    }
    if (x == 0) {
        Text1.setText(Text3.text());
        Timer10.setInterval(1);
    }
    if (x > 0 && x < 6480) checkChain().setInterval(1);
    Timer3.setInterval(0);
}

void MapScene::Timer10_Timer() {
    Image61.setLeft(Text1.text());
    Image61.setTop(Text2.text());
    showArrows();
    Timer10.setInterval(0);
}

void MapScene::Timer11_Timer() { fillStatusPanel(); }

}  // namespace zorb
