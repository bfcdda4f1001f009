// The example qvt_fuel_dump.ini shipped with the module: it holds every section and key at its
// default, so either gauge driven by it dumps exactly as with no file at all.
#include <string>

#include "fuel_dump_fixture.h"
#include "win32_calls.h"

namespace fuel_dump_test {
namespace {

std::string example_value(const char* section, const char* key) {
    char text[200];
    GetPrivateProfileStringA(section, key, "(missing)", text, sizeof text,
                             QVT_FUEL_DUMP_EXAMPLE_INI);
    return text;
}

class ExampleConfiguration : public FuelDumpModule {
  protected:
    // Connects `gauge` with the example file and runs the updates that load it; every tank full.
    void start_with_example(const char* gauge) {
        for (int i = 0; i < kTanks; ++i) {
            set_tank(i, 100, kFull);
        }
        host.set_parameters(gauge, QVT_FUEL_DUMP_EXAMPLE_INI);
        host.send(gauge, kServiceConnect);
        update_at(gauge, 0.0);
        update_at(gauge, 1.0);
    }
    // With the dump switched on: every tank loses 0.5 s at rate 10, then all but 608 level units,
    // as only a minimum of 0 lets a dump come that close to empty.
    void expect_default_dump(const char* gauge) {
        update_at(gauge, 1.5);
        for (int i = 0; i < kTanks; ++i) {
            EXPECT_EQ(level(i), kFull - 5 * kTenthAtRateTen) << kTankTable[i].key;
        }
        update_at(gauge, 2.0);
        update_at(gauge, 601.0);  // 599.5 s at rate 10: 8381010 level units
        for (int i = 0; i < kTanks; ++i) {
            EXPECT_EQ(level(i), 608u) << kTankTable[i].key;
        }
    }
};

TEST_F(ExampleConfiguration, HoldsEveryKeyAtItsDefault) {
    struct Section {
        const char* name;
        const char* value;
    };
    const Section sections[] = {
        {"Tanks", "1"}, {"Minimums", "0"}, {"LVars", "qvt_fuel_dump_control"}, {"Rates", "10.0"}};
    for (const Section& section : sections) {
        for (const Tank& tank : kTankTable) {
            EXPECT_EQ(example_value(section.name, tank.key), section.value)
                << section.name << " " << tank.key;
        }
    }
    EXPECT_EQ(example_value("Minimums", "PoundsFlag"), "1");
}

TEST_F(ExampleConfiguration, VisibleGaugeDumpsEveryTankAsWithoutAFile) {
    start_with_example(kVisible);
    click("switch");
    expect_default_dump(kVisible);
}

TEST_F(ExampleConfiguration, TransparentGaugeDumpsEveryTankAsWithoutAFile) {
    start_with_example(kTransparent);
    host.set_named_variable("qvt_fuel_dump_control", 1.0);
    expect_default_dump(kTransparent);
}

}  // namespace
}  // namespace fuel_dump_test
