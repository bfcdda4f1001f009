// Lets the caller show the progress of a conversion and keep its windows alive during it.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace vantrel {

struct ConversionObserver {
    std::function<void(std::string_view fileName)> fileStarted;
    std::function<void(std::string_view airportCode)> airportStarted;
    std::function<void()> betweenLines;  // at each procedure and each point line
    std::function<void()> nameDone;      // one step per listed file name, input or not
    // A procedure file that cannot be written, or is read-only; its input file is then reported
    // CannotWrite or ReadOnly.
    std::function<void(const std::filesystem::path& file)> notWritten;
    // The name of a STAR without a runway point; its input file is then reported NoRunwayPoint.
    std::function<void(std::string_view star)> runwayPointMissing;
};

}  // namespace vantrel
