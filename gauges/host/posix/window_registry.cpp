// Window classes and windows inside this process: RegisterClassA, CreateWindowExA, FindWindowExA,
// SendMessageA and the rest of the subset. A window is a class name, a title and the class's
// window procedure; sending a message calls that procedure at once, as Windows does for a window
// of the calling thread. No messages are sent on creation or destruction.
#include <memory>
#include <string>
#include <vector>

#include "ascii_case.h"
#include "win32_functions.h"

struct HWND__ {
    std::string class_name;
    std::string title;
    WNDPROC procedure;
    HWND parent;
};

namespace {

struct WindowClass {
    std::string name;
    WNDPROC procedure;
};

// The host makes its calls one at a time, so the registry needs no lock.
std::vector<WindowClass>& classes() {
    static std::vector<WindowClass> registered;
    return registered;
}

// In creation order; FindWindowExA searches them newest first, as a new window goes on top.
std::vector<std::unique_ptr<HWND__>>& windows() {
    static std::vector<std::unique_ptr<HWND__>> created;
    return created;
}

const WindowClass* find_class(LPCSTR name) {
    for (const WindowClass& candidate : classes()) {
        if (same_name_ignoring_case(candidate.name, name)) {
            return &candidate;
        }
    }
    return nullptr;
}

bool is_window(HWND window) {
    for (const auto& candidate : windows()) {
        if (candidate.get() == window) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr ||
        lpWndClass->lpfnWndProc == nullptr || find_class(lpWndClass->lpszClassName) != nullptr) {
        return 0;
    }
    classes().push_back({lpWndClass->lpszClassName, lpWndClass->lpfnWndProc});
    return static_cast<ATOM>(0xC000 + classes().size());
}

extern "C" BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
    if (lpClassName == nullptr) {
        return FALSE;
    }
    for (const auto& window : windows()) {
        if (same_name_ignoring_case(window->class_name, lpClassName)) {
            return FALSE;  // still in use
        }
    }
    auto& registered = classes();
    for (auto it = registered.begin(); it != registered.end(); ++it) {
        if (same_name_ignoring_case(it->name, lpClassName)) {
            registered.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

extern "C" HWND WINAPI CreateWindowExA(DWORD, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD, int,
                                       int, int, int, HWND hWndParent, HMENU, HINSTANCE, LPVOID) {
    if (lpClassName == nullptr) {
        return nullptr;
    }
    const WindowClass* window_class = find_class(lpClassName);
    if (window_class == nullptr || (hWndParent != nullptr && !is_window(hWndParent))) {
        return nullptr;
    }
    windows().push_back(
        std::make_unique<HWND__>(HWND__{window_class->name, lpWindowName ? lpWindowName : "",
                                        window_class->procedure, hWndParent}));
    return windows().back().get();
}

extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) {
    auto& created = windows();
    for (auto it = created.begin(); it != created.end(); ++it) {
        if (it->get() == hWnd) {
            created.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

extern "C" HWND WINAPI FindWindowExA(HWND hWndParent, HWND hWndChildAfter, LPCSTR lpszClass,
                                     LPCSTR lpszWindow) {
    bool searching = hWndChildAfter == nullptr;
    const auto& created = windows();
    for (auto newest = created.rbegin(); newest != created.rend(); ++newest) {
        const auto& window = *newest;
        if (!searching) {
            searching = window.get() == hWndChildAfter;
            continue;
        }
        if (window->parent == hWndParent &&
            (lpszClass == nullptr || same_name_ignoring_case(window->class_name, lpszClass)) &&
            (lpszWindow == nullptr || window->title == lpszWindow)) {
            return window.get();
        }
    }
    return nullptr;
}

extern "C" LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!is_window(hWnd)) {
        return 0;
    }
    return hWnd->procedure(hWnd, Msg, wParam, lParam);
}

extern "C" LRESULT WINAPI DefWindowProcA(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}
