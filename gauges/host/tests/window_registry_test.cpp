// Window classes, windows, finding a window by class and title, and sending it a message.
#include <gtest/gtest.h>

#include "win32_calls.h"

namespace {

struct Received {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};
Received last{};

// Records and answers message 0x482; the window's own messages go to the default procedure,
// which on Windows keeps the window's title.
LRESULT CALLBACK record_and_answer(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != 0x482) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    last = {window, message, wparam, lparam};
    return 1234;
}

class WindowRegistry : public testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA window_class{};
        window_class.lpfnWndProc = record_and_answer;
        window_class.lpszClassName = "VantrelProbe";
        ASSERT_NE(RegisterClassA(&window_class), 0);
    }
    void TearDown() override {
        for (HWND window : created) {
            DestroyWindow(window);
        }
        EXPECT_TRUE(UnregisterClassA("VantrelProbe", nullptr));
    }
    HWND create(const char* title) {
        HWND window = CreateWindowExA(0, "VantrelProbe", title, 0, 0, 0, 0, 0, nullptr, nullptr,
                                      nullptr, nullptr);
        created.push_back(window);
        return window;
    }
    std::vector<HWND> created;
};

TEST_F(WindowRegistry, FindsTopLevelWindowsByClassWithoutRegardToCaseNewestFirst) {
    HWND first = create("one");
    HWND second = create("two");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, "vantrelprobe", nullptr), second);
    EXPECT_EQ(FindWindowExA(nullptr, second, "VANTRELPROBE", nullptr), first);
    EXPECT_EQ(FindWindowExA(nullptr, first, "VantrelProbe", nullptr), nullptr);
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, "VantrelProbe", "one"), first);
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, "VantrelProbe", "three"), nullptr);
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, "NoSuchClass", nullptr), nullptr);
}

TEST_F(WindowRegistry, SendMessageCallsTheWindowProcedureAndReturnsItsAnswer) {
    HWND window = create("target");
    int payload = 0;
    EXPECT_EQ(SendMessageA(window, 0x482, 40, reinterpret_cast<LPARAM>(&payload)), 1234);
    EXPECT_EQ(last.window, window);
    EXPECT_EQ(last.message, 0x482u);
    EXPECT_EQ(last.wparam, 40u);
    EXPECT_EQ(last.lparam, reinterpret_cast<LPARAM>(&payload));
}

TEST_F(WindowRegistry, DestroyedWindowIsGoneAndItsClassCannotBeRegisteredTwice) {
    HWND window = create("short-lived");
    ASSERT_TRUE(DestroyWindow(window));
    created.clear();
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, "VantrelProbe", nullptr), nullptr);
    WNDCLASSA again{};
    again.lpfnWndProc = record_and_answer;
    again.lpszClassName = "vantrelPROBE";
    EXPECT_EQ(RegisterClassA(&again), 0);
}

TEST(WindowRegistryWithoutClass, UnknownClassCreatesNoWindow) {
    EXPECT_EQ(CreateWindowExA(0, "NeverRegistered", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
}

}  // namespace
