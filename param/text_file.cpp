#include "param/text_file.h"

#include "param/line_ends.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvex {

namespace {

FileResult failure(int error) {
    const bool missing = error == ENOENT || error == ENOTDIR;
    return {missing ? FileResult::Status::kNotFound : FileResult::Status::kFailed,
            std::system_category().message(error)};
}

// Closes the descriptor on every path out, without hiding an earlier error.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // The error of the close, which is where some file systems first report a failed write.
    int close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int readAll(int fd, std::string& bytes, std::size_t maxSize) {
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) {
            return 0;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (static_cast<std::size_t>(count) > maxSize - bytes.size()) {
            return EFBIG;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return 0;
}

// The mode a new file gets from the process's umask, read without changing it for good.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

FileResult readTextFile(const std::filesystem::path& path, std::string& text, std::size_t maxSize) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return failure(errno);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return failure(errno);
    }
    // A folder opens for reading but is no file to read.
    if (S_ISDIR(status.st_mode)) {
        return failure(EISDIR);
    }
    if (static_cast<std::uintmax_t>(std::max<off_t>(status.st_size, 0)) > maxSize) {
        return failure(EFBIG);
    }
    std::string bytes;
    // The size is only a hint: the file may change while it is read.
    bytes.reserve(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)));
    if (const int error = readAll(file.get(), bytes, maxSize)) {
        return failure(error);
    }
    text = fromFileLineEnds(bytes);
    return {};
}

FileResult replaceTextFile(const std::filesystem::path& path,
                           const std::function<void(const TextPieces& write)>& produce) {
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists) {
        // Non-blocking, so that a pipe without a reader cannot hang the probe.
        Descriptor probe(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        if (probe.get() < 0) {
            return failure(errno);
        }
    }

    std::string temporary = path.string() + ".XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        return failure(errno);
    }
    const mode_t mode = exists ? static_cast<mode_t>(target.st_mode & 07777) : newFileMode();
    int error = ::fchmod(file.get(), mode) == 0 ? 0 : errno;
    if (error == 0) {
        std::string converted;
        const TextPieces write = [&](std::string_view piece) {
            if (error == 0) {
                converted.clear();
                appendFileLineEnds(converted, piece);
                error = writeAll(file.get(), converted);
            }
        };
        try {
            produce(write);
        } catch (...) {
            ::unlink(temporary.c_str());
            throw;
        }
    }
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
    }
    if (const int closeError = file.close(); error == 0) {
        error = closeError;
    }
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    return {};
}

} // namespace orvex
