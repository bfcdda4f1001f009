// Writing a procedure file whole: the bytes go into the ".tmp" file beside it, which then takes
// the file's place in one rename, so that a crash leaves either the old or the new file whole.
#pragma once

#include <filesystem>
#include <string_view>

namespace vantrel {

// False when the file cannot be written; it then keeps its old content and no ".tmp" file is
// left. The data are not synced to the disk file by file: an import writes thousands of files
// and can be repeated from its input, and a sync per file makes it many times slower.
bool WriteWholeFile(const std::filesystem::path& target, std::string_view bytes);

}  // namespace vantrel
