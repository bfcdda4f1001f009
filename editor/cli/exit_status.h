// The exit statuses of vantrel-cli, the same for every command.
#pragma once

namespace vantrel::cli {

inline constexpr int kSuccess = 0;
// Something was found wrong (check), skipped (convert, import) or not found (find).
inline constexpr int kFindings = 1;
// A file or a value could not be used: a search error, an unreadable file, a point that cannot
// be computed.
inline constexpr int kError = 2;
// The command line itself is wrong (the usual EX_USAGE).
inline constexpr int kUsage = 64;

}  // namespace vantrel::cli
