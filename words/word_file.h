// Opening the word file for reading.
#pragma once

#include "words/byte_source.h"

#include <memory>
#include <string>
#include <string_view>

// Opens the named file (ASCII), relative to the current directory, for
// reading only. Anything but a regular file is refused: a FIFO, a device or a
// directory could block the window or never end. On failure the result is
// null and whyNot holds a short reason for the count label.
//
// Linux has no open mode that keeps other processes from opening or
// changing the file meanwhile; the loader copes with a file that changes
// between its passes instead.
std::unique_ptr<ByteSource> openWordFile(std::string_view name, std::u16string& whyNot);
