// Runs the built qvt_xml_config module through the stand-in panel host on an INI file of your
// choice: installs its gauge, prints the variables it restored, sets the values given on the
// command line, disconnects, and prints the file as the module stored it.
//
//   xml_config_bench --ini FILE [--set NAME=VALUE]... [--module PATH]
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "panel_host_stand_in.h"

namespace {

const char kGauge[] = "config";

struct Options {
    std::string module = QVT_XML_CONFIG_PATH;
    std::string ini;
    std::vector<std::pair<std::string, double>> settings;
};

int usage(const char* message) {
    std::fprintf(stderr,
                 "%s\nusage: xml_config_bench --ini FILE [--set NAME=VALUE]... [--module PATH]\n",
                 message);
    return 2;
}

// "NAME=VALUE" with a decimal VALUE; false when it is not that.
bool parse_setting(const std::string& text, std::pair<std::string, double>& setting) {
    const std::size_t equals = text.find('=');
    if (equals == 0 || equals == std::string::npos) {
        return false;
    }
    const char* first = text.c_str() + equals + 1;
    const char* last = text.c_str() + text.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last) {
        return false;
    }
    setting = {text.substr(0, equals), value};
    return true;
}

// The options, or an error message.
const char* parse_options(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 == argc) {
            return "every option needs a value";
        }
        const std::string value = argv[++i];
        if (option == "--ini") {
            options.ini = value;
        } else if (option == "--module") {
            options.module = value;
        } else if (option == "--set") {
            std::pair<std::string, double> setting;
            if (!parse_setting(value, setting)) {
                return "--set takes NAME=VALUE with a decimal VALUE";
            }
            options.settings.push_back(setting);
        } else {
            return "unknown option";
        }
    }
    return options.ini.empty() ? "--ini FILE is needed" : nullptr;
}

void print_restored(const StandInPanelHost& host) {
    const auto variables = host.named_variables();
    int zeros = 0;
    std::printf("Restored at installation, %zu variables:\n", variables.size());
    for (const auto& [name, value] : variables) {
        if (value == 0.0) {
            ++zeros;
        } else {
            std::printf("  %s = %.17g\n", name.c_str(), value);
        }
    }
    std::printf("  (%d more at 0)\n", zeros);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (const char* error = parse_options(argc, argv, options)) {
        return usage(error);
    }
    StandInPanelHost host;
    if (!host.load(options.module)) {
        std::fprintf(stderr, "cannot load the gauge module %s\n", options.module.c_str());
        return 1;
    }
    // A full path: Windows' profile functions look for a bare file name in the Windows folder.
    host.set_parameters(kGauge, std::filesystem::absolute(options.ini).string());
    host.send(kGauge, kServicePostInstall);
    host.send(kGauge, kServiceConnect);
    print_restored(host);

    for (const auto& [name, value] : options.settings) {
        const bool kept = host.named_variable(name).has_value();
        host.set_named_variable(name, value);
        std::printf("Set %s = %.17g%s\n", name.c_str(), value,
                    kept ? "" : " (not one of the kept variables: it is not stored)");
    }
    host.send(kGauge, kServicePreUpdate);
    host.send(kGauge, kServiceDisconnect);

    // Something else than a file in its place, a folder say, takes nothing, as on Windows.
    std::error_code error;
    if (!std::filesystem::is_regular_file(options.ini, error)) {
        std::printf("Nothing stored: %s is not a file that can be written.\n", options.ini.c_str());
        return 1;
    }
    std::ifstream stored(options.ini, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(stored), {});
    std::printf("Stored in %s at disconnection:\n%s", options.ini.c_str(), text.c_str());
    return 0;
}
