#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "store/Status.h"

namespace vantorel {

// The error code of a file shorter than its contents say; the others are the operating system's.
inline constexpr int kReadBeyondEnd = 100;

// The text the user sees for a failed file operation: "File not found", "File access denied",
// "Read beyond end of file", "Disk full", ... or "I/O error n".
std::string IoErrorText(int errorCode);

// Reads at most maxBytes from the start of a file.
Status ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);

// Replaces a file with new contents: they are written to a temporary file in the same folder, flushed to
// disk and renamed over the target, so a failure leaves the previous file as it was.
Status ReplaceFile(const std::string& path, std::span<const std::uint8_t> contents);

} // namespace vantorel
