// The frame of the rewrite targets: a fuzzed SID file and selector, one rewrite of the selected
// procedure, and the comparison of the file afterwards with the model. The file must change only
// inside the selected block (a procedure that is not found, or a file with a line feed alone,
// leaves it byte for byte as it was), and no temporary file may stay behind.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "procedure_edits.h"
#include "procedure_file.h"
#include "procedure_model.h"

namespace vantrel::fuzz {

// What the rewrite writes in the place of the block, from the file's lines.
using ModelMiddle =
    std::function<std::vector<std::string>(const std::vector<std::string>&, const ModelBlock&)>;
using Rewrite = std::function<RewriteStatus(const std::filesystem::path&, const ProcedureAddress&)>;

inline void FuzzRewrite(std::string_view selector, std::string_view content, const Rewrite& rewrite,
                        const ModelMiddle& middle) {
    const std::filesystem::path folder = FreshFolder("program");
    const std::filesystem::path file = ProcedureFilePath(folder, ProcedureKind::Sid, "FUZZ");
    WriteBytes(file, content);
    const Selection selected = SelectProcedure(file, selector);
    const RewriteStatus status =
        rewrite(folder, {ProcedureKind::Sid, "FUZZ", selected.entry, selected.occurrence});

    const std::vector<std::string> lines = ModelLines(content);
    const std::optional<ModelBlock> block =
        FindModelBlock(lines, selected.entry, selected.occurrence);
    const std::string after = ReadBytes(file);
    if (ModelHoldsBareLineFeed(content)) {
        Check(status == RewriteStatus::BareLineFeed, "a file with a line feed alone is refused");
        Check(after == content, "a refused file stays as it was");
    } else if (block) {
        Check(status == RewriteStatus::Done, "a found procedure is rewritten");
        Check(after == ModelBytes(ModelReplaceBlock(lines, *block, middle(lines, *block))),
              "a rewrite changes the selected block only");
    } else {
        Check(status == RewriteStatus::ProcedureNotFound, "a missing procedure is reported");
        Check(after == content, "a file without the procedure stays as it was");
    }
    const auto entries = std::filesystem::directory_iterator(file.parent_path());
    Check(std::distance(begin(entries), end(entries)) == 1, "no temporary file stays behind");
}

}  // namespace vantrel::fuzz
