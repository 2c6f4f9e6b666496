// Replacing a small file so that readers only ever see the old or the new content, even when
// the program or the machine stops halfway.
#pragma once

#include <filesystem>
#include <string_view>

namespace vekora {

// Writes `content` to a temporary file beside `file`, flushes it to disk, renames it over
// `file` and flushes the folder. On failure the temporary file is removed, `file` is left as
// it was and the result is false. The new file gets exactly `mode` (the umask does not apply).
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view content,
                         unsigned mode);

}  // namespace vekora
