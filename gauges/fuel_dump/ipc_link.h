// The link to the simulator's IPC module: read and write requests against numbered data offsets,
// queued into a request buffer the caller supplies and sent in one synchronous window message to
// the module's "UIPCMAIN" window.
#pragma once

#include <cstddef>
#include <cstdint>

#include "win32_calls.h"

enum class IpcResult : std::uint32_t {
    ok = 0,
    already_open = 1,
    no_window = 2,
    bad_buffer = 6,
    identity_failed = 7,
    wrong_simulator = 8,
    not_open = 9,
    nothing_queued = 10,
    no_answer = 13,
    no_room = 15,
};

constexpr UINT kIpcMessage = 0x482;
constexpr std::uint32_t kIpcMaxCapacity = 0x7F00;
constexpr std::uint32_t kIpcMinBufferSize = 32;
constexpr std::uint32_t kIpcReadRecordType = 1;
constexpr std::uint32_t kIpcWriteRecordType = 2;
constexpr std::uint32_t kIpcReadHeaderSize = 16;
constexpr std::uint32_t kIpcWriteHeaderSize = 12;

// Offsets and values of the identity exchange made at open.
constexpr std::uint32_t kIpcVersionOffset = 0x3304;
constexpr std::uint32_t kIpcSimulatorOffset = 0x3308;
constexpr std::uint32_t kIpcClientOffset = 0x330A;
constexpr std::uint16_t kIpcClientValue = 0x04B0;
constexpr std::uint32_t kIpcLowestVersion = 0x19980005;
constexpr std::uint32_t kIpcSimulatorMark = 0xFADE0000;

// The most read records a full buffer can hold: 0-byte reads from byte 4, each leaving room for
// the terminator.
constexpr std::size_t kIpcMaxQueuedReads = (kIpcMaxCapacity - 4 - 24) / kIpcReadHeaderSize + 1;

// A queued read as the client made it. Replies are copied by these, not by the destination field
// of the record in the buffer, which is only 4 bytes wide and which the IPC module could change.
struct IpcQueuedRead {
    std::uint32_t at;  // byte position of the record in the buffer
    std::uint32_t size;
    void* destination;
};

struct IpcLink {
    std::uint32_t version = 0;
    std::uint32_t simulator = 0;
    HWND window = nullptr;
    std::uint8_t* buffer = nullptr;  // null while the link is closed
    std::uint8_t* position = nullptr;
    std::uint32_t capacity = 0;
    IpcQueuedRead reads[kIpcMaxQueuedReads];
    std::size_t read_count = 0;

    // Connects to the IPC module and checks its identity; 0 accepts any simulator.
    bool open(std::uint32_t requested_simulator, IpcResult& result, void* request_buffer,
              std::uint32_t size);
    void close();
    bool read(std::uint32_t offset, std::uint32_t size, void* destination, IpcResult& result);
    bool write(std::uint32_t offset, std::uint32_t size, const void* source, IpcResult& result);
    // Sends everything queued, copies read results to their destinations, empties the queue.
    bool process(IpcResult& result);

  private:
    bool fail(IpcResult code, IpcResult& result);
    std::uint64_t used() const;
    void copy_replies(std::uint32_t records_end);
};
