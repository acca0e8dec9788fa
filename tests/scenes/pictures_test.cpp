// The pictures: the list in assets/, the SVG sources, the PNGs the build
// makes from them, and the pictures the scenes of the catalogue name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "harness/Harness.h"
#include "runtime/Controls.h"
#include "runtime/Scene.h"

namespace zorb::test {
namespace {

namespace fs = std::filesystem;

fs::path assetsSource() {
#ifdef ZORB_ASSETS_SOURCE_DIR
    return ZORB_ASSETS_SOURCE_DIR;
#else
    return fs::path(__FILE__).parent_path().parent_path().parent_path() / "assets";
#endif
}

struct Listed {
    std::string name;
    int width = 0;
    int height = 0;
    int line = 0;
};

// assets/pictures.list: `name width height  # where used`, blank lines and
// # comments skipped.
std::vector<Listed> readList(std::vector<std::string>* malformed = nullptr) {
    std::ifstream in(assetsSource() / "pictures.list");
    std::vector<Listed> out;
    std::string line;
    int number = 0;
    static const std::regex entry(R"(^([a-z0-9_]+)[ \t]+([0-9]+)[ \t]+([0-9]+)[ \t]*$)");
    while (std::getline(in, line)) {
        ++number;
        std::string body = line.substr(0, line.find('#'));
        while (!body.empty() && (body.back() == ' ' || body.back() == '\t' || body.back() == '\r')) body.pop_back();
        if (body.find_first_not_of(" \t") == std::string::npos) continue;
        std::smatch m;
        if (!std::regex_match(body, m, entry)) {
            if (malformed) malformed->push_back(std::to_string(number) + ": " + line);
            continue;
        }
        out.push_back({m[1], std::stoi(m[2]), std::stoi(m[3]), number});
    }
    return out;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The value of an attribute of the root <svg> element, empty if absent.
std::string rootAttribute(const std::string& svg, const std::string& name) {
    const auto start = svg.find("<svg");
    if (start == std::string::npos) return {};
    const auto end = svg.find('>', start);
    const std::string tag = svg.substr(start, end - start);
    const std::regex attribute("\\s" + name + "=\"([^\"]*)\"");
    std::smatch m;
    return std::regex_search(tag, m, attribute) ? m[1].str() : std::string{};
}

// Every picture a scene names, with where: Image design pictures, graphical
// button pictures and window icons.
std::map<std::string, std::vector<std::string>> picturesNamedByScenes() {
    Harness h;
    std::map<std::string, std::vector<std::string>> used;
    for (Scene* scene : h.runtime.scenes()) {
        if (!scene->style().icon.empty()) used[scene->style().icon].push_back(scene->name() + " icon");
        for (Control* control : scene->controls()) {
            std::string picture;
            if (auto* image = dynamic_cast<Image*>(control)) picture = image->picture();
            if (auto* button = dynamic_cast<CommandButton*>(control)) picture = button->style().picture;
            if (!picture.empty()) used[picture].push_back(scene->name() + "." + control->name());
        }
    }
    return used;
}

TEST(PictureList, EveryLineNamesOnePictureOnceWithAPositiveSize) {
    std::vector<std::string> malformed;
    const auto list = readList(&malformed);
    EXPECT_EQ(malformed, std::vector<std::string>{});
    ASSERT_GT(list.size(), 100u);
    std::set<std::string> seen;
    for (const auto& p : list) {
        EXPECT_TRUE(seen.insert(p.name).second) << p.name << " is listed twice (line " << p.line << ")";
        EXPECT_GT(p.width, 0) << p.name;
        EXPECT_GT(p.height, 0) << p.name;
    }
    // Sizes the scenes rely on: a map tile, the hero sprite, a closing card.
    std::map<std::string, std::pair<int, int>> sizes;
    for (const auto& p : list) sizes[p.name] = {p.width, p.height};
    EXPECT_EQ(sizes["tile_brick"], std::make_pair(50, 50));
    EXPECT_EQ(sizes["hero_map_pale_yellow"], std::make_pair(50, 51));
    EXPECT_EQ(sizes["tile_water"], std::make_pair(52, 48));
    EXPECT_EQ(sizes["card_farewell"], std::make_pair(600, 400));
    EXPECT_EQ(sizes["icon"], std::make_pair(32, 32));
}

TEST(PictureList, EveryListedPictureHasAnSvgOfItsSizeAndEverySvgIsListed) {
    const auto list = readList();
    std::set<std::string> listed;
    for (const auto& p : list) {
        listed.insert(p.name);
        const fs::path file = assetsSource() / (p.name + ".svg");
        if (!fs::exists(file)) {
            ADD_FAILURE() << p.name << ".svg is missing";
            continue;
        }
        const std::string svg = readFile(file);
        const std::string w = std::to_string(p.width), h = std::to_string(p.height);
        EXPECT_EQ(rootAttribute(svg, "width"), w) << p.name;
        EXPECT_EQ(rootAttribute(svg, "height"), h) << p.name;
        EXPECT_EQ(rootAttribute(svg, "viewBox"), "0 0 " + w + " " + h) << p.name;
    }
    for (const auto& entry : fs::directory_iterator(assetsSource())) {
        if (entry.path().extension() != ".svg") continue;
        EXPECT_TRUE(listed.count(entry.path().stem().string()))
            << entry.path().filename() << " is not in pictures.list, so it is never rasterised";
    }
}

TEST(PictureList, TextDrawnIntoPicturesUsesTheGameFace) {
    for (const auto& p : readList()) {
        const std::string svg = readFile(assetsSource() / (p.name + ".svg"));
        std::size_t at = 0;
        while ((at = svg.find("<text", at)) != std::string::npos) {
            const std::string tag = svg.substr(at, svg.find('>', at) - at);
            EXPECT_NE(tag.find("font-family=\"IPAPGothic\""), std::string::npos) << p.name << ": " << tag;
            ++at;
        }
    }
}

TEST(PictureList, EveryPictureASceneNamesIsListed) {
    std::set<std::string> listed;
    for (const auto& p : readList()) listed.insert(p.name);
    for (const auto& [picture, where] : picturesNamedByScenes()) {
        EXPECT_TRUE(listed.count(picture)) << picture << " (used by " << where.front() << ") is not in pictures.list";
    }
}

TEST(PictureList, EveryListedPictureIsShownBySomeScene) {
    const auto used = picturesNamedByScenes();
    for (const auto& p : readList()) {
        EXPECT_TRUE(used.count(p.name)) << p.name << " is listed but no scene shows it";
    }
}

// Width and height from a PNG's IHDR chunk (bytes 16..23, big-endian).
bool pngSize(const fs::path& file, std::uint32_t& width, std::uint32_t& height) {
    std::ifstream in(file, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return false;
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!std::equal(signature, signature + 8, header)) return false;
    auto be = [&](int at) {
        return std::uint32_t(header[at]) << 24 | std::uint32_t(header[at + 1]) << 16 |
               std::uint32_t(header[at + 2]) << 8 | std::uint32_t(header[at + 3]);
    };
    width = be(16);
    height = be(20);
    return true;
}

TEST(PictureList, TheBuildRasterisesEveryPictureAtOneAndTwoTimesItsSize) {
#ifndef ZORB_ASSETS_BUILD_DIR
    FAIL() << "the build did not say where it writes the pictures (assets/CMakeLists.txt)";
#else
    const fs::path built = ZORB_ASSETS_BUILD_DIR;
    for (const auto& p : readList()) {
        for (int scale : {1, 2}) {
            const fs::path file = built / (std::to_string(scale) + "x") / (p.name + ".png");
            std::uint32_t w = 0, h = 0;
            if (!pngSize(file, w, h)) {
                ADD_FAILURE() << file << " is missing or not a PNG";
                continue;
            }
            EXPECT_EQ(w, std::uint32_t(p.width * scale)) << file;
            EXPECT_EQ(h, std::uint32_t(p.height * scale)) << file;
        }
    }
#endif
}

}  // namespace
}  // namespace zorb::test
