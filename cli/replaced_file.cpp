#include "replaced_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace scrivafresa::cli {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t CurrentUmask() {
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

}  // namespace

ReplacedFile::~ReplacedFile() {
    if (!temporary_.empty()) unlink(temporary_.c_str());
}

bool ReplacedFile::Fail(const std::string& what, int error) {
    problem_ = what + ": " + std::strerror(error);
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
    return false;
}

bool ReplacedFile::Write(std::string_view content) {
    if (path_.empty()) return Fail("cannot write a file without a name", ENOENT);

    // Write through a link to the file it names, and never put a regular file in the place
    // of a device, a pipe or a folder.
    mode_t mode = 0666 & ~CurrentUmask();
    struct stat existing {};
    target_ = path_;
    if (stat(path_.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            problem_ = "cannot write " + path_ + ": not a regular file";
            return false;
        }
        mode = existing.st_mode & 07777;
        if (char* target = realpath(path_.c_str(), nullptr)) {
            target_ = target;
            std::free(target);
        }
    }

    const std::string pattern = FolderOf(target_) + "/." + NameOf(target_) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return Fail("cannot create " + path_, errno);
    temporary_ = name.data();

    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            close(fd);
            return Fail("cannot write " + path_, error);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // The new content must be on the disk before it takes the old file's place, or a crash
    // could leave an empty file where a good one was.
    if (fchmod(fd, mode) != 0 || fsync(fd) != 0) {
        const int error = errno;
        close(fd);
        return Fail("cannot write " + path_, error);
    }
    if (close(fd) != 0) return Fail("cannot write " + path_, errno);
    return true;
}

bool ReplacedFile::Commit() {
    if (temporary_.empty()) return false;
    if (rename(temporary_.c_str(), target_.c_str()) != 0)
        return Fail("cannot replace " + path_, errno);
    temporary_.clear();
    return true;
}

}  // namespace scrivafresa::cli
