// Opening the word file on Linux and other POSIX systems.
#include "words/word_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileSource : public ByteSource {
  public:
    explicit FileSource(int fd) : fd_(fd) {}
    ~FileSource() override { ::close(fd_); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    long read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0 || errno != EINTR)
                return n < 0 ? -1 : static_cast<long>(n);
        }
    }

  private:
    int fd_;
};

} // namespace

std::u16string whyNotOpened(std::string_view name, long error) {
    const std::u16string file(name.begin(), name.end());
    if (error == ENOENT || error == ENOTDIR)
        return file + u" not found";
    if (error == EACCES || error == EPERM)
        return file + u": access denied";
    return file + u": cannot open";
}

std::unique_ptr<ByteSource> openWordFile(std::string_view name, std::u16string& whyNot) {
    const std::string path(name);
    // Non-blocking, so that opening a FIFO with no writer returns at once
    // instead of waiting for one; fstat then turns it away.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        whyNot = whyNotOpened(name, errno);
        return nullptr;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        whyNot = whyNotOpened(name, errno);
        ::close(fd);
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        whyNot = std::u16string(name.begin(), name.end()) + u" is not a file";
        return nullptr;
    }
    try {
        return std::make_unique<FileSource>(fd);
    } catch (...) {
        ::close(fd);
        throw;
    }
}
