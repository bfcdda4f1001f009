// The fixture's module loading, scratch folder, tank access and update helpers.
#include "fuel_dump_fixture.h"

#include <unistd.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace fuel_dump_test {

// Written out here rather than taken from the module, so that a wrong offset in the module fails.
const Tank kTankTable[kTanks] = {
    {"TankMainRight", 0x0B94, 0x0B98}, {"TankMainLeft", 0x0B7C, 0x0B80},
    {"TankAuxRight", 0x0B9C, 0x0BA0},  {"TankAuxLeft", 0x0B84, 0x0B88},
    {"TankTipRight", 0x0BA4, 0x0BA8},  {"TankTipLeft", 0x0B8C, 0x0B90},
    {"TankCenter", 0x0B74, 0x0B78},    {"TankCenter2", 0x1244, 0x1248},
    {"TankCenter3", 0x124C, 0x1250},   {"TankExternal1", 0x1254, 0x1258},
    {"TankExternal2", 0x125C, 0x1260},
};

namespace {

std::uint32_t load_u32(const std::uint8_t* at) {
    std::uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

bool is_level_offset(std::uint32_t offset) {
    for (const Tank& tank : kTankTable) {
        if (tank.level_offset == offset) {
            return true;
        }
    }
    return false;
}

}  // namespace

void FuelDumpModule::SetUp() {
    ASSERT_TRUE(host.load(QVT_FUEL_DUMP_PATH));
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             ("qvt_fuel_dump_" + std::string(test->name()) + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    host.set_simulator_variable(kWeightPerGallon, 6.0);
    ipc->tamper_with([this](std::uint8_t* buffer, std::size_t records_length) {
        std::size_t at = 4;
        while (at + 12 <= 4 + records_length) {
            const std::uint32_t type = load_u32(buffer + at);
            const std::uint32_t size = load_u32(buffer + at + 8);
            if (type == 2 && size == 4 && is_level_offset(load_u32(buffer + at + 4))) {
                writes.push_back({load_u32(buffer + at + 4), load_u32(buffer + at + 12)});
            }
            at += (type == 1 ? 16 : 12) + size;
        }
    });
}

void FuelDumpModule::TearDown() {
    host.unload();
    std::filesystem::remove_all(folder);
}

std::string FuelDumpModule::write_configuration(const std::string& text,
                                                const std::string& name) const {
    const std::filesystem::path path = folder / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        file << text.substr(start, end - start) << "\r\n";
        start = end + 1;
    }
    return path.string();
}

void FuelDumpModule::set_tank(int tank, std::uint32_t capacity, std::uint32_t level) {
    ipc->set_u32(kTankTable[tank].capacity_offset, capacity);
    ipc->set_u32(kTankTable[tank].level_offset, level);
}

std::uint32_t FuelDumpModule::level(int tank) const {
    return ipc->u32(kTankTable[tank].level_offset);
}

int FuelDumpModule::update_at(const char* gauge, double time) {
    const int before = ipc ? ipc->messages_answered() : 0;
    host.set_simulator_variable(kElapsedTime, time);
    host.send(gauge, kServicePreUpdate);
    return (ipc ? ipc->messages_answered() : 0) - before;
}

void FuelDumpModule::start(const char* gauge, const std::string& configuration) {
    host.set_parameters(gauge, write_configuration(configuration));
    host.send(gauge, kServiceConnect);
    update_at(gauge, 0.0);
    update_at(gauge, 1.0);
}

void FuelDumpModule::click(const char* area) {
    struct Area {
        const char* name;
        std::int32_t x;
    };
    static const Area kAreas[] = {{"units", 110}, {"switch", 140}, {"down", 165}, {"up", 180}};
    for (const Area& candidate : kAreas) {
        if (std::strcmp(candidate.name, area) == 0) {
            ASSERT_TRUE(host.click(kVisible, candidate.x, 10)) << area;
            return;
        }
    }
    throw std::invalid_argument(area);
}

}  // namespace fuel_dump_test
