#pragma once

#include "core/platform/file_identity.h"
#include "core/scores/save_file_ops.h"

#include <string>
#include <string_view>

namespace quillara {

// Keeps a damaged file as it was, beside it under a dated name that no later copy takes over:
// "SCORES.SAV.damaged-2024-06-11-143012", then "-2", "-3" and so on. `identity` is the file as
// it was read, `bytes` what was read of it and `whole` whether that was all of it. A hard link
// keeps the very file; where the file system has none the bytes are copied, if they are whole.
// A copy this file already has is found again instead of made twice. Returns the copy's path,
// or nothing when no copy could be made. Call with the file's lock held.
std::string KeepDamagedFile(const std::string& path, const TFileIdentity& identity,
                            std::string_view bytes, bool whole, TSaveFileOps& files);

} // namespace quillara
