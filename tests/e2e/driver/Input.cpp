#include "tests/e2e/driver/Input.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tests/e2e/driver/Wait.h"

namespace e2e {
namespace {

INPUT Key(WORD virtualKey, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = virtualKey;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

INPUT Character(wchar_t c, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = c;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

INPUT Mouse(POINT at, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return in;
}

void Send(std::vector<INPUT> inputs) {
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw std::runtime_error("the platform refused the input");
}

// Keys held for the chord, the chord's key, then the held keys released in reverse order.
void Chord(const Window& top, std::vector<WORD> held, WORD virtualKey) {
    Activate(top);
    std::vector<INPUT> inputs;
    for (WORD k : held) inputs.push_back(Key(k, false));
    inputs.push_back(Key(virtualKey, false));
    inputs.push_back(Key(virtualKey, true));
    for (auto k = held.rbegin(); k != held.rend(); ++k) inputs.push_back(Key(*k, true));
    Send(inputs);
}

void ClickPoint(POINT at) {
    // Two clicks at one place within the double-click time are a double click, which an edit
    // takes without taking the focus: a second single click waits that time out.
    static POINT lastAt{-1, -1};
    static auto lastTime = std::chrono::steady_clock::time_point();
    const auto doubleClickTime = std::chrono::milliseconds(GetDoubleClickTime() + 50);
    if (std::abs(at.x - lastAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(at.y - lastAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK))
        std::this_thread::sleep_until(lastTime + doubleClickTime);
    Send({Mouse(at, MOUSEEVENTF_MOVE), Mouse(at, MOUSEEVENTF_LEFTDOWN), Mouse(at, MOUSEEVENTF_LEFTUP)});
    lastAt = at;
    lastTime = std::chrono::steady_clock::now();
}

// Keys go to the focus of the active window: ready when top is active and the focus lies in it
// (or nowhere, when the control that had it was disabled). A window just shown may still be
// setting its focus.
bool ReadyForKeys(const Window& top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetForegroundWindow() != top.Handle() ||
        !GetGUIThreadInfo(GetWindowThreadProcessId(top.Handle(), nullptr), &info) || info.hwndActive != top.Handle())
        return false;
    return !info.hwndFocus || info.hwndFocus == top.Handle() || IsChild(top.Handle(), info.hwndFocus);
}

// Text beyond ASCII goes in as a user pastes it: typed as keys, a double-byte letter reaches the
// edit field of a program with an ANSI message loop as two letters under Wine, where Windows has
// its input method hand over the whole letter.
void Paste(const Window& top, const std::string& text) {
    static const HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length) * sizeof(wchar_t));
    if (!memory) throw std::runtime_error("no memory for the clipboard");
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, static_cast<wchar_t*>(GlobalLock(memory)), length);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        throw std::runtime_error("the clipboard is not to be had");
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the clipboard owns it now
    CloseClipboard();
    if (!placed) {
        GlobalFree(memory);
        throw std::runtime_error("the clipboard refused the text");
    }
    Chord(top, {VK_CONTROL}, 'V');
}

}  // namespace

void Activate(const Window& top) {
    // Asked again while waiting: a request can be lost while another window (of another Wine
    // prefix on the same display, say) is being activated.
    WaitUntil(
        [&] {
            if (ReadyForKeys(top)) return true;
            if (GetForegroundWindow() != top.Handle()) SetForegroundWindow(top.Handle());
            return false;
        },
        top.ClassName() + " in the foreground with the focus");
}

void PressKey(const Window& top, WORD virtualKey, bool shift) {
    Chord(top, shift ? std::vector<WORD>{VK_SHIFT} : std::vector<WORD>{}, virtualKey);
}

void TabTo(const Window& top, const Window& target, int tabs) {
    for (int tab = 0; tab < tabs && !target.Focused(); ++tab) {
        const Window before = FocusOf(top);
        PressKey(top, VK_TAB);
        WaitUntil([&] { return !(FocusOf(top) == before); }, "the focus to move on Tab");
    }
    if (!target.Focused()) throw std::runtime_error("Tab did not lead to the " + target.ClassName());
}

void PressAlt(const Window& top, char letter) {
    Chord(top, {VK_MENU}, static_cast<WORD>(VkKeyScanA(letter) & 0xFF));
}

void TypeText(const Window& top, const std::string& text) {
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; }))
        return Paste(top, text);
    Activate(top);
    std::vector<INPUT> inputs;
    for (unsigned char c : text) {
        inputs.push_back(Character(c, false));
        inputs.push_back(Character(c, true));
    }
    Send(inputs);
}

void ReplaceText(const Window& top, const std::string& text) {
    PressKey(top, VK_HOME);
    PressKey(top, VK_END, true);
    TypeText(top, text);
}

void Click(const Window& control) {
    // A window under a modal box that has just closed takes clicks only once it is enabled again.
    const Window top(GetAncestor(control.Handle(), GA_ROOT));
    WaitUntil([&] { return top.Enabled() && control.Enabled(); }, "an enabled " + control.ClassName() + " to click");
    Activate(top);
    ClickPoint(control.Centre());
}

void ClickAt(const Window& top, POINT at) {
    Activate(top);
    ClickPoint(at);
}

void ClickCloseBox(const Window& top) {
    // The close box is where the window itself says HTCLOSE, found along the title bar's middle.
    RECT r = top.ScreenRect();
    const int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = r.right - 1; x > r.right - 100 && x > r.left; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutA(top.Handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit);
        if (hit == HTCLOSE) {
            Activate(top);
            ClickPoint({x - GetSystemMetrics(SM_CXSIZE) / 4, y});
            return;
        }
    }
    throw std::runtime_error("no close box on " + top.ClassName());
}

}  // namespace e2e
