// Opening the word file for reading.
#pragma once

#include "words/byte_source.h"

#include <memory>
#include <string>
#include <string_view>

// Opens the named file (ASCII), relative to the current directory, for
// reading only. Anything but a regular file is refused: a FIFO, a pipe, a
// device or a directory could block the window or never end. On failure the
// result is null and whyNot holds a short reason for the count label.
//
// On Windows the file is opened with no sharing, so no other process can
// open it while a pass reads it, and one that holds it open makes the open
// fail ("is in use"). Linux has no such open mode: there another process may
// change the file meanwhile, and the loader copes with a file that changes
// between its passes. (word_file_posix.cpp for Linux, word_file_win32.cpp
// for Windows.)
std::unique_ptr<ByteSource> openWordFile(std::string_view name, std::u16string& whyNot);

// The reason shown for a file that the platform refused to open, from the
// platform's error code (errno, or GetLastError on Windows). Apart, so that
// every reason can be tested without a file that really fails that way (an
// unreadable file is readable to root, and under Wine to everyone).
std::u16string whyNotOpened(std::string_view name, long error);
