// Fuzz target: the IPC client's walk through a fuzzed reply. A stand-in "UIPCMAIN" window answers
// the identity exchange at open, then overwrites the request buffer with the fuzzed reply. The
// buffer is allocated at exactly its size, so a walk that leaves it is found.
// Input: byte 0 buffer size in steps of 16 bytes above the smallest that holds the open's requests;
// byte 1 the number of requests; two bytes per request (type: even read, odd write; size); the rest
// is the reply.
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz_support.h"
#include "ipc_link.h"

using namespace vantrel::fuzz;

namespace {

// The open's two reads and one write, the head and the terminator.
constexpr std::uint32_t kOpenBufferSize = 80;

const std::uint8_t* g_reply = nullptr;
std::size_t g_replySize = 0;
std::uint32_t g_bufferSize = 0;
bool g_opening = false;

void StoreU32(std::uint8_t* at, std::uint32_t value) {
    std::memcpy(at, &value, sizeof value);
}

LRESULT CALLBACK IpcWindow(HWND, UINT message, WPARAM, LPARAM lParam) {
    if (message != kIpcMessage) {
        return 0;
    }
    auto* buffer = reinterpret_cast<std::uint8_t*>(lParam);
    if (g_opening) {
        // The open's requests: a 4-byte read of the version (data at byte 20), a 4-byte read of
        // the simulator (data at byte 40), then the client's write.
        StoreU32(buffer + 20, kIpcLowestVersion);
        StoreU32(buffer + 40, kIpcSimulatorMark | 8);
        return 1;
    }
    const std::size_t room = g_bufferSize - 4;
    std::memcpy(buffer + 4, g_reply, g_replySize < room ? g_replySize : room);
    return 1;
}

void RegisterIpcWindow() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = IpcWindow;
        windowClass.lpszClassName = "UIPCMAIN";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, "UIPCMAIN", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                               nullptr) != nullptr;
    }();
    Check(registered, "the stand-in IPC window exists");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RegisterIpcWindow();
    if (size < 2) {
        return 0;
    }
    g_bufferSize = kOpenBufferSize + 16u * data[0];
    const std::size_t requests = data[1] % 32;
    if (size < 2 + 2 * requests) {
        return 0;
    }
    const auto buffer = std::make_unique<std::uint8_t[]>(g_bufferSize);
    IpcLink link;
    IpcResult result{};
    g_opening = true;
    Check(link.open(0, result, buffer.get(), g_bufferSize), "the link opens");
    g_opening = false;

    std::vector<std::unique_ptr<std::uint8_t[]>> destinations;
    const std::uint8_t source[256] = {};
    for (std::size_t i = 0; i < requests; ++i) {
        const std::uint8_t type = data[2 + 2 * i];
        const std::uint8_t requestSize = data[3 + 2 * i];
        if (type % 2 == 1) {
            link.write(0x1000 + i, requestSize, source, result);
            continue;
        }
        // Reads of type 2 go nowhere, as a caller may ask.
        destinations.push_back(type % 4 == 2 ? nullptr
                                             : std::make_unique<std::uint8_t[]>(requestSize));
        link.read(0x2000 + i, requestSize, destinations.back().get(), result);
    }
    g_reply = data + 2 + 2 * requests;
    g_replySize = size - 2 - 2 * requests;
    link.process(result);
    link.close();
    return 0;
}
