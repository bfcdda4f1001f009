// A stand-in for the simulator's panel host: loads a gauge module, reads its Linkage and
// ImportTable records, fills the import table with its function table, and drives the module's
// gauges the way the host does: parameter texts, service codes, element texts and values, mouse
// clicks. It keeps the simulator variables and named variables the module asks for.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "module_library.h"
#include "panel_records.h"

class StandInPanelHost {
  public:
    // A call the module made to one of the element-list slots 24 to 29 and 31.
    struct ElementListCall {
        HostSlot slot;
        ElementHeader* first;
        void* argument;
    };

    StandInPanelHost();
    ~StandInPanelHost();
    StandInPanelHost(const StandInPanelHost&) = delete;
    StandInPanelHost& operator=(const StandInPanelHost&) = delete;

    // Loads the module; false when it cannot be loaded or its exports are not gauge records.
    bool load(const std::string& path);
    void unload();

    std::vector<std::string> gauge_names() const;
    // The gauge's header; the gauge must exist.
    GaugeHeader& gauge(const std::string& name) const;

    // The panel's parameter text for the gauge; nullopt gives it none at all.
    void set_parameters(const std::string& gauge_name, std::optional<std::string> text);
    void send(const std::string& gauge_name, std::int32_t service_code, std::uint32_t extra = 0);
    // Calls the header's seven forwarders, install and generate with `argument`.
    void run_forwarders(const std::string& gauge_name, void* argument);
    const std::vector<ElementListCall>& element_list_calls() const { return element_list_calls_; }

    // Elements by their place in the gauge's list, the first being 0.
    ElementHeader& element(const std::string& gauge_name, int index) const;
    // Asks a text element for its text, as the host does before drawing it.
    std::string element_text(const std::string& gauge_name, int index);
    // Asks an image element for its value and keeps it as the element's value.
    double element_value(const std::string& gauge_name, int index);
    bool element_hidden(const std::string& gauge_name, int index) const;

    // A left single click at (x, y): calls the first click area there; false when none is.
    bool click(const std::string& gauge_name, std::int32_t x, std::int32_t y);
    // The tooltip text shown at (x, y), empty when none.
    std::string tooltip_at(const std::string& gauge_name, std::int32_t x, std::int32_t y) const;

    void set_simulator_variable(std::uint32_t id, double value);
    std::optional<double> named_variable(const std::string& name) const;
    void set_named_variable(const std::string& name, double value);
    // Every named variable with its value, in the order they were registered.
    std::vector<std::pair<std::string, double>> named_variables() const;

  private:
    struct NamedVariable {
        std::string name;
        double value;
    };
    struct SimulatorValue {
        std::uint32_t id;
        double value;
    };

    static StandInPanelHost& active();
    static void GAUGE_CALL query_elements(ElementHeader* first);
    static void GAUGE_CALL install_elements(ElementHeader* first, void* argument);
    static void GAUGE_CALL initialise_elements(ElementHeader* first);
    static void GAUGE_CALL update_elements(ElementHeader* first);
    static void GAUGE_CALL generate_elements(ElementHeader* first, void* argument);
    static void GAUGE_CALL draw_elements(ElementHeader* first);
    static void GAUGE_CALL kill_elements(ElementHeader* first);
    static void GAUGE_CALL lookup_simulator_variable(SimulatorVariable* variable);
    static std::int32_t GAUGE_CALL find_named_variable(const char* name);
    static std::int32_t GAUGE_CALL register_named_variable(const char* name);
    static double GAUGE_CALL read_named_variable(std::int32_t id);
    static void GAUGE_CALL write_named_variable(std::int32_t id, double value);

    std::int32_t named_variable_id(const std::string& name) const;

    static StandInPanelHost* active_;
    ModuleLibrary library_;
    LinkageRecord* linkage_ = nullptr;
    HostFunctionTable table_{};
    std::vector<ElementListCall> element_list_calls_;
    std::vector<SimulatorValue> simulator_values_;
    std::vector<NamedVariable> named_variables_;
    // Parameter texts by gauge name; the headers point into these, which stay in place.
    std::map<std::string, std::string> parameter_texts_;
};
