#include "arinc_import.h"

#include <algorithm>
#include <optional>
#include <set>

#include "airport_code.h"
#include "arinc_record.h"
#include "ascii_case.h"
#include "procedure_file.h"
#include "procedure_flattening.h"
#include "record_collector.h"
#include "text_lines.h"
#include "whole_file.h"

namespace vantrel {
namespace {

void Notify(const std::function<void()>& callback) {
    if (callback) {
        callback();
    }
}

void Skip(ImportReport& report, std::size_t procedures, std::string reason) {
    report.proceduresSkipped += procedures;
    if (report.skipReasons.size() < kReasonsKept) {
        report.skipReasons.push_back(std::move(reason));
    }
}

bool HasProcedureFile(const std::filesystem::path& programFolder, const std::string& code) {
    for (const ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        std::error_code error;
        const auto status =
            std::filesystem::symlink_status(ProcedureFilePath(programFolder, kind, code), error);
        if (status.type() != std::filesystem::file_type::not_found) {
            return true;
        }
    }
    return false;
}

// Reads the whole file into the collector; false when it cannot be opened or read to its end.
bool ReadRecords(const std::filesystem::path& file, RecordCollector& collector,
                 const ImportObserver& observer) {
    LineReader reader(file, LineReader::Ends::AlsoLineFeed);
    if (!reader.isOpen()) {
        return false;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    std::uintmax_t reported = 0;
    std::string_view line;
    while (reader.next(line)) {
        collector.addLine(line, reader.lineNumber());
        // Once for each part of the file the reader takes in.
        if (reader.bytesRead() != reported) {
            reported = reader.bytesRead();
            if (observer.reading) {
                observer.reading(reported, error ? reported : size);
            }
            Notify(observer.betweenSteps);
        }
    }
    return !reader.failed();
}

class AirportWriter {
  public:
    AirportWriter(const std::filesystem::path& programFolder, const FixTable& fixes,
                  const ImportOptions& options, const ImportObserver& observer,
                  ImportReport& report)
        : programFolder_(programFolder),
          options_(options),
          observer_(observer),
          report_(report),
          flattener_(fixes, options.enrouteTransitions) {
        if (options.replace) {
            replace_ = true;
        }
    }

    void write(const AirportRecords& airport) {
        FlattenedAirport& flattened = flattened_;
        flattener_.flatten(airport, flattened);
        for (std::string& reason : flattened.skipped) {
            Skip(report_, 1, std::move(reason));
        }
        const std::size_t procedures = flattened.sids.procedures() + flattened.stars.procedures();
        if (procedures == 0) {
            return;
        }
        const auto skipAirport = [&](const std::string& why) {
            Skip(report_, procedures,
                 airport.code + ": " + std::to_string(procedures) +
                     (procedures == 1 ? " procedure" : " procedures") + ", as " + why);
        };
        if (!IsUsableAirportCode(airport.code)) {
            skipAirport("the airport code cannot be a file name");
            return;
        }
        // Once replacing is settled, the files need not be looked for.
        if (!replace_.value_or(false) && HasProcedureFile(programFolder_, airport.code) &&
            !replacing(airport.code)) {
            report_.airportsWithFiles.push_back(airport.code);
            return;
        }
        // A read-only file of the airport is not replaced: the airport is skipped.
        for (const auto& [kind, built] : {std::pair{ProcedureKind::Sid, &flattened.sids},
                                          std::pair{ProcedureKind::Star, &flattened.stars}}) {
            const std::filesystem::path target =
                ProcedureFilePath(programFolder_, kind, airport.code);
            if (built->procedures() > 0 && IsReadOnly(target)) {
                skipAirport(ProcedureFileName(kind, airport.code).generic_string() +
                            " is read-only");
                return;
            }
        }
        bool written = true;
        for (const auto& [kind, built] : {std::pair{ProcedureKind::Sid, &flattened.sids},
                                          std::pair{ProcedureKind::Star, &flattened.stars}}) {
            // A kind the file has no procedures of keeps the airport's file of that kind.
            if (built->procedures() == 0) {
                continue;
            }
            const std::filesystem::path target =
                ProcedureFilePath(programFolder_, kind, airport.code);
            if (WriteWholeFile(target, built->text())) {
                report_.proceduresWritten += built->procedures();
            } else {
                report_.notWritten.push_back(target);
                written = false;
            }
            Notify(observer_.betweenSteps);
        }
        if (written) {
            ++report_.airportsWritten;
        }
    }

  private:
    bool replacing(const std::string& airport) {
        if (!replace_) {
            replace_ = options_.askReplace && options_.askReplace(airport);
        }
        return *replace_;
    }

    const std::filesystem::path& programFolder_;
    const ImportOptions& options_;
    const ImportObserver& observer_;
    ImportReport& report_;
    std::optional<bool> replace_;
    ProcedureFlattener flattener_;
    FlattenedAirport flattened_;  // the airport being written; its memory is kept for the next
};

}  // namespace

ImportReport ImportArinc(const std::filesystem::path& programFolder,
                         const std::filesystem::path& file, const ImportOptions& options,
                         const ImportObserver& observer) {
    ImportReport report;
    std::set<std::string> wanted;
    for (const std::string& code : options.airports) {
        wanted.insert(UpperAscii(code));
    }
    RecordCollector collector(wanted);
    if (!ReadRecords(file, collector, observer)) {
        report.fileRead = false;
        return report;
    }
    report.recordsFound = collector.recordsMet();
    for (const std::string& reason : collector.unattributed()) {
        Skip(report, 1, reason);
    }
    for (const std::string& code : wanted) {
        if (!collector.hasAirport(code)) {
            report.airportsNotInFile.push_back(code);
        }
    }

    for (const ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        // A folder that cannot be made shows as files that cannot be written.
        std::error_code ignored;
        std::filesystem::create_directory(programFolder / FolderName(kind), ignored);
    }
    AirportWriter writer(programFolder, collector.fixes(), options, observer, report);
    const std::vector<AirportRecords>& airports = collector.airports();
    for (std::size_t i = 0; i < airports.size(); ++i) {
        if (observer.writing) {
            observer.writing(airports[i].code, i, airports.size());
        }
        writer.write(airports[i]);
        collector.releaseAirport(i);
        Notify(observer.betweenSteps);
    }
    if (observer.writing) {
        observer.writing({}, airports.size(), airports.size());
    }
    return report;
}

}  // namespace vantrel
