// Opening the word file on Windows.
#include "words/word_file.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

namespace {

class FileSource : public ByteSource {
  public:
    explicit FileSource(HANDLE file) : file_(file) {}
    ~FileSource() override { CloseHandle(file_); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    long read(char* buffer, std::size_t size) override {
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max() / 2));
        DWORD got = 0;
        if (!ReadFile(file_, buffer, wanted, &got, nullptr))
            return -1;
        return static_cast<long>(got);
    }

  private:
    HANDLE file_;
};

} // namespace

std::u16string whyNotOpened(std::string_view name, long error) {
    const std::u16string file(name.begin(), name.end());
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return file + u" not found";
    case ERROR_ACCESS_DENIED:
        return file + u": access denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return file + u" is in use";
    default:
        return file + u": cannot open";
    }
}

std::unique_ptr<ByteSource> openWordFile(std::string_view name, std::u16string& whyNot) {
    const std::u16string file(name.begin(), name.end());
    const std::wstring path(name.begin(), name.end());
    // A directory is opened only with backup semantics, so without them it
    // reads as access denied: ask the file system first.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        whyNot = file + u" is not a file";
        return nullptr;
    }
    // No sharing: nobody else may open the file while a pass reads it.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        whyNot = whyNotOpened(name, static_cast<long>(GetLastError()));
        return nullptr;
    }
    // A device or a pipe could block the window or never end.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        whyNot = file + u" is not a file";
        return nullptr;
    }
    try {
        return std::make_unique<FileSource>(handle);
    } catch (...) {
        CloseHandle(handle);
        throw;
    }
}
