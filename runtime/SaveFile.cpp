#include "runtime/SaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "runtime/SaveState.h"

namespace zorb {

namespace {

// "No such file or directory" → "no such file or directory": it reads as
// the end of a sentence in a transcript line or a note on the screen.
[[noreturn]] void failWith(int error) {
    std::string reason = std::generic_category().message(error);
    if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z') reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
    throw SaveError(reason);
}

// Closes on every way out.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closing can report a write the disk refused late (NFS, quotas).
    int release() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

void writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            failWith(errno);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

std::string readSaveFile(const std::string& path, std::size_t maxBytes) {
    // Non-blocking, so that a pipe or a device named by mistake is refused
    // below instead of waiting for a writer that never comes.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) failWith(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) failWith(errno);
    if (S_ISDIR(st.st_mode)) failWith(EISDIR);
    if (!S_ISREG(st.st_mode)) throw SaveError("not a regular file");
    if (static_cast<std::size_t>(st.st_size) > maxBytes) throw SaveError("too large to be a save");

    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            failWith(errno);
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > maxBytes) throw SaveError("too large to be a save");  // it grew meanwhile
    }
    return text;
}

void writeSaveFile(const std::string& path, std::string_view contents) {
    std::string temp = path + ".tmp-XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) failWith(errno);
    // From here on a failure takes the half-written temporary file away.
    struct Remove {
        const std::string& path;
        bool keep = false;
        ~Remove() {
            if (!keep) ::unlink(path.c_str());
        }
    } remove{temp};

    writeAll(fd.get(), contents);
    if (::fsync(fd.get()) != 0) failWith(errno);
    if (fd.release() != 0) failWith(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0) failWith(errno);
    remove.keep = true;

    // The rename itself reaches the disk only with the directory. The new
    // save is in place either way; a directory that cannot be flushed only
    // leaves it to the system when it is written out.
    Fd dir(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace zorb
