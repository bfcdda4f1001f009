// The ConfigItems of qvt_xml_config and the INI file behind them: section "LVars" names the
// variables ("LVar_00" to "LVar_99"), section "Floats" holds their values ("Value_00" to
// "Value_99"). The module writes only "Floats".
#include "config_items.h"

#include <cstdio>

#include "bounded_text.h"
#include "decimal_prefix.h"
#include "host_calls.h"
#include "value_text.h"
#include "win32_calls.h"

namespace {

constexpr int kItemCount = 100;
constexpr std::size_t kNameSize = 128;  // 127 characters
constexpr std::size_t kPathSize = 130;  // 129 characters
constexpr std::size_t kKeySize = 16;
// Room for every value text the module writes; a longer hand-edited text is read cut.
constexpr std::size_t kValueReadSize = 41;
static_assert(kValueReadSize > kValueTextMaxLength);

constexpr char kDefaultPath[] = "./Gauges/qvt_xml_config.ini";
constexpr char kNamesSection[] = "LVars";
constexpr char kValuesSection[] = "Floats";

struct ConfigItem {
    char name[kNameSize];
    double value;
    std::int32_t id;  // the host's named-variable identifier
};

struct ConfigState {
    bool loaded;   // set by the load; never cleared in the module's lifetime
    bool holding;  // path and names are those of the load, until a save releases them
    char path[kPathSize];
    ConfigItem items[kItemCount];
};

ConfigState state{};

// `prefix` followed by the index (0 to 99) as two digits: "LVar_05", "qvt_xml_42". The digits go
// in as characters, so the compiler sees that they take two bytes.
void indexed_key(char* key, std::size_t size, const char* prefix, int index) {
    std::snprintf(key, size, "%s%c%c", prefix, '0' + index / 10, '0' + index % 10);
}

}  // namespace

void load_config_items(const HostFunctionTable& host, const char* parameters) {
    if (state.loaded || parameters == nullptr) {
        return;
    }
    copy_cut(state.path, parameters[0] != '\0' ? parameters : kDefaultPath);
    state.loaded = true;
    state.holding = true;
    for (int index = 0; index < kItemCount; ++index) {
        ConfigItem& item = state.items[index];
        char key[kKeySize];
        char value_text[kValueReadSize];
        indexed_key(key, sizeof key, "Value_", index);
        GetPrivateProfileStringA(kValuesSection, key, "0", value_text, sizeof value_text,
                                 state.path);
        item.value = decimal_prefix(value_text);

        indexed_key(key, sizeof key, "LVar_", index);
        GetPrivateProfileStringA(kNamesSection, key, "", item.name, sizeof item.name, state.path);
        if (item.name[0] == '\0') {
            indexed_key(item.name, sizeof item.name, "qvt_xml_", index);
        }
        host_calls::register_named_variable(host, item.name);
        item.id = host_calls::find_named_variable(host, item.name);
        host_calls::write_named_variable(host, item.id, item.value);
    }
}

void save_config_items(const HostFunctionTable& host) {
    if (!state.holding) {
        return;
    }
    for (int index = 0; index < kItemCount; ++index) {
        ConfigItem& item = state.items[index];
        item.id = host_calls::find_named_variable(host, item.name);
        item.value = host_calls::read_named_variable(host, item.id);
        char key[kKeySize];
        indexed_key(key, sizeof key, "Value_", index);
        WritePrivateProfileStringA(kValuesSection, key, value_text(item.value).c_str(), state.path);
    }
    state = ConfigState{};  // releases the path and the items
    state.loaded = true;
}
