#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

typedef struct _TTF_Font TTF_Font;

namespace zorb::desktop {

// No face on this machine can show the game's Japanese text.
class NoFace : public std::runtime_error {
public:
    NoFace()
        : std::runtime_error(
              "no Japanese font found: install the package fonts-ipafont-gothic "
              "(or a face named MS PGothic)") {}
};

struct FaceFile {
    std::string path;
    int index = 0;       // the face within a collection file
    std::string family;  // as fontconfig names it
};

// The game's face: "MS PGothic" if the machine has it, else Debian's
// "IPAPGothic" (drawn to the same metrics), else any face for Japanese.
// Throws NoFace when there is none.
FaceFile findFace();

// The face opened at the pixel sizes the screen asks for, kept open.
class Fonts {
public:
    explicit Fonts(FaceFile face);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The face at `pixels` em size, bold drawn by emboldening when the face
    // has no bold of its own.
    TTF_Font* get(int pixels, bool bold);
    // Closes every size (after a change of scale most are no longer used).
    void clear();
    const FaceFile& face() const { return face_; }

private:
    FaceFile face_;
    std::map<std::pair<int, bool>, TTF_Font*> open_;
};

}  // namespace zorb::desktop
