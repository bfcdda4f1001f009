#include "airport_edits.h"

#include <system_error>
#include <vector>

#include "procedure_file.h"

namespace vantrel {

std::string AddAirport(std::string_view typed) {
    std::string code(typed);
    for (char& c : code) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return code;
}

std::optional<FileRefusal> DeleteAirport(const std::filesystem::path& programFolder,
                                         std::string_view airport) {
    struct Moved {
        std::filesystem::path file, aside;
    };
    std::vector<Moved> moved;
    const auto refuse = [&moved](std::filesystem::path file, std::string reason) {
        // Back to their names, last moved first. A file that cannot go back keeps its bytes under
        // the name beside it.
        for (auto back = moved.rbegin(); back != moved.rend(); ++back) {
            std::error_code ignored;
            std::filesystem::rename(back->aside, back->file, ignored);
        }
        return FileRefusal{std::move(file), std::move(reason)};
    };
    for (ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        std::filesystem::path file = ProcedureFilePath(programFolder, kind, airport);
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
        if (!std::filesystem::exists(status)) {
            continue;
        }
        if (std::filesystem::is_directory(status)) {
            return refuse(std::move(file), "a folder stands at its place");
        }
        if (IsReadOnly(file)) {
            return refuse(std::move(file), "it is read-only");
        }
        std::filesystem::path aside = SiblingWithExtension(file, ".del");
        std::filesystem::rename(file, aside, error);
        if (error) {
            return refuse(std::move(file), ReasonText(error));
        }
        moved.push_back({std::move(file), std::move(aside)});
    }
    for (const Moved& one : moved) {
        std::error_code ignored;
        std::filesystem::remove(one.aside, ignored);
    }
    return std::nullopt;
}

std::string ReasonText(const std::error_code& error) {
    std::string text = error.message();
    while (!text.empty() && (text.back() == '.' || text.back() == '\n' || text.back() == '\r' ||
                             text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

std::optional<std::string> UnsafeFileNamePart(std::string_view code) {
    if (code.find("..") != std::string_view::npos) {
        return "\"..\"";
    }
    for (unsigned char c : code) {
        if (c < 0x20 || c == 0x7F) {
            return "a control character";
        }
        if (std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) {
            return std::string{'"', static_cast<char>(c), '"'};
        }
    }
    return std::nullopt;
}

}  // namespace vantrel
