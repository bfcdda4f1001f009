// The fuel dump module's updates through the stand-in host and IPC module: configuration and its
// defaults, minimum levels, the dump arithmetic, time steps, the transparent gauge's L:vars, the
// IPC messages per update, and connections.
#include <unistd.h>

#include <string>

#include "fuel_dump_fixture.h"

namespace fuel_dump_test {
namespace {

using FuelDumpControl = FuelDumpModule;

std::string section(const char* name, const std::string& keys) {
    return std::string("[").append(name).append("]\n").append(keys);
}

TEST_F(FuelDumpControl, OneDumpLowersEachTankAsItStands) {
    const std::uint32_t quarter = kFull / 4;  // a minimum of 25 gallons of 100
    for (int i = 0; i < kTanks; ++i) {
        set_tank(i, 100, kFull);
    }
    set_tank(1, 100, quarter + 500);  // less than one dump above its minimum
    set_tank(2, 100, quarter);        // at its minimum
    set_tank(3, 100, 1000);           // not above the amount
    start(kVisible,
          section("Tanks", "TankAuxLeft=1\nTankTipRight=0\n") +
              section("Minimums", "PoundsFlag=0\nTankMainLeft=25\nTankAuxRight=25 gal\n"));
    click("switch");
    writes.clear();
    update_at(kVisible, 1.1);

    EXPECT_EQ(level(0), kFull - kTenthAtRateTen);
    EXPECT_EQ(level(1), quarter) << "ends exactly at its minimum";
    EXPECT_EQ(level(2), quarter);
    EXPECT_EQ(level(3), 1000u);
    EXPECT_EQ(level(4), kFull) << "not enabled";
    const std::vector<Write> expected = {
        {kTankTable[0].level_offset, kFull - kTenthAtRateTen},
        {kTankTable[1].level_offset, quarter},
        {kTankTable[3].level_offset, 1000},  // written back unchanged
        {kTankTable[5].level_offset, kFull - kTenthAtRateTen},
    };
    ASSERT_GE(writes.size(), expected.size());
    EXPECT_EQ(std::vector<Write>(writes.begin(), writes.begin() + 4), expected);
    EXPECT_EQ(writes.size(), 9u) << "every tank but the one at its minimum and the disabled one";
}

struct MinimumCase {
    const char* name;
    const char* minimums;
    std::uint32_t capacity;
    std::uint32_t expected_level;  // after one dump of all but 608 level units from full
};

const MinimumCase kMinimumCases[] = {
    {"gallons", "PoundsFlag=0\nTankMainRight=25", 100, kFull / 4},
    {"pounds at 6 per gallon", "TankMainRight=150", 100, kFull / 4},
    {"number followed by text", "TankMainRight=150 lbs", 100, kFull / 4},
    {"no number", "TankMainRight=lots", 100, 608},
    {"no minimum given", "", 100, 608},
    {"capacity 0", "TankMainRight=150", 0, 608},
    {"negative minimum keeps the tank", "PoundsFlag=0\nTankMainRight=-25", 100, kFull},
    {"more than any tank holds keeps it", "PoundsFlag=0\nTankMainRight=1e12", 100, kFull},
};

TEST_F(FuelDumpControl, MinimumsBecomeLevelsThatTheDumpKeeps) {
    for (const MinimumCase& c : kMinimumCases) {
        SCOPED_TRACE(c.name);
        set_tank(0, c.capacity, kFull);
        start(kVisible, section("Minimums", c.minimums));
        click("switch");
        // Rate 10 for 600 s takes 8388000 of the full tank's 8388608 units.
        update_at(kVisible, 601.0);
        EXPECT_EQ(level(0), c.expected_level);
        host.send(kVisible, kServiceDisconnect);
    }
}

TEST_F(FuelDumpControl, FileWithoutSectionsGivesTheDefaults) {
    for (int i = 0; i < kTanks; ++i) {
        set_tank(i, 100, kFull);
    }
    start(kVisible, "TankMainRight=0\nPoundsFlag=0\ngarbage");
    click("switch");
    update_at(kVisible, 1.1);
    for (int i = 0; i < kTanks; ++i) {
        EXPECT_EQ(level(i), kFull - kTenthAtRateTen) << kTankTable[i].key;
    }
}

TEST_F(FuelDumpControl, DumpsCoverTheTimeSinceTheLastDump) {
    set_tank(0, 100, kFull);
    start(kVisible);
    click("switch");
    std::uint32_t expected = kFull;
    struct Step {
        double time;
        std::uint32_t taken;  // at rate 10: 13980 level units per second
    };
    const Step steps[] = {
        {1.25, 3495},            // dump over the 0.25 s since time 1
        {1.5, 0},                // the update between two dumps
        {2.0, 10485},            // dump over the 0.75 s since the last dump
        {2.0, 0},     {2.0, 0},  // a still clock gives no dump
        {2.0, 0},     {2.5, 6990},
        {2.75, 0},    {1.0, 6990},  // a clock going back keeps the last step
        {1.25, 0},    {1.5, 6990},
        {1.75, 0},    {3.0, 6990},  // past the last time again: 2.5 to 3
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.time);
        update_at(kVisible, step.time);
        expected -= step.taken;
        EXPECT_EQ(level(0), expected);
    }
}

TEST_F(FuelDumpControl, SwitchingOffBetweenDumpsDoesNotDumpTheTimeOff) {
    set_tank(0, 100, kFull);
    start(kVisible);
    click("switch");
    update_at(kVisible, 1.5);
    click("switch");  // off, rate 0
    for (double time = 2.0; time <= 100.0; time += 1.0) {
        update_at(kVisible, time);
    }
    click("switch");
    for (int i = 0; i < 10; ++i) {
        click("up");
    }
    update_at(kVisible, 100.5);
    update_at(kVisible, 101.0);
    update_at(kVisible, 101.5);
    EXPECT_EQ(level(0), kFull - 4 * 6990) << "0.5 s before, 1.5 s after the time off";
}

TEST_F(FuelDumpControl, DumpFromFullToTheMinimumsSendsAtMostTwoMessagesPerUpdate) {
    for (int i = 0; i < kTanks; ++i) {
        set_tank(i, 1000, kFull);
    }
    host.set_parameters(
        kVisible, write_configuration(
                      section("Minimums", "PoundsFlag=0\nTankMainRight=100\nTankCenter=500")));
    host.send(kVisible, kServiceConnect);
    click("switch");
    for (int i = 0; i < 5; ++i) {
        click("up");
    }
    int dumping_updates = 0;
    double time = 0.0;
    for (int update = 0; update < 10000; ++update) {
        const std::uint32_t before = level(0);
        const int messages = update_at(kVisible, time);
        EXPECT_LE(messages, 2) << "update " << update;
        dumping_updates += level(0) < before;
        time += 0.055;
    }
    EXPECT_GT(dumping_updates, 100);
    EXPECT_EQ(level(0), kFull / 10);
    EXPECT_EQ(level(6), kFull / 2);
    EXPECT_LT(level(1), 2307u) << "less than one dump's amount left";
}

TEST_F(FuelDumpControl, NoDumpBeforeTheTankDataAreSetUp) {
    set_tank(0, 100, kFull);
    ipc->set_u8(kNotReady, 1);
    host.set_parameters(kVisible,
                        write_configuration(section("Minimums", "PoundsFlag=0\nTankMainRight=25")));
    host.send(kVisible, kServiceConnect);
    click("switch");
    double time = 0.0;
    for (; time < 5.0; time += 0.05) {
        EXPECT_LE(update_at(kVisible, time), 1) << "only the readiness question";
    }
    EXPECT_EQ(level(0), kFull);
    EXPECT_TRUE(writes.empty());
    ipc->set_u8(kNotReady, 0);
    for (int i = 0; i < 3; ++i, time += 600.0) {
        update_at(kVisible, time);
    }
    EXPECT_EQ(level(0), kFull / 4);
}

TEST_F(FuelDumpControl, UpdatesReturnWithAStillClockAndWithoutTheIpcModule) {
    ipc.reset();
    for (const char* gauge : {kTransparent, kVisible}) {
        SCOPED_TRACE(gauge);
        host.set_parameters(gauge, "");
        host.send(gauge, kServiceConnect);
        if (gauge == kVisible) {
            click("switch");
        }
        for (int i = 0; i < 100; ++i) {
            update_at(gauge, 0.0);
        }
        for (int i = 0; i < 100; ++i) {
            update_at(gauge, 0.5 * i);
        }
        host.send(gauge, kServiceDisconnect);
    }
}

TEST_F(FuelDumpControl, AbsentParameterTextKeepsTheGaugeIdle) {
    set_tank(0, 100, kFull);
    host.send(kVisible, kServiceConnect);
    click("switch");
    int messages = 0;
    for (int i = 0; i < 50; ++i) {
        messages += update_at(kVisible, 0.1 * i);
    }
    EXPECT_EQ(messages, 0);
    host.set_parameters(kVisible, write_configuration(""));
    for (int i = 50; i < 80; ++i) {
        update_at(kVisible, 0.1 * i);
    }
    EXPECT_LT(level(0), kFull);
}

TEST_F(FuelDumpControl, EmptyParameterTextReadsTheDefaultFile) {
    set_tank(0, 100, kFull);
    write_configuration(section("Minimums", "PoundsFlag=0\nTankMainRight=25"),
                        "Gauges/qvt_fuel_dump.ini");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    host.set_parameters(kVisible, "");
    host.send(kVisible, kServiceConnect);
    update_at(kVisible, 0.0);
    update_at(kVisible, 1.0);
    click("switch");
    update_at(kVisible, 601.0);
    std::filesystem::current_path(previous);
    EXPECT_EQ(level(0), kFull / 4);
}

TEST_F(FuelDumpControl, LongParameterTextIsCutTo129Characters) {
    const std::string name(129 - (folder.string().size() + 1), 'c');
    const std::string path =
        write_configuration(section("Minimums", "PoundsFlag=0\nTankMainRight=25"), name);
    ASSERT_EQ(path.size(), 129u);
    set_tank(0, 100, kFull);
    host.set_parameters(kVisible, path + std::string(300, 'x'));
    host.send(kVisible, kServiceConnect);
    update_at(kVisible, 0.0);
    update_at(kVisible, 1.0);
    click("switch");
    update_at(kVisible, 601.0);
    EXPECT_EQ(level(0), kFull / 4);
}

TEST_F(FuelDumpControl, TransparentGaugeWithEveryLvarAtZeroWritesNothing) {
    for (int i = 0; i < kTanks; ++i) {
        set_tank(i, 100, kFull);
    }
    start(kTransparent);
    int messages = 0;
    for (int i = 0; i < 20; ++i) {
        messages += update_at(kTransparent, 1.1 + 0.1 * i);
    }
    EXPECT_EQ(messages, 0);
    EXPECT_TRUE(writes.empty());
}

TEST_F(FuelDumpControl, TransparentGaugeFollowsTheDefaultLvarForEveryTank) {
    for (int i = 0; i < kTanks; ++i) {
        set_tank(i, 100, kFull);
    }
    start(kTransparent);
    host.set_named_variable("qvt_fuel_dump_control", 1.0);
    EXPECT_EQ(update_at(kTransparent, 1.1), 2);
    EXPECT_EQ(update_at(kTransparent, 1.2), 0);
    for (int i = 0; i < kTanks; ++i) {
        EXPECT_EQ(level(i), kFull - kTenthAtRateTen) << kTankTable[i].key;
    }
    host.set_named_variable("qvt_fuel_dump_control", 0.0);
    update_at(kTransparent, 1.3);
    update_at(kTransparent, 1.4);
    EXPECT_EQ(level(0), kFull - kTenthAtRateTen);
}

TEST_F(FuelDumpControl, TransparentGaugeUsesEachTanksLvarAndRate) {
    for (int i = 0; i < kTanks; ++i) {
        set_tank(i, 100, kFull);
    }
    start(kTransparent, section("LVars",
                                "TankMainRight=dump_right\nTankMainLeft=dump_left\n"
                                "TankAuxRight=dump_aux\nTankAuxLeft=dump_aux\n") +
                            section("Rates",
                                    "TankMainRight=5\nTankMainLeft=20\nTankAuxRight=-3\n"
                                    "TankAuxLeft=2.5") +
                            section("Tanks", "TankMainRight=0"));
    host.set_named_variable("dump_right", 1.0);
    host.set_named_variable("DUMP_LEFT", -1.0);
    host.set_named_variable("dump_aux", 1.0);
    host.set_named_variable("qvt_fuel_dump_control", 0.9);  // truncated to 0
    update_at(kTransparent, 1.1);
    EXPECT_EQ(level(0), kFull - kTenthAtRateTen / 2) << "the Tanks section is the visible gauge's";
    EXPECT_EQ(level(1), kFull - 2 * kTenthAtRateTen);
    EXPECT_EQ(level(2), kFull) << "a negative rate is 0";
    EXPECT_EQ(level(3), kFull - kTenthAtRateTen / 4 - 1) << "349.5 taken, truncated";
    EXPECT_EQ(level(4), kFull);
}

TEST_F(FuelDumpControl, VisibleGaugeTakesPrecedence) {
    set_tank(0, 100, kFull);
    const std::string path = write_configuration("");
    host.set_parameters(kVisible, path);
    host.set_parameters(kTransparent, path);
    host.send(kVisible, kServiceConnect);
    host.send(kTransparent, kServiceConnect);
    host.set_named_variable("qvt_fuel_dump_control", 1.0);
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(update_at(kTransparent, 0.1 * i), 0);
    }
    update_at(kVisible, 2.0);
    update_at(kVisible, 3.0);
    EXPECT_EQ(level(0), kFull) << "the transparent gauge stood aside";
    host.send(kTransparent, kServiceDisconnect);
    click("switch");
    update_at(kVisible, 3.1);
    EXPECT_EQ(level(0), kFull - kTenthAtRateTen) << "its disconnection left the link open";
}

TEST_F(FuelDumpControl, ConnectionAfterDisconnectionStartsAfresh) {
    set_tank(0, 100, kFull);
    start(kVisible);
    click("up");
    host.send(kVisible, kServiceDisconnect);

    set_tank(0, 200, kFull);
    start(kVisible, section("Minimums", "PoundsFlag=0\nTankMainRight=100"));
    EXPECT_EQ(host.element_text(kVisible, kRateText), "10");
    click("switch");
    update_at(kVisible, 601.0);
    EXPECT_EQ(level(0), kFull / 2) << "configuration and capacity read again";
}

}  // namespace
}  // namespace fuel_dump_test
