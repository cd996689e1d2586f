#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::string systemReason(int error) { return std::strerror(error); }

// newFileMode() is the mode that open() would give a new file: 0666 less the umask, which can only
// be read by setting it, so it is set back at once.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// writeAll() writes every byte, going on after a short write or an interrupted call.
bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

// syncFolder() makes the rename itself durable. A folder that cannot be opened or synced (some file
// systems refuse) does not make the write a failure: the file is whole and in place.
void syncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// writeFileAtomically(): 1. a temporary file beside the target (mkstemp: a fresh name, never an
// existing file); 2. the mode of the file it will replace; 3. the text, flushed to the disk;
// 4. renamed over the target, which is atomic within one folder.
std::string writeFileAtomically(const std::string& path, const std::string& text) {
    std::vector<char> temporary(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    temporary.insert(temporary.end(), suffix, suffix + sizeof suffix);  // with its terminating zero
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return systemReason(errno);

    struct stat existing;
    const mode_t mode = stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : newFileMode();
    bool written = fchmod(fd, mode) == 0 && writeAll(fd, text) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && std::rename(temporary.data(), path.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        unlink(temporary.data());
        return systemReason(error);
    }
    syncFolder(folderOf(path));
    return "";
}

std::string readTextFile(const std::string& path, long limit, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return systemReason(errno);
    std::string read;
    char buffer[65536];
    size_t got = 0;
    // Reading stops once past the limit: a larger file is told apart without reading all of it.
    while (static_cast<long>(read.size()) <= limit && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        read.append(buffer, got);
    const bool failed = std::ferror(file);
    const int error = errno;
    std::fclose(file);
    if (failed) return systemReason(error);
    if (static_cast<long>(read.size()) > limit) return "larger than " + std::to_string(limit) + " bytes";
    text = std::move(read);
    return "";
}

std::string makeFolders(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? "" : systemReason(ENOTDIR);
    const std::string parent = folderOf(path);
    if (parent != path && parent != "." && parent != "/") {
        const std::string error = makeFolders(parent);
        if (!error.empty()) return error;
    }
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return systemReason(errno);
    return "";
}
