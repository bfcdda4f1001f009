#include "airport_catalogue.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "procedure_kind.h"

namespace vantrel {
namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// The names of the ordinary, not hidden files of a folder, sorted by name with letter case
// ignored (names equal but for case keep a fixed order).
std::vector<std::string> OrdinaryFileNames(const std::filesystem::path& folder,
                                           const CatalogueObserver& observer) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (!name.starts_with('.')) {
            names.push_back(std::move(name));
        }
        if (observer.betweenFiles && names.size() % 512 == 0) {
            observer.betweenFiles();
        }
    }
    if (error && error != std::errc::no_such_file_or_directory && observer.folderUnreadable) {
        observer.folderUnreadable(folder);
    }
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names) {
        keyed.emplace_back(LowerAscii(name), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [key, name] : keyed) {
        names.push_back(std::move(name));
    }
    return names;
}

std::optional<std::string> AirportCode(std::string_view fileName) {
    const std::size_t dot = fileName.find('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(fileName.substr(0, dot));
}

void Notify(const std::function<void()>& callback) {
    if (callback) {
        callback();
    }
}

}  // namespace

std::vector<std::string> LoadAirportList(const std::filesystem::path& programFolder,
                                         const CatalogueObserver& observer) {
    std::vector<std::string> airports;
    for (const std::string& name :
         OrdinaryFileNames(programFolder / FolderName(ProcedureKind::Sid), observer)) {
        Notify(observer.betweenFiles);
        if (auto code = AirportCode(name)) {
            airports.push_back(std::move(*code));
        }
    }

    std::unordered_set<std::string> listed(airports.begin(), airports.end());
    const auto starNames =
        OrdinaryFileNames(programFolder / FolderName(ProcedureKind::Star), observer);
    if (observer.starPassBegins) {
        observer.starPassBegins(starNames.size());
    }
    for (const std::string& name : starNames) {
        Notify(observer.starFileDone);
        Notify(observer.betweenFiles);
        auto code = AirportCode(name);
        if (code && listed.insert(*code).second) {
            airports.push_back(std::move(*code));
        }
    }
    return airports;
}

int FindAirport(const std::vector<std::string>& airports, std::string_view searchText) {
    std::string upper(searchText);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    for (std::size_t i = 0; i < airports.size(); ++i) {
        if (airports[i].find(upper) != std::string::npos) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace vantrel
