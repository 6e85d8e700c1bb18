#pragma once
// Drives the windows that the code under test opens modally on the test's own thread: a second
// thread finds the window, reads and operates it through messages, and hands its observations
// back once the modal window has gone.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/WaitFor.h"
#include "tests/support/WindowText.h"

namespace test {

// The first visible top-level window of the thread whose class is className; nullptr if none.
HWND FindThreadWindow(DWORD threadId, const std::string& className);

// Child windows in the platform's order (GetWindow), direct children only.
std::vector<HWND> Children(HWND parent);
// A child window's rectangle in its parent's client coordinates.
RECT ClientRectOf(HWND child);

// Tree view items: the root, the children of an item, an item's text, the selected item.
HTREEITEM TreeRoot(HWND tree);
std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM item);
std::string TreeText(HWND tree, HTREEITEM item);
HTREEITEM TreeSelection(HWND tree);

// Presses a push button as a click does (BM_CLICK), from the driving thread, and returns when the
// button has been handled. The shell's browser ends its modal loop by itself; a toolkit form's
// loop looks at its modal result only after a queued message, so a form's buttons are pressed
// with PressQueued (queued as a real click's mouse messages are), which returns at once.
void Press(HWND button);
void PressQueued(HWND button);

// Runs script on a second thread with the id of the thread that will run the modal window. The
// destructor waits for the script. So that a script that went wrong cannot leave the test waiting
// for ever, a browser or prompt still open some seconds after the script is cancelled.
class Driver {
public:
    explicit Driver(std::function<void(DWORD uiThread)> script);
    ~Driver();
    void Join();
    // True when a window had to be cancelled after the script.
    bool LeftOpen() const { return leftOpen_; }

private:
    bool leftOpen_ = false;
    std::thread thread_;
};

}  // namespace test
