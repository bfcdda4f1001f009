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
    // Whether M is the header of the STAR whose runway reader B looks for next.
    bool mAtHeader = false;
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

enum class LookAhead { RunwayFound, NoRunwayPoint, InputStopped };

// Reader B's look-ahead for the runway of the STAR that reader A is at, which stands after its
// other points: from that STAR's header to its first "01=" line, then on to the first line with
// "=R:". It stays within the STAR's own section, which the next "[Star" header or the "[EOF]" line
// ends, so that a STAR without a runway point takes no other STAR's runway.
LookAhead StarRunway(Input& in, std::string& runway) {
    while (!in.mAtHeader) {  // the rest of the STAR before
        if (!in.nextM()) {
            return LookAhead::InputStopped;
        }
        in.mAtHeader = Contains(in.M, "[Star");
    }
    in.mAtHeader = false;
    bool pointsReached = false;
    for (;;) {
        if (!in.nextM()) {
            return LookAhead::InputStopped;
        }
        if (Contains(in.M, "[Star") || Contains(in.M, "[EOF]")) {
            return LookAhead::NoRunwayPoint;
        }
        pointsReached = pointsReached || Contains(in.M, "01=");
        if (pointsReached && Contains(in.M, "=R:")) {
            runway = RunwayOf(in.M);
            return LookAhead::RunwayFound;
        }
    }
}

enum class StarPassEnd { EndLineMet, NoRunwayPoint, InputStopped };

// From the first STAR header to the "[EOF]" line. Runway points ("=R:") give the header's runway
// and are not written as legs; a STAR without one ends the pass, and the observer is told its name.
StarPassEnd StarPass(Input& in, ConvertedProcedures& stars, const ConversionObserver& observer) {
    do {
        if (!in.nextM()) {
            return StarPassEnd::InputStopped;
        }
    } while (!Contains(in.M, "[Star"));
    in.mAtHeader = true;
    for (;;) {
        for (;;) {
            if (Contains(in.L, "[EOF]")) {
                return StarPassEnd::EndLineMet;
            }
            if (Contains(in.L, "[Star")) {
                break;
            }
            if (!in.nextL()) {
                return StarPassEnd::InputStopped;
            }
        }
        std::string runway;
        const LookAhead lookAhead = StarRunway(in, runway);
        if (lookAhead == LookAhead::InputStopped || !in.nextL()) {
            return StarPassEnd::InputStopped;
        }
        const std::string name = ProcedureName(in.L);
        if (lookAhead == LookAhead::NoRunwayPoint) {
            if (observer.runwayPointMissing) {
                observer.runwayPointMissing(name);
            }
            return StarPassEnd::NoRunwayPoint;
        }
        stars.addHeader(name, runway);
        Notify(observer.betweenLines);
        do {
            if (!in.nextL()) {
                return StarPassEnd::InputStopped;
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
                return StarPassEnd::InputStopped;
            }
        }
        stars.endProcedure();
        if (IsSeparator(in.L) && !in.nextL()) {
            return StarPassEnd::InputStopped;
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
    // A code that cannot name a file may hold anything, control characters too: it is not shown.
    if (!IsUsableAirportCode(code)) {
        return FileOutcome::UnusableAirportCode;
    }
    if (observer.airportStarted) {
        observer.airportStarted(code);
    }
    if (code == kExcludedAirport) {
        return FileOutcome::ExcludedAirport;
    }

    ConvertedProcedures sids, stars;
    switch (SidPass(in, sids, observer)) {
        case SidPassEnd::InputStopped:
            return in.stopReason();
        case SidPassEnd::StarsFollow:
            switch (StarPass(in, stars, observer)) {
                case StarPassEnd::InputStopped:
                    return in.stopReason();
                case StarPassEnd::NoRunwayPoint:
                    return FileOutcome::NoRunwayPoint;
                case StarPassEnd::EndLineMet:
                    break;
            }
            break;
        case SidPassEnd::EndLineMet:
            break;
    }
    // A read-only file of the airport is neither replaced nor removed: the airport is skipped.
    bool readOnly = false;
    for (const ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        const std::filesystem::path target = ProcedureFilePath(programFolder, kind, code);
        if (IsReadOnly(target)) {
            readOnly = true;
            if (observer.notWritten) {
                observer.notWritten(target);
            }
        }
    }
    if (readOnly) {
        return FileOutcome::ReadOnly;
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
