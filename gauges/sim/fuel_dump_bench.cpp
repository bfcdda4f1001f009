// fuel_dump_bench: watch the qvt_fuel_dump module dump fuel without the simulator. Loads the built
// module into the stand-in panel host beside the stand-in IPC module, fills the tanks, runs a
// simulated flight in small time steps with clicks or L:var values at given times, and prints the
// gauge's texts and the tank levels as time passes, until the tanks rest at their minimums.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ipc_module_stand_in.h"
#include "panel_host_stand_in.h"
#include "simulator_data.h"

namespace {

using fuel_dump::kTankSlots;
using fuel_dump::TankSlot;

constexpr const char* kUsage = R"(usage: fuel_dump_bench [options]

Runs the qvt_fuel_dump module through a simulated dump and prints what its gauge shows.

  --module PATH           the module to load (default: the qvt_fuel_dump of this build)
  --gauge visible|transparent
                          drive "fuel_dump" with clicks (default) or "fuel_dump_transparent"
                          with its L:var
  --tanks KEY,KEY,...     tanks holding fuel (default TankMainRight,TankMainLeft,TankCenter)
  --capacity GALLONS      capacity of each of those tanks (default 1000)
  --level PERCENT         their level at the start (default 100)
  --minimum POUNDS        the minimum to keep in each (default 2000)
  --weight-per-gallon LBS fuel weight per gallon (default 6.7)
  --rate R                dump rate: the visible gauge's knob (0 to 15), or every tank's rate
                          of the transparent gauge (default 10)
  --click AREA@SECONDS    click units, switch, down or up at that time (visible gauge; default
                          switch@5); may be given more than once
  --lvar VALUE@SECONDS    set the L:var qvt_fuel_dump_control (transparent gauge; default 1@5);
                          may be given more than once
  --kilograms             the simulator's units setting is metric
  --ready-after SECONDS   the simulator reports ready after this time (default 2)
  --step SECONDS          simulated time per update (default 0.055)
  --every SECONDS         print a line this often (default 30)
  --seconds SECONDS       stop after this much simulated time (default 3600)
  --config PATH           use this configuration file instead of one made from the options
)";

constexpr const char* kVisible = "fuel_dump";
constexpr const char* kTransparent = "fuel_dump_transparent";
constexpr double kFullLevel = fuel_dump::kFullTankLevel;
// The run ends when no level has changed for this long with the dump on.
constexpr double kRestSeconds = 10.0;

// Something to do at a simulated time: a click on an area, or a value for the L:var.
struct Action {
    double time;
    std::string click;
    double lvar = 0.0;
};

struct Options {
    std::string module = FUEL_DUMP_MODULE_PATH;
    bool transparent = false;
    std::vector<const TankSlot*> tanks;
    double capacity = 1000.0;
    double level_percent = 100.0;
    double minimum = 2000.0;
    double weight_per_gallon = 6.7;
    double rate = 10.0;
    std::vector<Action> actions;
    bool kilograms = false;
    double ready_after = 2.0;
    double step = 0.055;
    double every = 30.0;
    double seconds = 3600.0;
    std::string config;
};

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "fuel_dump_bench: %s\n\n%s", message.c_str(), kUsage);
    std::exit(2);
}

double number(const std::string& option, const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') {
        fail(option + " needs a number, not \"" + text + "\"");
    }
    return value;
}

const TankSlot* tank_by_key(const std::string& key) {
    for (const TankSlot& slot : kTankSlots) {
        if (key == slot.key) {
            return &slot;
        }
    }
    fail("no tank " + key);
}

// "WHAT@SECONDS" into its two parts.
std::pair<std::string, double> timed(const std::string& option, const std::string& text) {
    const auto at = text.rfind('@');
    if (at == std::string::npos) {
        fail(option + " needs WHAT@SECONDS, not \"" + text + "\"");
    }
    return {text.substr(0, at), number(option, text.substr(at + 1))};
}

Options parse(int argc, char** argv) {
    Options options;
    std::string tanks = "TankMainRight,TankMainLeft,TankCenter";
    bool actions_given = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        if (option == "--kilograms") {
            options.kilograms = true;
            continue;
        }
        if (i + 1 >= argc) {
            fail("unknown option or missing value: " + option);
        }
        const std::string value = argv[++i];
        if (option == "--module") {
            options.module = value;
        } else if (option == "--gauge") {
            if (value != "visible" && value != "transparent") {
                fail("--gauge is visible or transparent");
            }
            options.transparent = value == "transparent";
        } else if (option == "--tanks") {
            tanks = value;
        } else if (option == "--capacity") {
            options.capacity = number(option, value);
        } else if (option == "--level") {
            options.level_percent = number(option, value);
        } else if (option == "--minimum") {
            options.minimum = number(option, value);
        } else if (option == "--weight-per-gallon") {
            options.weight_per_gallon = number(option, value);
        } else if (option == "--rate") {
            options.rate = number(option, value);
        } else if (option == "--click") {
            const auto [area, time] = timed(option, value);
            if (area != "units" && area != "switch" && area != "down" && area != "up") {
                fail("--click areas are units, switch, down and up");
            }
            options.actions.push_back({time, area});
            actions_given = true;
        } else if (option == "--lvar") {
            const auto [text, time] = timed(option, value);
            options.actions.push_back({time, "", number(option, text)});
            actions_given = true;
        } else if (option == "--ready-after") {
            options.ready_after = number(option, value);
        } else if (option == "--step") {
            options.step = number(option, value);
        } else if (option == "--every") {
            options.every = number(option, value);
        } else if (option == "--seconds") {
            options.seconds = number(option, value);
        } else if (option == "--config") {
            options.config = value;
        } else {
            fail("unknown option " + option);
        }
    }
    if (options.step <= 0.0 || options.every <= 0.0) {
        fail("--step and --every must be above 0");
    }
    if (options.capacity < 0.0 || options.capacity > 4294967295.0 || options.level_percent < 0.0 ||
        options.level_percent > 100.0) {
        fail("--capacity is 0 to 4294967295 gallons and --level 0 to 100 percent");
    }
    if (!options.transparent && (options.rate < 0.0 || options.rate > 15.0)) {
        fail("the visible gauge's rate is 0 to 15");
    }
    for (std::size_t start = 0; start <= tanks.size();) {
        const std::size_t end = std::min(tanks.find(',', start), tanks.size());
        options.tanks.push_back(tank_by_key(tanks.substr(start, end - start)));
        start = end + 1;
    }
    if (!actions_given) {
        options.actions.push_back({5.0, options.transparent ? "" : "switch", 1.0});
    }
    return options;
}

// A configuration file with the options' minimums and rates for the tanks in use.
std::string write_configuration(const Options& options) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "fuel_dump_bench.ini";
    std::ofstream file(path, std::ios::binary);
    file << "[Minimums]\r\nPoundsFlag=1\r\n";
    for (const TankSlot* tank : options.tanks) {
        file << tank->key << "=" << options.minimum << "\r\n";
    }
    file << "[Rates]\r\n";
    for (const TankSlot& tank : kTankSlots) {
        file << tank.key << "=" << options.rate << "\r\n";
    }
    if (!file) {
        fail("cannot write " + path.string());
    }
    return path.string();
}

class Flight {
  public:
    explicit Flight(const Options& options) : options_(options) {}

    int run() {
        if (!host_.load(options_.module)) {
            std::fprintf(stderr, "fuel_dump_bench: cannot load %s as a gauge module\n",
                         options_.module.c_str());
            return 1;
        }
        const char* gauge = options_.transparent ? kTransparent : kVisible;
        prepare_simulator();
        const std::string config =
            options_.config.empty() ? write_configuration(options_) : options_.config;
        host_.set_parameters(gauge, config);
        host_.send(gauge, kServiceConnect);
        if (!options_.transparent) {
            turn_rate_knob();
        }
        print_heading();
        run_updates(gauge);
        host_.send(gauge, kServiceDisconnect);
        if (options_.config.empty()) {
            std::filesystem::remove(config);
        }
        return 0;
    }

  private:
    void prepare_simulator() {
        const auto capacity = static_cast<std::uint32_t>(options_.capacity);
        const auto level = static_cast<std::uint32_t>(kFullLevel * options_.level_percent / 100.0);
        for (const TankSlot* tank : options_.tanks) {
            ipc_.set_u32(tank->capacity_offset, capacity);
            ipc_.set_u32(tank->level_offset, level);
        }
        ipc_.set_u8(fuel_dump::kNotReadyOffset, 1);
        ipc_.set_u16(fuel_dump::kUnitsSettingOffset, options_.kilograms ? 1 : 0);
        host_.set_simulator_variable(fuel_dump::kWeightPerGallonVariable,
                                     options_.weight_per_gallon);
        host_.set_simulator_variable(fuel_dump::kElapsedTimeVariable, 0.0);
        host_.set_simulator_variable(fuel_dump::kFuelWeightVariable, fuel_weight());
    }

    // The visible gauge starts at rate 10; clicks on the knob's arrows bring it to the rate asked.
    void turn_rate_knob() {
        const int clicks = static_cast<int>(options_.rate) - 10;
        for (int i = 0; i < std::abs(clicks); ++i) {
            click(clicks > 0 ? "up" : "down");
        }
    }

    void click(const std::string& area) {
        static const std::map<std::string, std::int32_t> kAreaX = {
            {"units", 110}, {"switch", 140}, {"down", 165}, {"up", 180}};
        host_.click(kVisible, kAreaX.at(area), 10);
    }

    double fuel_weight() const {
        double pounds = 0.0;
        for (const TankSlot* tank : options_.tanks) {
            pounds += ipc_.u32(tank->level_offset) / kFullLevel * ipc_.u32(tank->capacity_offset) *
                      options_.weight_per_gallon;
        }
        return pounds;
    }

    void run_updates(const char* gauge) {
        double next_print = 0.0;
        double resting_since = 0.0;
        std::vector<std::uint32_t> levels = current_levels();
        std::vector<bool> done(options_.actions.size(), false);
        for (long update = 0; update * options_.step <= options_.seconds; ++update) {
            const double time = update * options_.step;
            apply_actions(time, done);
            if (time >= options_.ready_after) {
                ipc_.set_u8(fuel_dump::kNotReadyOffset, 0);
            }
            host_.set_simulator_variable(fuel_dump::kElapsedTimeVariable, time);
            host_.send(gauge, kServicePreUpdate);
            host_.set_simulator_variable(fuel_dump::kFuelWeightVariable, fuel_weight());

            const std::vector<std::uint32_t> now = current_levels();
            if (now != levels) {
                levels = now;
                resting_since = time;
            }
            if (time >= next_print) {
                print_line(time);
                next_print += options_.every;
            }
            if (dump_on() && time - resting_since >= kRestSeconds) {
                print_line(time);
                std::printf("No level has changed for %.0f s with the dump on.\n", kRestSeconds);
                return;
            }
        }
        print_line(options_.seconds);
    }

    void apply_actions(double time, std::vector<bool>& done) {
        for (std::size_t i = 0; i < options_.actions.size(); ++i) {
            const Action& action = options_.actions[i];
            if (done[i] || time < action.time) {
                continue;
            }
            done[i] = true;
            if (!action.click.empty()) {
                click(action.click);
                std::printf("%8.1f s  click on %s\n", time, action.click.c_str());
            } else {
                host_.set_named_variable("qvt_fuel_dump_control", action.lvar);
                std::printf("%8.1f s  L:qvt_fuel_dump_control = %g\n", time, action.lvar);
            }
        }
    }

    std::vector<std::uint32_t> current_levels() const {
        std::vector<std::uint32_t> levels;
        for (const TankSlot* tank : options_.tanks) {
            levels.push_back(ipc_.u32(tank->level_offset));
        }
        return levels;
    }

    bool dump_on() {
        if (options_.transparent) {
            return host_.named_variable("qvt_fuel_dump_control").value_or(0.0) != 0.0;
        }
        host_.element_value(kVisible, kSwitchOnLamp);
        return !host_.element_hidden(kVisible, kSwitchOnLamp);
    }

    void print_heading() const {
        std::printf("%10s  %-15s %4s %4s", "time", options_.transparent ? "fuel weight" : "display",
                    "rate", "dump");
        for (const TankSlot* tank : options_.tanks) {
            std::printf("  %15s", tank->key);
        }
        std::printf("\n");
        if (options_.config.empty()) {
            std::printf("%-42s", "  minimum of each tank");
            for (std::size_t i = 0; i < options_.tanks.size(); ++i) {
                std::printf("  %11.1f gal", options_.minimum / options_.weight_per_gallon);
            }
            std::printf("\n");
        }
    }

    // The weight text the visible gauge shows, or the fuel weight for the transparent gauge.
    std::string weight_text() {
        if (!options_.transparent) {
            host_.element_text(kVisible, kPoundsText);  // brings the units' hidden flags up to date
            const bool pounds = !host_.element_hidden(kVisible, kPoundsText);
            return host_.element_text(kVisible, pounds ? kPoundsText : kKilogramsText);
        }
        char text[32];
        std::snprintf(text, sizeof text, "%9.1f lbs", fuel_weight());
        return text;
    }

    void print_line(double time) {
        const std::string display = weight_text();
        const std::string rate =
            options_.transparent ? std::string("-") : host_.element_text(kVisible, kRateText);
        std::printf("%8.1f s  %-15s %4s %4s", time, display.c_str(), rate.c_str(),
                    dump_on() ? "on" : "off");
        for (const TankSlot* tank : options_.tanks) {
            const double gallons =
                ipc_.u32(tank->level_offset) / kFullLevel * ipc_.u32(tank->capacity_offset);
            std::printf("  %11.1f gal", gallons);
        }
        std::printf("\n");
    }

    // Elements of "fuel_dump" in list order.
    static constexpr int kPoundsText = 1;
    static constexpr int kKilogramsText = 2;
    static constexpr int kRateText = 3;
    static constexpr int kSwitchOnLamp = 5;

    const Options& options_;
    StandInIpcModule ipc_;
    StandInPanelHost host_;
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    return Flight(options).run();
}
