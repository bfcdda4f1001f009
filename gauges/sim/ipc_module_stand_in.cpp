// The stand-in IPC module's window and its walk of the request records: a read record gets the
// bytes at its offset, a write record stores its bytes there. Offsets outside the space read as
// zero and are not stored.
#include "ipc_module_stand_in.h"

#include <cstring>

namespace {

constexpr const char* kWindowClass = "UIPCMAIN";
constexpr UINT kRequestMessage = 0x482;

std::uint32_t load_u32(const std::uint8_t* at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | at[i];
    }
    return value;
}

}  // namespace

StandInIpcModule* StandInIpcModule::active_ = nullptr;

StandInIpcModule::StandInIpcModule() : space_(kSpaceSize, 0) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = window_procedure;
    window_class.lpszClassName = kWindowClass;
    RegisterClassA(&window_class);
    window_ =
        CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    active_ = this;
    set_identity(kDefaultVersion, kDefaultSimulator);
}

StandInIpcModule::~StandInIpcModule() {
    DestroyWindow(window_);
    UnregisterClassA(kWindowClass, nullptr);
    active_ = nullptr;
}

bool StandInIpcModule::in_space(std::uint64_t offset, std::uint64_t size) const {
    return offset + size <= space_.size();
}

void StandInIpcModule::set_bytes(std::uint32_t offset, const void* bytes, std::size_t size) {
    if (in_space(offset, size)) {
        std::memcpy(space_.data() + offset, bytes, size);
    }
}

void StandInIpcModule::get_bytes(std::uint32_t offset, void* bytes, std::size_t size) const {
    if (in_space(offset, size)) {
        std::memcpy(bytes, space_.data() + offset, size);
    } else {
        std::memset(bytes, 0, size);
    }
}

std::uint32_t StandInIpcModule::u32(std::uint32_t offset) const {
    std::uint32_t value;
    get_bytes(offset, &value, 4);
    return value;
}

std::uint16_t StandInIpcModule::u16(std::uint32_t offset) const {
    std::uint16_t value;
    get_bytes(offset, &value, 2);
    return value;
}

void StandInIpcModule::set_identity(std::uint32_t version, std::uint32_t simulator) {
    version_ = version;
    simulator_ = simulator;
    set_u32(0x3304, version);
    set_u32(0x3308, simulator);
}

LRESULT CALLBACK StandInIpcModule::window_procedure(HWND window, UINT message, WPARAM wparam,
                                                    LPARAM lparam) {
    if (message != kRequestMessage || active_ == nullptr) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return active_->answer(reinterpret_cast<std::uint8_t*>(lparam),
                           static_cast<std::size_t>(wparam));
}

LRESULT StandInIpcModule::answer(std::uint8_t* buffer, std::size_t records_length) {
    ++messages_answered_;
    if (answer_ != 1) {
        return answer_;
    }
    set_identity(version_, simulator_);
    const std::uint64_t end = 4 + static_cast<std::uint64_t>(records_length);
    std::uint64_t at = 4;
    while (at + 12 <= end) {
        const std::uint32_t type = load_u32(buffer + at);
        const std::uint32_t offset = load_u32(buffer + at + 4);
        const std::uint32_t size = load_u32(buffer + at + 8);
        if (type == 1 && at + 16 + size <= end) {
            get_bytes(offset, buffer + at + 16, size);
            at += 16 + static_cast<std::uint64_t>(size);
        } else if (type == 2 && at + 12 + size <= end) {
            set_bytes(offset, buffer + at + 12, size);
            at += 12 + static_cast<std::uint64_t>(size);
        } else {
            break;
        }
    }
    if (tamper_) {
        tamper_(buffer, records_length);
    }
    return 1;
}
