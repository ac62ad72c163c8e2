#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/settings_file.h"

namespace pickwell {
namespace {

// Closes a file descriptor when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            (void)::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes it now, telling whether the data made it.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!kept_) {
            (void)::unlink(path_.c_str());
        }
    }
    void keep() { kept_ = true; }

  private:
    std::string path_;
    bool kept_ = false;
};

bool is_folder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Creates every missing folder above `path`.
bool create_parent_folders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0777) != 0 && (errno != EEXIST || !is_folder(folder))) {
            return false;
        }
    }
    return true;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

FileContents read_settings_file(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return {errno == ENOENT ? FileContents::State::Missing : FileContents::State::Unreadable,
                {}};
    }
    std::string bytes;
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > kLargestSettingsFile) {
            return {FileContents::State::Unreadable, {}};
        }
        if (got == 0) {
            return {FileContents::State::Read, std::move(bytes)};
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

bool replace_settings_file(const std::string& path, std::string_view contents) {
    if (path.empty() || path.front() != '/' || !create_parent_folders(path)) {
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        return false;
    }
    TemporaryFile cleanup(temporary);
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    if (::fchmod(file.get(), mode) != 0 || !write_all(file.get(), contents) ||
        ::fsync(file.get()) != 0 || !file.close() ||
        ::rename(temporary.c_str(), path.c_str()) != 0) {
        return false;
    }
    cleanup.keep();
    return true;
}

}  // namespace pickwell
