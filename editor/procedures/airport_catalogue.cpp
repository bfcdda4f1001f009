#include "airport_catalogue.h"

#include <optional>
#include <unordered_set>

#include "ascii_case.h"
#include "folder_listing.h"
#include "procedure_kind.h"

namespace vantrel {
namespace {

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

// The names of one procedure folder's files, an unreadable folder reported to the observer.
std::vector<std::string> FolderFileNames(const std::filesystem::path& folder,
                                         const CatalogueObserver& observer) {
    return OrdinaryFileNames(folder, observer.betweenFiles, [&] {
        if (observer.folderUnreadable) {
            observer.folderUnreadable(folder);
        }
    });
}

}  // namespace

std::vector<std::string> LoadAirportList(const std::filesystem::path& programFolder,
                                         const CatalogueObserver& observer) {
    std::vector<std::string> airports;
    for (const std::string& name :
         FolderFileNames(programFolder / FolderName(ProcedureKind::Sid), observer)) {
        Notify(observer.betweenFiles);
        if (auto code = AirportCode(name)) {
            airports.push_back(std::move(*code));
        }
    }

    std::unordered_set<std::string> listed(airports.begin(), airports.end());
    const auto starNames =
        FolderFileNames(programFolder / FolderName(ProcedureKind::Star), observer);
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
    const std::string upper = UpperAscii(std::string(searchText));
    for (std::size_t i = 0; i < airports.size(); ++i) {
        if (airports[i].find(upper) != std::string::npos) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace vantrel
