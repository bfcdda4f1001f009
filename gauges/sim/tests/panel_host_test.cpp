// The stand-in panel host driving a real built module: loading, the function table, service
// codes with parameter texts, element texts, values and hidden flags, and mouse clicks.
#include "panel_host_stand_in.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// Elements of gauge "probe" in list order.
constexpr int kCodeText = 1;
constexpr int kFuel = 2;
constexpr int kLamp = 3;

class PanelHost : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(host.load(PROBE_GAUGE_PATH)); }
    void TearDown() override {
        // The module's state lives as long as it is loaded; leave it as it was found.
        if (host.named_variable("probe_switch").value_or(0.0) != 0.0) {
            host.click("probe", 45, 5);
        }
    }
    double named(const char* name) const { return host.named_variable(name).value_or(-1.0); }

    StandInPanelHost host;
};

TEST(PanelHostLoading, RefusesWhatIsNotAGaugeModule) {
    StandInPanelHost host;
    EXPECT_FALSE(host.load("/nonexistent/module.so"));
    EXPECT_FALSE(host.load(NOT_A_GAUGE_PATH));
    EXPECT_TRUE(host.gauge_names().empty());
}

TEST_F(PanelHost, ReadsTheGaugesFromLinkage) {
    EXPECT_EQ(host.gauge_names(), (std::vector<std::string>{"probe", "probe_second"}));
    EXPECT_EQ(host.gauge("probe").header_version, kGaugeHeaderVersion);
    EXPECT_EQ(host.gauge("probe").default_width_mm, 100u);
}

TEST_F(PanelHost, ForwardersPassTheirOwnHeadersFirstElement) {
    int argument = 0;
    for (const char* name : {"probe", "probe_second"}) {
        SCOPED_TRACE(name);
        const std::size_t before = host.element_list_calls().size();
        host.run_forwarders(name, &argument);
        const auto& calls = host.element_list_calls();
        ASSERT_EQ(calls.size() - before, 7u);
        const HostSlot slots[] = {kSlotQueryElements,      kSlotInstallElements,
                                  kSlotInitialiseElements, kSlotUpdateElements,
                                  kSlotGenerateElements,   kSlotDrawElements,
                                  kSlotKillElements};
        for (std::size_t i = 0; i < 7; ++i) {
            const auto& call = calls[before + i];
            EXPECT_EQ(call.slot, slots[i]);
            EXPECT_EQ(call.first, host.gauge(name).elements);
            const bool passes_argument =
                call.slot == kSlotInstallElements || call.slot == kSlotGenerateElements;
            EXPECT_EQ(call.argument, passes_argument ? &argument : nullptr);
        }
    }
}

struct ServiceCase {
    std::int32_t code;
    std::optional<std::string> parameters;
    const char* shown;
};

const ServiceCase kServiceCases[] = {
    {kServiceConnect, std::nullopt, "14 -"},
    {kServicePreUpdate, std::string(""), "6 "},
    {kServicePostInstall, std::string("./Gauges/probe.ini"), "3 ./Gauges/probe.ini"},
    {kServiceDisconnect, std::string(200, 'p'), nullptr},
};

TEST_F(PanelHost, SendsServiceCodesWithTheParameterText) {
    for (const ServiceCase& c : kServiceCases) {
        SCOPED_TRACE(c.code);
        host.set_parameters("probe", c.parameters);
        host.send("probe", c.code);
        const std::string text = host.element_text("probe", kCodeText);
        if (c.shown != nullptr) {
            EXPECT_EQ(text, c.shown);
        } else {
            EXPECT_EQ(text, "15 " + std::string(kElementTextSize - 4, 'p'))
                << "a long parameter text is cut to the element's buffer";
        }
    }
    EXPECT_EQ(named("probe_installs"), 1.0);
    EXPECT_EQ(named("probe_updates"), 1.0);
    EXPECT_EQ(named("probe_disconnects"), 1.0);
}

TEST_F(PanelHost, SimulatorVariablesReachTheModule) {
    host.set_simulator_variable(0x317, 12345.5);
    host.set_simulator_variable(0x25C, 42.25);
    host.set_simulator_variable(0x132, 6.7);
    EXPECT_EQ(host.element_value("probe", kFuel), 12345.5);
    host.send("probe", kServiceConnect);
    EXPECT_EQ(named("probe_time"), 42.25);
    host.send("probe", kServicePreUpdate);
    EXPECT_EQ(named("probe_weight_per_gallon"), 6.7);
    host.set_simulator_variable(0x317, 10.0);
    EXPECT_EQ(host.element_value("probe", kFuel), 10.0);
}

TEST_F(PanelHost, ClicksReachClickAreasAndTheLampFollows) {
    EXPECT_EQ(host.tooltip_at("probe", 45, 5), "Probe Switch");
    EXPECT_EQ(host.tooltip_at("probe", 5, 5), "");
    host.element_value("probe", kLamp);
    EXPECT_TRUE(host.element_hidden("probe", kLamp));
    EXPECT_FALSE(host.click("probe", 39, 5));
    EXPECT_FALSE(host.click("probe", 60, 5));
    EXPECT_EQ(named("probe_switch"), -1.0) << "a miss calls nothing";
    ASSERT_TRUE(host.click("probe", 40, 2));
    EXPECT_EQ(named("probe_switch"), 1.0);
    host.element_value("probe", kLamp);
    EXPECT_FALSE(host.element_hidden("probe", kLamp));
    ASSERT_TRUE(host.click("probe", 59, 21));
    host.element_value("probe", kLamp);
    EXPECT_TRUE(host.element_hidden("probe", kLamp));
    EXPECT_FALSE(host.click("probe_second", 1, 1)) << "a gauge without mouse areas";
}

TEST_F(PanelHost, NamedVariablesAreSharedWithTheModuleWithoutRegardToCase) {
    host.set_named_variable("PROBE_SWITCH", 1.0);
    host.element_value("probe", kLamp);
    EXPECT_FALSE(host.element_hidden("probe", kLamp));
    host.send("probe_second", kServicePreUpdate);
    EXPECT_EQ(named("probe_second_code"), 6.0);
    EXPECT_EQ(named("probe_updates"), -1.0) << "the code went to the other gauge only";
}

}  // namespace
