// The built qvt_xml_config module driven through the stand-in panel host: its gauge record,
// restoring variables from the INI file at installation, storing them at disconnection, the
// default file, one load per module lifetime, exact values across a restart, and the example file
// shipped with the module.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "panel_host_stand_in.h"
#include "win32_calls.h"

namespace fs = std::filesystem;

namespace {

const char kGauge[] = "config";
const char kNamedFile[] = "[LVars]\r\nLVar_05=panel_light\r\n[Floats]\r\nValue_05=1\r\n";

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string default_name(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "qvt_xml_%02d", index);
    return name;
}

class XmlConfigModule : public testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        dir = fs::temp_directory_path() / ("xml_config_test_" + std::to_string(random()));
        ASSERT_TRUE(fs::create_directory(dir));
        ini = dir / "panel.ini";
        start_module();
    }
    void TearDown() override {
        fs::current_path(original_folder);
        host.reset();
        fs::remove_all(dir);
    }

    // A new module lifetime: the host loads a fresh copy of the built module.
    void start_module() {
        host.reset();
        host.emplace();
        const fs::path copy = dir / ("qvt_xml_config_" + std::to_string(++copies) +
                                     fs::path(QVT_XML_CONFIG_PATH).extension().string());
        fs::copy_file(QVT_XML_CONFIG_PATH, copy);
        ASSERT_TRUE(host->load(copy.string()));
    }

    void install(std::optional<std::string> parameters) {
        host->set_parameters(kGauge, std::move(parameters));
        host->send(kGauge, kServicePostInstall);
        host->send(kGauge, kServiceConnect);
    }
    void disconnect() { host->send(kGauge, kServiceDisconnect); }

    std::optional<double> variable(const std::string& name) const {
        return host->named_variable(name);
    }

    fs::path dir;
    fs::path ini;
    fs::path original_folder = fs::current_path();
    int copies = 0;
    std::optional<StandInPanelHost> host;
};

TEST_F(XmlConfigModule, GaugeConfigIsOnePictureWithoutMouseAreas) {
    EXPECT_EQ(host->gauge_names(), std::vector<std::string>{kGauge});
    const GaugeHeader& header = host->gauge(kGauge);
    EXPECT_EQ(header.default_width_mm, 20u);
    EXPECT_EQ(header.mouse_rects, nullptr);
    ASSERT_EQ(header.elements->kind, kElementImage);
    const auto& picture = reinterpret_cast<const ImageElement&>(*header.elements);
    EXPECT_EQ(picture.header.next, nullptr);
    EXPECT_EQ(picture.header.x, 0);
    EXPECT_EQ(picture.header.y, 0);
    EXPECT_EQ(picture.bitmap_id, 0x100u);
    EXPECT_EQ(picture.image_flags, 0x83u);
    EXPECT_EQ(picture.width, 10);
    EXPECT_EQ(picture.height, 10);

    int argument = 0;
    host->run_forwarders(kGauge, &argument);
    ASSERT_EQ(host->element_list_calls().size(), 7u);
    for (const auto& call : host->element_list_calls()) {
        EXPECT_EQ(call.first, header.elements);
    }
}

TEST_F(XmlConfigModule, InstallationRestoresTheNamedVariableAndZeroesTheDefaultOnes) {
    write_file(ini, kNamedFile);
    install(ini.string());
    EXPECT_EQ(variable("panel_light"), 1.0);
    for (int index = 0; index < 100; ++index) {
        SCOPED_TRACE(index);
        if (index == 5) {
            EXPECT_EQ(variable(default_name(index)), std::nullopt);
        } else {
            EXPECT_EQ(variable(default_name(index)), 0.0);
        }
    }
    EXPECT_EQ(read_file(ini), kNamedFile);  // loading writes nothing
}

TEST_F(XmlConfigModule, DisconnectionStoresAllHundredValues) {
    write_file(ini, kNamedFile);
    install(ini.string());
    host->set_named_variable("panel_light", 0.5);
    disconnect();

    std::string expected = "[LVars]\r\nLVar_05=panel_light\r\n[Floats]\r\nValue_05=0.5\r\n";
    for (int index = 0; index < 100; ++index) {
        if (index != 5) {
            char line[32];
            std::snprintf(line, sizeof line, "Value_%02d=0.\r\n", index);
            expected += line;
        }
    }
    EXPECT_EQ(read_file(ini), expected);
}

TEST_F(XmlConfigModule, ExampleFileHoldsEveryKeyAtItsDefault) {
    // A copy: the module stores the values into the file it loaded.
    fs::copy_file(QVT_XML_CONFIG_EXAMPLE_INI, ini);
    for (int index = 0; index < 100; ++index) {
        char key[32];
        char text[64];
        std::snprintf(key, sizeof key, "LVar_%02d", index);
        GetPrivateProfileStringA("LVars", key, "(missing)", text, sizeof text,
                                 ini.string().c_str());
        EXPECT_EQ(std::string(text), "") << key;
        std::snprintf(key, sizeof key, "Value_%02d", index);
        GetPrivateProfileStringA("Floats", key, "(missing)", text, sizeof text,
                                 ini.string().c_str());
        EXPECT_EQ(std::string(text), "0") << key;
    }
    install(ini.string());
    const auto variables = host->named_variables();
    ASSERT_EQ(variables.size(), 100u);
    for (int index = 0; index < 100; ++index) {
        EXPECT_EQ(variables[index], std::make_pair(default_name(index), 0.0));
    }
}

TEST_F(XmlConfigModule, EmptyParameterTextUsesTheDefaultFileUnderGauges) {
    fs::create_directory(dir / "Gauges");
    write_file(dir / "Gauges" / "qvt_xml_config.ini", "[Floats]\r\nValue_42=2.5\r\n");
    fs::current_path(dir);
    install("");
    EXPECT_EQ(variable("qvt_xml_42"), 2.5);

    host->set_named_variable("qvt_xml_42", -7.0);
    disconnect();
    const std::string saved = read_file(dir / "Gauges" / "qvt_xml_config.ini");
    EXPECT_EQ(saved.substr(0, 32), "[Floats]\r\nValue_42=-7.\r\nValue_00");
}

TEST_F(XmlConfigModule, LoadsOnceInTheModuleLifetimeAndOnlyWithAParameterText) {
    write_file(ini, kNamedFile);
    install(std::nullopt);
    EXPECT_EQ(variable("panel_light"), std::nullopt);
    EXPECT_EQ(variable(default_name(0)), std::nullopt);

    install(ini.string());
    EXPECT_EQ(variable("panel_light"), 1.0);

    host->set_named_variable("panel_light", 3.0);
    install(ini.string());
    EXPECT_EQ(variable("panel_light"), 3.0);

    disconnect();  // releases what the load read
    write_file(ini, kNamedFile);
    install(ini.string());
    EXPECT_EQ(variable("panel_light"), 3.0);
}

TEST_F(XmlConfigModule, DisconnectionWritesNothingWithoutALoadToSaveFor) {
    host->set_parameters(kGauge, ini.string());
    disconnect();  // no installation, so no load
    EXPECT_FALSE(fs::exists(ini));

    install(ini.string());
    host->set_named_variable("qvt_xml_00", 1.0);
    disconnect();
    const std::string saved = read_file(ini);
    EXPECT_NE(saved.find("Value_00=1.\r\n"), std::string::npos);

    host->set_named_variable("qvt_xml_00", 2.0);  // after the save released its items
    disconnect();
    EXPECT_EQ(read_file(ini), saved);
}

TEST_F(XmlConfigModule, ValuesComeBackExactlyAfterARestart) {
    const double values[] = {
        -1e31,
        3e31,
        -3e31,
        9.9999999999999987e31,
        1e32,
        0.1,
        0.099999999999999992,
        1.0 / 3.0,
        -2.25,
        123456.789,
        std::acos(-1.0) * 1e20,
        1e-5,
        std::numeric_limits<double>::max(),
        -std::numeric_limits<double>::min(),
        std::numeric_limits<double>::denorm_min(),
        -0.0,
    };
    const int count = static_cast<int>(std::size(values));
    install(ini.string());  // no file yet: the save creates it
    for (int index = 0; index < count; ++index) {
        host->set_named_variable(default_name(index), values[index]);
    }
    disconnect();

    start_module();
    install(ini.string());
    for (int index = 0; index < count; ++index) {
        SCOPED_TRACE(values[index]);
        const double restored = variable(default_name(index)).value_or(std::nan(""));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(restored),
                  std::bit_cast<std::uint64_t>(values[index]));
    }
}

TEST_F(XmlConfigModule, OverlongTextsAreCut) {
    const std::string long_name(140, 'n');
    write_file(ini, "[LVars]\r\nLVar_01=" + long_name +
                        "\r\n[Floats]\r\nValue_00=123456789012345678901234567890123456789012345"
                        "\r\nValue_01=4\r\n");
    install(ini.string());
    // The first 40 characters of the value text, and the first 127 of the name.
    EXPECT_EQ(variable(default_name(0)), 1234567890123456789012345678901234567890.0);
    EXPECT_EQ(variable(long_name.substr(0, 127)), 4.0);
    EXPECT_EQ(variable(long_name), std::nullopt);

    // A parameter text is cut to 129 characters; the file is found under the cut path.
    start_module();
    const std::string folder = dir.string() + "/";
    const std::string cut_path = folder + std::string(129 - folder.size(), 'p');
    write_file(cut_path, "[Floats]\r\nValue_00=6\r\n");
    install(cut_path + ".ini");
    EXPECT_EQ(variable(default_name(0)), 6.0);
    disconnect();
    EXPECT_NE(read_file(cut_path).find("Value_99=0.\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(cut_path + ".ini"));
}

}  // namespace
