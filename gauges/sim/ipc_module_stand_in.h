// A stand-in for the simulator's IPC module: owns a hidden top-level window of class "UIPCMAIN" in
// this process (not a message-only one, which Windows' FindWindowExA does not find), answers
// message 0x482 by walking the request's records against a flat space of data offsets,
// and holds the identity values a client checks at open. Tests set it to fail the identity check,
// to report another simulator, to answer 0, or to change a reply before the client sees it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "win32_calls.h"

class StandInIpcModule {
  public:
    static constexpr std::uint32_t kDefaultVersion = 0x19980005;
    static constexpr std::uint32_t kDefaultSimulator = 0xFADE0009;
    static constexpr std::size_t kSpaceSize = 0x10000;

    // Called with the request buffer and the byte length of its records after the module has
    // answered, so a test can make the reply hostile.
    using Tamper = std::function<void(std::uint8_t* buffer, std::size_t records_length)>;

    StandInIpcModule();
    ~StandInIpcModule();
    StandInIpcModule(const StandInIpcModule&) = delete;
    StandInIpcModule& operator=(const StandInIpcModule&) = delete;

    void set_bytes(std::uint32_t offset, const void* bytes, std::size_t size);
    void get_bytes(std::uint32_t offset, void* bytes, std::size_t size) const;
    void set_u32(std::uint32_t offset, std::uint32_t value) { set_bytes(offset, &value, 4); }
    void set_u16(std::uint32_t offset, std::uint16_t value) { set_bytes(offset, &value, 2); }
    void set_u8(std::uint32_t offset, std::uint8_t value) { set_bytes(offset, &value, 1); }
    std::uint32_t u32(std::uint32_t offset) const;
    std::uint16_t u16(std::uint32_t offset) const;

    // The values at 0x3304 and 0x3308: version, and 0xFADE0000 plus the simulator code. Each
    // message is answered with them, whatever a client wrote there before (a client announces
    // itself by writing into the upper half of 0x3308).
    void set_identity(std::uint32_t version, std::uint32_t simulator);
    void answer_with(LRESULT answer) { answer_ = answer; }
    void tamper_with(Tamper tamper) { tamper_ = std::move(tamper); }
    int messages_answered() const { return messages_answered_; }

  private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    LRESULT answer(std::uint8_t* buffer, std::size_t records_length);
    bool in_space(std::uint64_t offset, std::uint64_t size) const;

    static StandInIpcModule* active_;
    std::vector<std::uint8_t> space_;
    std::uint32_t version_ = kDefaultVersion;
    std::uint32_t simulator_ = kDefaultSimulator;
    HWND window_ = nullptr;
    LRESULT answer_ = 1;
    Tamper tamper_;
    int messages_answered_ = 0;
};
