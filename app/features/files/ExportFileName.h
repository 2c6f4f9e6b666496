// The names of exported files: "<name>-<tick>.xml" in the chosen folder, where the name is
// the profile's title or the user light's name and the tick a millisecond count.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vekora {

// A millisecond tick count (wrapping), injectable for tests.
using TickSource = std::function<uint32_t()>;

// Milliseconds of the monotonic clock, truncated to 32 bits.
uint32_t SystemTickCount();

// Makes a user-given name safe as the name part of a file name: path separators, NUL and
// other control characters, and the characters other systems forbid in file names
// (\ : * ? " < > |) become '_'; a leading '.' becomes '_' (no hidden files, no "..");
// an empty result becomes "_"; the result is cut to at most 200 UTF-8 bytes.
std::wstring SafeFileNamePart(std::wstring_view name);

// folder / "<safe name>-<tick>.xml". If that file exists already (two exports within the
// same millisecond), the tick is counted up until the name is free, so no export overwrites
// another.
std::filesystem::path ExportFilePath(const std::filesystem::path& folder, std::wstring_view name,
                                     uint32_t tick);

}  // namespace vekora
