// IpcLink: queueing records into the request buffer, the identity exchange at open, and sending
// the batch and copying the replies back.
#include "ipc_link.h"

#include <algorithm>
#include <cstring>

namespace {

void store_u32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t load_u32(const std::uint8_t* at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | at[i];
    }
    return value;
}

// Sends the records; its own address goes into the buffer's head as the address of the client's
// code that the IPC module expects there.
LRESULT send_records(HWND window, std::uint8_t* buffer, std::uint32_t records_length) {
    store_u32(buffer, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&send_records)));
    return SendMessageA(window, kIpcMessage, static_cast<WPARAM>(records_length),
                        reinterpret_cast<LPARAM>(buffer));
}

}  // namespace

bool IpcLink::fail(IpcResult code, IpcResult& result) {
    result = code;
    return false;
}

std::uint64_t IpcLink::used() const {
    return static_cast<std::uint64_t>(position - buffer);
}

bool IpcLink::open(std::uint32_t requested_simulator, IpcResult& result, void* request_buffer,
                   std::uint32_t size) {
    if (buffer != nullptr) {
        return fail(IpcResult::already_open, result);
    }
    if (request_buffer == nullptr || size < kIpcMinBufferSize) {
        return fail(IpcResult::bad_buffer, result);
    }
    version = 0;
    simulator = 0;
    window = FindWindowExA(nullptr, nullptr, "UIPCMAIN", nullptr);
    if (window == nullptr) {
        return fail(IpcResult::no_window, result);
    }
    capacity = std::min(size, kIpcMaxCapacity);
    buffer = static_cast<std::uint8_t*>(request_buffer);
    position = buffer + 4;
    read_count = 0;

    const std::uint16_t client = kIpcClientValue;
    if (!read(kIpcVersionOffset, 4, &version, result) ||
        !read(kIpcSimulatorOffset, 4, &simulator, result) ||
        !write(kIpcClientOffset, 2, &client, result) || !process(result)) {
        close();
        return false;
    }
    if (version < kIpcLowestVersion || (simulator & 0xFFFF0000u) != kIpcSimulatorMark) {
        close();
        return fail(IpcResult::identity_failed, result);
    }
    simulator &= 0xFFFFu;
    if (requested_simulator != 0 && requested_simulator != simulator) {
        close();
        return fail(IpcResult::wrong_simulator, result);
    }
    result = IpcResult::ok;
    return true;
}

void IpcLink::close() {
    window = nullptr;
    buffer = nullptr;
    position = nullptr;
    read_count = 0;
}

bool IpcLink::read(std::uint32_t offset, std::uint32_t size, void* destination, IpcResult& result) {
    if (buffer == nullptr) {
        return fail(IpcResult::not_open, result);
    }
    if (used() + size + 24 > capacity) {
        return fail(IpcResult::no_room, result);
    }
    store_u32(position, kIpcReadRecordType);
    store_u32(position + 4, offset);
    store_u32(position + 8, size);
    store_u32(position + 12,
              static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(destination)));
    std::memset(position + kIpcReadHeaderSize, 0, size);
    reads[read_count++] = {static_cast<std::uint32_t>(used()), size, destination};
    position += kIpcReadHeaderSize + size;
    result = IpcResult::ok;
    return true;
}

bool IpcLink::write(std::uint32_t offset, std::uint32_t size, const void* source,
                    IpcResult& result) {
    if (buffer == nullptr) {
        return fail(IpcResult::not_open, result);
    }
    if (used() + size + 20 > capacity) {
        return fail(IpcResult::no_room, result);
    }
    store_u32(position, kIpcWriteRecordType);
    store_u32(position + 4, offset);
    store_u32(position + 8, size);
    std::memcpy(position + kIpcWriteHeaderSize, source, size);
    position += kIpcWriteHeaderSize + size;
    result = IpcResult::ok;
    return true;
}

bool IpcLink::process(IpcResult& result) {
    if (buffer == nullptr) {
        return fail(IpcResult::not_open, result);
    }
    if (used() <= 4) {
        return fail(IpcResult::nothing_queued, result);
    }
    const auto records_end = static_cast<std::uint32_t>(used());
    store_u32(position, 0);
    const LRESULT answer = send_records(window, buffer, records_end - 4);
    position = buffer + 4;
    if (answer != 1) {
        read_count = 0;
        return fail(IpcResult::no_answer, result);
    }
    copy_replies(records_end);
    read_count = 0;
    result = IpcResult::ok;
    return true;
}

// Walks the answered records from byte 4 up to the end of what was queued, whatever the reply
// holds there: a record of unknown type ends the walk (and is cleared), and so does one that runs
// past the queued records or does not match the read queued at its position.
void IpcLink::copy_replies(std::uint32_t records_end) {
    std::uint64_t at = 4;
    std::size_t next_read = 0;
    while (at + 4 <= records_end) {
        const std::uint32_t type = load_u32(buffer + at);
        if (type == kIpcReadRecordType) {
            if (at + kIpcReadHeaderSize > records_end || next_read == read_count) {
                return;
            }
            const std::uint32_t size = load_u32(buffer + at + 8);
            const IpcQueuedRead& queued = reads[next_read++];
            if (queued.at != at || queued.size != size) {
                return;
            }
            if (queued.destination != nullptr && size != 0) {
                std::memcpy(queued.destination, buffer + at + kIpcReadHeaderSize, size);
            }
            at += kIpcReadHeaderSize + size;
        } else if (type == kIpcWriteRecordType) {
            if (at + kIpcWriteHeaderSize > records_end) {
                return;
            }
            at += kIpcWriteHeaderSize + load_u32(buffer + at + 8);
        } else {
            if (type != 0) {
                store_u32(buffer + at, 0);
            }
            return;
        }
    }
}
