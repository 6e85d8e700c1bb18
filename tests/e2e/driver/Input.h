#pragma once
// A user's hands: keys and mouse clicks, given to the platform as input (SendInput), so that they
// reach the program that has the foreground through its own message loop.
#include <windows.h>

#include <string>

#include "tests/e2e/driver/Window.h"

namespace e2e {

// Brings the top-level window to the foreground, where keys go, and waits until it is there.
void Activate(const Window& top);

// A key pressed and released in top (VK_RETURN, VK_TAB, VK_ESCAPE, VK_DOWN...), with Shift
// held when asked.
void PressKey(const Window& top, WORD virtualKey, bool shift = false);
// Tab pressed, each time once the focus has moved, until target has the focus (at most tabs).
void TabTo(const Window& top, const Window& target, int tabs = 10);
// Alt held while letter is pressed: a menu or button mnemonic.
void PressAlt(const Window& top, char letter);
// Each character typed in turn into whatever has the focus in top; text beyond ASCII pasted
// through the clipboard (Ctrl+V).
void TypeText(const Window& top, const std::string& text);
// Replaces the text of the focused edit in top: Home, Shift+End, then the new text.
void ReplaceText(const Window& top, const std::string& text);

// The left mouse button clicked at the middle of a control.
void Click(const Window& control);
// The left mouse button clicked at a point of the screen inside top (a tree item, say).
void ClickAt(const Window& top, POINT at);
// The left mouse button clicked on the close box of a top-level window's title bar.
void ClickCloseBox(const Window& top);

}  // namespace e2e
