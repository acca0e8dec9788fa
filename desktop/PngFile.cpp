#include "desktop/PngFile.h"

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace zorb::desktop {

namespace {

// An SDL stream that only collects what is written to it.
SDL_RWops* memorySink(std::vector<unsigned char>& bytes) {
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) return nullptr;
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->hidden.unknown.data1 = &bytes;
    rw->size = [](SDL_RWops* self) -> Sint64 {
        return static_cast<Sint64>(static_cast<std::vector<unsigned char>*>(self->hidden.unknown.data1)->size());
    };
    rw->seek = [](SDL_RWops*, Sint64, int) -> Sint64 { return SDL_SetError("cannot seek"); };
    rw->read = [](SDL_RWops*, void*, size_t, size_t) -> size_t { return 0; };
    rw->write = [](SDL_RWops* self, const void* data, size_t size, size_t count) -> size_t {
        auto& out = *static_cast<std::vector<unsigned char>*>(self->hidden.unknown.data1);
        const auto* from = static_cast<const unsigned char*>(data);
        out.insert(out.end(), from, from + size * count);
        return count;
    };
    rw->close = [](SDL_RWops* self) -> int {
        SDL_FreeRW(self);
        return 0;
    };
    return rw;
}

std::string failed(int fd, bool regular, const std::string& file) {
    const int error = errno ? errno : EIO;
    if (fd >= 0) ::close(fd);
    if (regular) ::unlink(file.c_str());
    return std::strerror(error);
}

}  // namespace

std::string savePng(SDL_Surface* surface, const std::string& file) {
    std::vector<unsigned char> png;
    SDL_RWops* sink = memorySink(png);
    if (!sink) return SDL_GetError();
    if (IMG_SavePNG_RW(surface, sink, 1) != 0) return IMG_GetError();

    errno = 0;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return failed(fd, false, file);
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    for (std::size_t done = 0; done < png.size();) {
        const ssize_t n = ::write(fd, png.data() + done, png.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return failed(fd, regular, file);
        }
        done += static_cast<std::size_t>(n);
    }
    // A disk that fills up may say so only when the data is flushed.
    if (regular && ::fsync(fd) != 0) return failed(fd, regular, file);
    if (::close(fd) != 0) return failed(-1, regular, file);
    return {};
}

}  // namespace zorb::desktop
