// Baselines of the benchmarks that write procedure files: the physical limit of the same work,
// reading the same input with cat and writing as many files of the same sizes with cp, which
// copies the sid and star folders that the measured program wrote.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>

#include "measure.h"

namespace vantrel::bench {

// How many files the sid and star folders of the program folder hold.
inline std::size_t CountProcedureFiles(const std::filesystem::path& program) {
    std::size_t files = 0;
    for (const char* kind : {"sid", "star"}) {
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(program / kind)) {
            ++files;
        }
    }
    return files;
}

class CopyBaselines {
  public:
    // `readInputs`: a shell command that reads the inputs of a measured run with cat; `program`:
    // the folder whose sid and star folders the measured program wrote; `scratch`: a folder of the
    // benchmark's own for the copies. Makes, untimed, the copy that the replacing baseline
    // overwrites.
    CopyBaselines(std::string readInputs, const std::filesystem::path& program,
                  const std::filesystem::path& scratch)
        : readInputs_(std::move(readInputs)),
          sources_(ShellQuoted((program / "sid").string()) + " " +
                   ShellQuoted((program / "star").string())),
          created_(scratch / "created"),
          replaced_(scratch / "replaced") {
        std::filesystem::create_directories(replaced_);
        for (const char* kind : {"sid", "star"}) {
            std::filesystem::copy(program / kind, replaced_ / kind,
                                  std::filesystem::copy_options::recursive);
        }
    }

    // The baseline of a run that creates the files: cat of the inputs, then cp of the sid and star
    // folders into a fresh empty folder, emptied untimed. False when a command failed.
    bool measureCreating(Times& times) const {
        std::filesystem::remove_all(created_);
        std::filesystem::create_directories(created_);
        return MeasureShell(times, readInputs_ + " && cp -R " + sources_ + " " + Quoted(created_));
    }

    // The baseline of a run that replaces the files: cp of the same folders over a copy that holds
    // them already, so that every file is overwritten. False when the command failed.
    bool measureReplacing(Times& times) const {
        return MeasureShell(times, "cp -R " + sources_ + " " + Quoted(replaced_));
    }

  private:
    static std::string Quoted(const std::filesystem::path& folder) {
        return ShellQuoted(folder.string());
    }

    std::string readInputs_;
    std::string sources_;  // the sid and star folders, quoted for the shell
    std::filesystem::path created_, replaced_;
};

}  // namespace vantrel::bench
