// Save states in the window: F5 saves the game to the quick slot, F9 loads
// it, and every time a map is entered the window keeps a checkpoint that
// Shift+F9 goes back to. The runtime takes and restores the snapshot; the
// window adds where the player dragged the windows, says what happened in a
// note, and keeps the recording exact (a load is written into it).
#include <filesystem>
#include <sstream>

#include "desktop/DesktopImpl.h"
#include "runtime/SaveState.h"
#include "runtime/Scene.h"

namespace zorb::desktop {

namespace {

constexpr const char* kQuickSlot = "quick.save";
constexpr const char* kCheckpointSlot = "checkpoint.save";
constexpr const char* kWindowKey = "window.";

}  // namespace

std::string DesktopImpl::savePath(const char* slot) const {
    const std::string dir = options.saveDirectory.empty() ? saveDirectory() : options.saveDirectory;
    std::filesystem::create_directories(dir);
    return (std::filesystem::path(dir) / slot).string();
}

SaveState DesktopImpl::snapshot() const {
    SaveState save = SaveState::capture(*runtime);
    for (const auto& [scene, at] : layout.moved()) {
        std::ostringstream where;
        where << at.first << ' ' << at.second;
        save.setHostValue(kWindowKey + scene->name(), where.str());
    }
    return save;
}

bool DesktopImpl::onCheckpointScene() const {
    for (const std::string& name : options.checkpointScenes) {
        const Scene* scene = runtime->findScene(name);
        if (scene && scene->loaded()) return true;
    }
    return false;
}

void DesktopImpl::quickSave() {
    if (runtime->messageBoxOpen()) {
        showNote("close the message first");
        return;
    }
    try {
        snapshot().writeFile(savePath(kQuickSlot));
        showNote("saved");
    } catch (const std::exception& e) {
        showNote(std::string("not saved: ") + e.what());
    }
}

void DesktopImpl::takeCheckpoint() {
    checkpointDue = false;
    try {
        snapshot().writeFile(savePath(kCheckpointSlot));
    } catch (const std::exception& e) {
        showNote(std::string("no checkpoint kept: ") + e.what());
    }
}

void DesktopImpl::loadSlot(bool checkpoint) {
    if (runtime->messageBoxOpen()) {
        showNote("close the message first");
        return;
    }
    std::string path, lastMap;
    try {
        path = savePath(checkpoint ? kCheckpointSlot : kQuickSlot);
        lastMap = savePath(kCheckpointSlot);
    } catch (const std::exception& e) {
        showNote(std::string("not loaded: ") + e.what());
        return;
    }
    // A player who never pressed F5 still gets back to the last map with F9:
    // that is the last save there is.
    if (!checkpoint && !std::filesystem::exists(path)) path = lastMap;
    if (!std::filesystem::exists(path)) {
        showNote(checkpoint ? "no checkpoint yet" : "no save yet");
        return;
    }
    loadFrom(path);
}

// Loads a save (F9, Shift+F9 or a replayed load); the recording gets the
// load, so that played back it leads to the same game.
void DesktopImpl::loadFrom(const std::string& path) {
    try {
        const SaveState save = SaveState::readFile(path, *runtime);
        record("load " + path);
        save.restore(*runtime);
        if (recorder) recorder->restartAt(runtime->now());
        afterLoad(save);
        runtime->host().log(runtime->now(), "loaded " + path);
        showNote("loaded");
    } catch (const std::exception& e) {
        showNote(std::string("not loaded: ") + e.what());
    }
}

// The game jumped: the clock runs on from the save's time, the windows stand
// where they stood, and nothing the player was doing carries over.
void DesktopImpl::afterLoad(const SaveState& save) {
    layout.forgetAll();
    for (const auto& [key, value] : save.hostValues()) {
        if (key.rfind(kWindowKey, 0) != 0) continue;
        Scene* scene = runtime->findScene(key.substr(std::string(kWindowKey).size()));
        std::istringstream in(value);
        float x = 0, y = 0;
        if (scene && (in >> x >> y)) layout.moveTo(*scene, x, y);
    }
    pressed = nullptr;
    dragging = nullptr;
    focus.clear();
    heldArrow = KeyAction::None;
    // A map the save stands on counts as entered.
    checkpointDue = onCheckpointScene();
    rebase();
    dirty = true;
    runtime->touch();
}

}  // namespace zorb::desktop
