#include "convert_file.h"

#include <string>
#include <utility>

#include "airport_code.h"
#include "converted_procedures.h"
#include "fsnav_lines.h"
#include "procedure_file.h"
#include "text_lines.h"

namespace vantrel {
namespace {

// The two readers of one input file and their current lines.
struct Input {
    explicit Input(const std::filesystem::path& file) : a(file), b(file) {}

    bool nextL() { return a.next(L); }
    bool nextM() { return b.next(M); }
    // Why a reader gave no line.
    FileOutcome stopReason() const {
        return a.failed() || b.failed() ? FileOutcome::CannotRead : FileOutcome::EndsEarly;
    }

    LineReader a, b;
    std::string L, M;
};

// The line that ends a procedure's points is passed over as the separator before the next
// section, unless it already is the next section's header or the end line.
bool IsSeparator(std::string_view line) {
    return !Contains(line, "[Sid") && !Contains(line, "[Star") && !Contains(line, "[EOF]");
}

void Notify(const std::function<void()>& callback) {
    if (callback) {
        callback();
    }
}

enum class SidPassEnd { StarsFollow, EndLineMet, InputStopped };

// From the third line on: every "[Sid" section up to the first "Star001" line (the STARs follow)
// or the "[EOF]" line.
SidPassEnd SidPass(Input& in, ConvertedProcedures& sids, const ConversionObserver& observer) {
    if (!in.nextL()) {
        return SidPassEnd::InputStopped;
    }
    for (;;) {
        for (;;) {
            if (Contains(in.L, "Star001")) {
                return SidPassEnd::StarsFollow;
            }
            if (Contains(in.L, "[Sid")) {
                break;
            }
            if (Contains(in.L, "[EOF]")) {
                return SidPassEnd::EndLineMet;
            }
            if (!in.nextL()) {
                return SidPassEnd::InputStopped;
            }
        }
        if (!in.nextL()) {
            return SidPassEnd::InputStopped;
        }
        const std::string name = ProcedureName(in.L);
        // The first point ("01=") is the runway: it gives the header and is not written as a leg.
        do {
            if (!in.nextL()) {
                return SidPassEnd::InputStopped;
            }
        } while (!Contains(in.L, "01="));
        sids.addHeader(name, RunwayOf(in.L));
        Notify(observer.betweenLines);
        if (!in.nextL()) {
            return SidPassEnd::InputStopped;
        }
        while (Contains(in.L, "=")) {
            if (auto leg = PointLeg(in.L)) {
                sids.addLeg(*leg);
            }
            Notify(observer.betweenLines);
            if (!in.nextL()) {
                return SidPassEnd::InputStopped;
            }
        }
        sids.endProcedure();
        if (IsSeparator(in.L) && !in.nextL()) {
            return SidPassEnd::InputStopped;
        }
    }
}

// From the first STAR header to the "[EOF]" line; false when the input stops before it. Runway
// points ("=R:") give the header's runway and are not written as legs.
bool StarPass(Input& in, ConvertedProcedures& stars, const ConversionObserver& observer) {
    do {
        if (!in.nextM()) {
            return false;
        }
    } while (!Contains(in.M, "[Star"));
    for (;;) {
        for (;;) {
            if (Contains(in.L, "[EOF]")) {
                return true;
            }
            if (Contains(in.L, "[Star")) {
                break;
            }
            if (!in.nextL()) {
                return false;
            }
        }
        while (!Contains(in.M, "01=")) {
            if (!in.nextM()) {
                return false;
            }
        }
        while (!Contains(in.M, "=R:")) {
            if (!in.nextM()) {
                return false;
            }
        }
        const std::string runway = RunwayOf(in.M);
        if (!in.nextL()) {
            return false;
        }
        stars.addHeader(ProcedureName(in.L), runway);
        Notify(observer.betweenLines);
        do {
            if (!in.nextL()) {
                return false;
            }
        } while (!Contains(in.L, "01="));
        while (Contains(in.L, "=")) {
            if (!Contains(in.L, "=R:")) {
                if (auto leg = PointLeg(in.L)) {
                    stars.addLeg(*leg);
                }
            }
            Notify(observer.betweenLines);
            if (!in.nextL()) {
                return false;
            }
        }
        stars.endProcedure();
        if (IsSeparator(in.L) && !in.nextL()) {
            return false;
        }
    }
}

}  // namespace

FileOutcome ConvertFile(const std::filesystem::path& programFolder, std::string_view fileName,
                        const ConversionObserver& observer) {
    if (observer.fileStarted) {
        observer.fileStarted(fileName);
    }
    Input in(programFolder / fileName);
    if (!in.a.isOpen() || !in.b.isOpen()) {
        return FileOutcome::CannotRead;
    }
    // Line 1 is not used; line 2 names the airport.
    if (!in.nextL() || !in.nextL()) {
        return in.stopReason();
    }
    const std::string code = AirportCode(in.L);
    if (code == kExcludedAirport) {
        return FileOutcome::ExcludedAirport;
    }
    if (!IsUsableAirportCode(code)) {
        return FileOutcome::UnusableAirportCode;
    }
    if (observer.airportStarted) {
        observer.airportStarted(code);
    }

    ConvertedProcedures sids, stars;
    switch (SidPass(in, sids, observer)) {
        case SidPassEnd::InputStopped:
            return in.stopReason();
        case SidPassEnd::StarsFollow:
            if (!StarPass(in, stars, observer)) {
                return in.stopReason();
            }
            break;
        case SidPassEnd::EndLineMet:
            break;
    }
    bool stored = true;
    for (const auto& [kind, procedures] :
         {std::pair{ProcedureKind::Sid, &sids}, std::pair{ProcedureKind::Star, &stars}}) {
        const std::filesystem::path target = ProcedureFilePath(programFolder, kind, code);
        if (!StoreProcedures(*procedures, target)) {
            stored = false;
            if (observer.notWritten) {
                observer.notWritten(target);
            }
        }
    }
    return stored ? FileOutcome::Converted : FileOutcome::CannotWrite;
}

}  // namespace vantrel
