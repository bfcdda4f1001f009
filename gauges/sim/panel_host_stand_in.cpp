// The stand-in panel host: loading a module, its function table, and driving its gauges.
#include "panel_host_stand_in.h"

#include <cstring>
#include <stdexcept>

#include "ascii_case.h"

StandInPanelHost* StandInPanelHost::active_ = nullptr;

StandInPanelHost::StandInPanelHost() {
    const auto set = [this](HostSlot number, auto function) {
        table_.slots[number] = reinterpret_cast<AnySlot>(function);
    };
    set(kSlotQueryElements, &query_elements);
    set(kSlotInstallElements, &install_elements);
    set(kSlotInitialiseElements, &initialise_elements);
    set(kSlotUpdateElements, &update_elements);
    set(kSlotGenerateElements, &generate_elements);
    set(kSlotDrawElements, &draw_elements);
    set(kSlotKillElements, &kill_elements);
    set(kSlotLookupSimulatorVariable, &lookup_simulator_variable);
    set(kSlotFindNamedVariable, &find_named_variable);
    set(kSlotRegisterNamedVariable, &register_named_variable);
    set(kSlotReadNamedVariable, &read_named_variable);
    set(kSlotWriteNamedVariable, &write_named_variable);
    active_ = this;
}

StandInPanelHost::~StandInPanelHost() {
    unload();
    active_ = nullptr;
}

StandInPanelHost& StandInPanelHost::active() {
    return *active_;
}

bool StandInPanelHost::load(const std::string& path) {
    unload();
    if (!library_.open(path)) {
        return false;
    }
    auto* linkage = static_cast<LinkageRecord*>(library_.symbol("Linkage"));
    auto* imports = static_cast<ImportTableRecord*>(library_.symbol("ImportTable"));
    if (linkage == nullptr || imports == nullptr || linkage->module_id != kModuleId ||
        linkage->version != kModuleVersion || imports->panels.id != kImportPanelsId) {
        library_.close();
        return false;
    }
    imports->panels.table = &table_;
    linkage_ = linkage;
    if (linkage_->module_start != nullptr) {
        linkage_->module_start();
    }
    return true;
}

void StandInPanelHost::unload() {
    if (linkage_ != nullptr && linkage_->module_stop != nullptr) {
        linkage_->module_stop();
    }
    linkage_ = nullptr;
    library_.close();
    parameter_texts_.clear();
}

std::vector<std::string> StandInPanelHost::gauge_names() const {
    std::vector<std::string> names;
    for (int i = 0; linkage_ != nullptr && i < kMaxGaugesPerModule && linkage_->gauges[i]; ++i) {
        names.emplace_back(linkage_->gauges[i]->name);
    }
    return names;
}

GaugeHeader& StandInPanelHost::gauge(const std::string& name) const {
    for (int i = 0; linkage_ != nullptr && i < kMaxGaugesPerModule && linkage_->gauges[i]; ++i) {
        if (name == linkage_->gauges[i]->name) {
            return *linkage_->gauges[i];
        }
    }
    throw std::invalid_argument("no gauge " + name);
}

void StandInPanelHost::set_parameters(const std::string& gauge_name,
                                      std::optional<std::string> text) {
    GaugeHeader& header = gauge(gauge_name);
    if (!text) {
        header.parameters = nullptr;
        parameter_texts_.erase(gauge_name);
        return;
    }
    std::string& kept = parameter_texts_[gauge_name];
    kept = std::move(*text);
    header.parameters = kept.c_str();
}

void StandInPanelHost::send(const std::string& gauge_name, std::int32_t service_code,
                            std::uint32_t extra) {
    GaugeHeader& header = gauge(gauge_name);
    if (header.callback != nullptr) {
        header.callback(&header, service_code, extra);
    }
}

void StandInPanelHost::run_forwarders(const std::string& gauge_name, void* argument) {
    GaugeHeader& header = gauge(gauge_name);
    header.query();
    header.install(argument);
    header.initialise();
    header.update();
    header.generate(argument);
    header.draw();
    header.kill();
}

ElementHeader& StandInPanelHost::element(const std::string& gauge_name, int index) const {
    ElementHeader* element = gauge(gauge_name).elements;
    for (int i = 0; element != nullptr && i < index; ++i) {
        element = element->next;
    }
    if (element == nullptr) {
        throw std::out_of_range("no element " + std::to_string(index) + " in " + gauge_name);
    }
    return *element;
}

std::string StandInPanelHost::element_text(const std::string& gauge_name, int index) {
    ElementHeader& header = element(gauge_name, index);
    if (header.kind != kElementText) {
        throw std::invalid_argument("not a text element");
    }
    auto& text = reinterpret_cast<TextElement&>(header);
    if (text.callback != nullptr) {
        text.callback(&text);
    }
    return std::string(text.text, strnlen(text.text, sizeof text.text));
}

double StandInPanelHost::element_value(const std::string& gauge_name, int index) {
    ElementHeader& header = element(gauge_name, index);
    if (header.kind != kElementImage) {
        throw std::invalid_argument("not an image element");
    }
    auto& image = reinterpret_cast<ImageElement&>(header);
    if (image.callback != nullptr) {
        image.value = image.callback(&image);
    }
    return image.value;
}

bool StandInPanelHost::element_hidden(const std::string& gauge_name, int index) const {
    return (element(gauge_name, index).flags & kElementHidden) != 0;
}

namespace {

bool inside(const MouseRect& rect, std::int32_t x, std::int32_t y) {
    return x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
}

}  // namespace

bool StandInPanelHost::click(const std::string& gauge_name, std::int32_t x, std::int32_t y) {
    for (MouseRect* rect = gauge(gauge_name).mouse_rects; rect && rect->kind != kMouseEnd; ++rect) {
        if (rect->kind == kMouseClickArea && inside(*rect, x, y) &&
            rect->target.function != nullptr) {
            rect->target.function(rect, kMouseLeftSingle);
            return true;
        }
    }
    return false;
}

std::string StandInPanelHost::tooltip_at(const std::string& gauge_name, std::int32_t x,
                                         std::int32_t y) const {
    for (MouseRect* rect = gauge(gauge_name).mouse_rects; rect && rect->kind != kMouseEnd; ++rect) {
        if (rect->kind == kMouseTooltip && inside(*rect, x, y) && rect->target.tooltip != nullptr) {
            return rect->target.tooltip;
        }
    }
    return "";
}

void StandInPanelHost::set_simulator_variable(std::uint32_t id, double value) {
    for (SimulatorValue& kept : simulator_values_) {
        if (kept.id == id) {
            kept.value = value;
            return;
        }
    }
    simulator_values_.push_back({id, value});
}

std::int32_t StandInPanelHost::named_variable_id(const std::string& name) const {
    for (std::size_t i = 0; i < named_variables_.size(); ++i) {
        if (same_name_ignoring_case(named_variables_[i].name, name)) {
            return static_cast<std::int32_t>(i);
        }
    }
    return kNoNamedVariable;
}

std::optional<double> StandInPanelHost::named_variable(const std::string& name) const {
    const std::int32_t id = named_variable_id(name);
    if (id == kNoNamedVariable) {
        return std::nullopt;
    }
    return named_variables_[static_cast<std::size_t>(id)].value;
}

void StandInPanelHost::set_named_variable(const std::string& name, double value) {
    write_named_variable(register_named_variable(name.c_str()), value);
}

std::vector<std::pair<std::string, double>> StandInPanelHost::named_variables() const {
    std::vector<std::pair<std::string, double>> variables;
    for (const NamedVariable& variable : named_variables_) {
        variables.emplace_back(variable.name, variable.value);
    }
    return variables;
}

// --- The function table -------------------------------------------------------------------------

void GAUGE_CALL StandInPanelHost::query_elements(ElementHeader* first) {
    active().element_list_calls_.push_back({kSlotQueryElements, first, nullptr});
}

void GAUGE_CALL StandInPanelHost::install_elements(ElementHeader* first, void* argument) {
    active().element_list_calls_.push_back({kSlotInstallElements, first, argument});
}

void GAUGE_CALL StandInPanelHost::initialise_elements(ElementHeader* first) {
    active().element_list_calls_.push_back({kSlotInitialiseElements, first, nullptr});
}

void GAUGE_CALL StandInPanelHost::update_elements(ElementHeader* first) {
    active().element_list_calls_.push_back({kSlotUpdateElements, first, nullptr});
}

void GAUGE_CALL StandInPanelHost::generate_elements(ElementHeader* first, void* argument) {
    active().element_list_calls_.push_back({kSlotGenerateElements, first, argument});
}

void GAUGE_CALL StandInPanelHost::draw_elements(ElementHeader* first) {
    active().element_list_calls_.push_back({kSlotDrawElements, first, nullptr});
}

void GAUGE_CALL StandInPanelHost::kill_elements(ElementHeader* first) {
    active().element_list_calls_.push_back({kSlotKillElements, first, nullptr});
}

// Unknown simulator variables read as 0.
void GAUGE_CALL StandInPanelHost::lookup_simulator_variable(SimulatorVariable* variable) {
    variable->value = 0.0;
    for (const SimulatorValue& kept : active().simulator_values_) {
        if (kept.id == variable->id) {
            variable->value = kept.value;
        }
    }
}

std::int32_t GAUGE_CALL StandInPanelHost::find_named_variable(const char* name) {
    return name == nullptr ? kNoNamedVariable : active().named_variable_id(name);
}

std::int32_t GAUGE_CALL StandInPanelHost::register_named_variable(const char* name) {
    if (name == nullptr) {
        return kNoNamedVariable;
    }
    StandInPanelHost& host = active();
    const std::int32_t id = host.named_variable_id(name);
    if (id != kNoNamedVariable) {
        return id;
    }
    host.named_variables_.push_back({name, 0.0});
    return static_cast<std::int32_t>(host.named_variables_.size() - 1);
}

// Unknown identifiers read as 0 and are not written.
double GAUGE_CALL StandInPanelHost::read_named_variable(std::int32_t id) {
    const auto& variables = active().named_variables_;
    if (id < 0 || static_cast<std::size_t>(id) >= variables.size()) {
        return 0.0;
    }
    return variables[static_cast<std::size_t>(id)].value;
}

void GAUGE_CALL StandInPanelHost::write_named_variable(std::int32_t id, double value) {
    auto& variables = active().named_variables_;
    if (id >= 0 && static_cast<std::size_t>(id) < variables.size()) {
        variables[static_cast<std::size_t>(id)].value = value;
    }
}
