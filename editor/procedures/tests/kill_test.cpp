// Kill test: a child process changes one procedure file over and over through the real edits
// (AddProcedure, RewriteLegs, ModifyProcedure, DeleteProcedure) while this process kills it with
// SIGKILL at random moments. After every kill the file must hold exactly its content before or
// after the change that was under way: never missing, never partial. A temporary file that a kill
// leaves behind must not keep the next change from completing. Prints the kills survived.
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "procedure_edits.h"
#include "procedure_file.h"
#include "temp_folder.h"

namespace {

using namespace vantrel;
using testing::ReadBytes;

constexpr int kKills = 300;
constexpr const char* kAirport = "KILL";

// What the changing process tells the killing one, in memory that both share. The child sets
// `started` to a change's number before it begins and `completed` to the next number after it
// returned, so the file holds the content after `completed` changes, or, while
// started == completed, possibly already the content after the next one.
struct Progress {
    std::atomic<int> started{-1};
    std::atomic<int> completed{0};
    std::atomic<int> failedChange{-1};
    std::atomic<long> microsecondsPerChange{0};
};

std::vector<LegRow> Legs(const char* prefix, int count) {
    std::vector<LegRow> legs;
    for (int i = 0; i < count; ++i) {
        legs.push_back({prefix + std::to_string(i), std::to_string(47000000 + i * 137),
                        std::to_string(-1900000 - i * 71)});
    }
    return legs;
}

// A procedure with many legs, so that writing the file takes long enough to be interrupted.
const std::vector<LegRow> kMainLegs = Legs("MAIN", 400);
const std::vector<LegRow> kOtherLegs = Legs("OTHER", 380);
const std::vector<LegRow> kNewLegs = Legs("NEW", 40);

// Change number n of the endless sequence; the sequence adds a procedure, changes it and the
// others, and deletes it again.
RewriteStatus Change(const std::filesystem::path& folder, int n) {
    const auto procedure = [](const char* entry) {
        return ProcedureAddress{ProcedureKind::Sid, kAirport, entry, 1};
    };
    switch (n % 6) {
        case 0:
            return AddProcedure(folder, ProcedureKind::Sid, kAirport, "NEW1A", "09");
        case 1:
            return RewriteLegs(folder, procedure("NEW1A @ 09"), kNewLegs);
        case 2:
            return ModifyProcedure(folder, procedure("NEW1A @ 09"), "NEW1B", "27");
        case 3:
            return RewriteLegs(folder, procedure("MAIN1A @ 27L"), kOtherLegs);
        case 4:
            return DeleteProcedure(folder, procedure("NEW1B @ 27"));
        default:
            return RewriteLegs(folder, procedure("MAIN1A @ 27L"), kMainLegs);
    }
}

std::string FirstContent() {
    std::string text = "\r\nP|MAIN1A|27L| |0|0|\r\n";
    for (const LegRow& leg : kMainLegs) {
        text += "S|" + leg.name + "|" + leg.latitude + "|" + leg.longitude +
                "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
    }
    return text + "\r\n\r\nP|LAST1A|09| |0|0|\r\nS|LAST|1|2| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
}

// A folder in memory where the system has one. What a killed process leaves in a file is what
// the system holds for it, on a disk or not; without a disk the changes are quicker, so the test
// gets through its kills in less time.
std::filesystem::path QuickBase() {
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error)
               ? "/dev/shm"
               : std::filesystem::temp_directory_path();
}

// The file's content after each number of changes, made by the same changes without
// interruption in a folder of its own.
class Contents {
  public:
    Contents() : folder_(QuickBase()) {
        folder_.write(std::string("sid/") + kAirport + ".txt", FirstContent());
    }

    const std::string& after(int changes) {
        while (static_cast<int>(contents_.size()) <= changes) {
            const int n = static_cast<int>(contents_.size()) - 1;
            if (n >= 0 && Change(folder_.path(), n) != RewriteStatus::Done) {
                std::fprintf(stderr, "change %d failed without interruption\n", n);
                std::exit(1);
            }
            contents_.push_back(ReadBytes(File(folder_.path())));
        }
        return contents_[static_cast<std::size_t>(changes)];
    }

    static std::filesystem::path File(const std::filesystem::path& folder) {
        return ProcedureFilePath(folder, ProcedureKind::Sid, kAirport);
    }

  private:
    testing::TempFolder folder_;
    std::vector<std::string> contents_;
};

[[noreturn]] void ChangeForever(const std::filesystem::path& folder, int first,
                                Progress& progress) {
    for (int n = first;; ++n) {
        progress.started = n;
        if (Change(folder, n) != RewriteStatus::Done) {
            progress.failedChange = n;
            _exit(1);
        }
        progress.completed = n + 1;
    }
}

}  // namespace

int main() {
    Contents contents;
    testing::TempFolder folder(QuickBase());
    const std::filesystem::path file = Contents::File(folder.path());
    folder.write(std::string("sid/") + kAirport + ".txt", FirstContent());

    void* shared =
        mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        std::perror("mmap");
        return 1;
    }
    Progress* progress = new (shared) Progress();

    // How long a change takes in a child that has just been forked, where the first writes to
    // memory cost more, sets the range of the random delays before a kill: up to about two.
    constexpr int kTimed = 6;
    const pid_t timed = fork();
    if (timed == 0) {
        const auto begin = std::chrono::steady_clock::now();
        for (int n = 0; n < kTimed; ++n) {
            Change(folder.path(), n);
        }
        progress->microsecondsPerChange = std::chrono::duration_cast<std::chrono::microseconds>(
                                              std::chrono::steady_clock::now() - begin)
                                              .count() /
                                          kTimed;
        _exit(0);
    }
    waitpid(timed, nullptr, 0);
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long> delay(0, 2 * progress->microsecondsPerChange);

    int changes = kTimed;  // completed changes: the file holds contents.after(changes)
    if (ReadBytes(file) != contents.after(changes)) {
        std::fprintf(stderr, "the changes without interruption gave another file\n");
        return 1;
    }
    int newContent = 0, leftTemporary = 0;
    for (int round = 0; round < kKills; ++round) {
        progress->started = -1;
        progress->completed = changes;
        const pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            return 1;
        }
        if (child == 0) {
            ChangeForever(folder.path(), changes, *progress);
        }
        // The delay runs from the child's first change, whatever starting it took.
        while (progress->started < 0) {
            usleep(20);
        }
        usleep(static_cast<useconds_t>(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            std::fprintf(stderr, "kill %d: the changes stopped by themselves at change %d\n", round,
                         progress->failedChange.load());
            return 1;
        }

        changes = progress->completed;
        const bool underWay = progress->started == changes;
        if (!std::filesystem::exists(file)) {
            std::fprintf(stderr, "kill %d: the file is missing after %d changes\n", round, changes);
            return 1;
        }
        const std::string content = ReadBytes(file);
        if (underWay && content == contents.after(changes + 1)) {
            ++changes;  // killed after the replacement, before the child noted it
            ++newContent;
        } else if (content != contents.after(changes)) {
            std::fprintf(stderr,
                         "kill %d: the file is neither the content before nor after change %d "
                         "(%zu bytes)\n",
                         round, changes, content.size());
            return 1;
        }
        leftTemporary += std::filesystem::exists(SiblingWithExtension(file, ".tmp"));
    }

    // A temporary file left by the last kill does not stay after the next change.
    if (Change(folder.path(), changes) != RewriteStatus::Done ||
        ReadBytes(file) != contents.after(changes + 1) ||
        std::filesystem::exists(SiblingWithExtension(file, ".tmp"))) {
        std::fprintf(stderr, "the change after the last kill did not complete cleanly\n");
        return 1;
    }
    std::printf(
        "%d kills survived: the file was whole after each (%d changes made; %d kills came after "
        "a change had replaced the file and before it returned; %d left a temporary file)\n",
        kKills, changes + 1, newContent, leftTemporary);
    return 0;
}
