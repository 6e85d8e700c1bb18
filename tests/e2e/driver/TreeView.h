#pragma once
// A tree view of another program (the folder browser's), read as a user reads it: item texts,
// which item is selected, where an item lies on the screen. Its messages carry pointers that
// only the owner's address space can take, so they go through memory lent in that program.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/Window.h"

namespace e2e {

class TreeView {
public:
    explicit TreeView(const Window& tree);
    ~TreeView();
    TreeView(const TreeView&) = delete;
    TreeView& operator=(const TreeView&) = delete;

    // The item reached from the root's children through items with these texts (or ending in a
    // blank and the text, as a drive behind its volume label), each one opened on the way as its
    // plus box would open it; throws std::runtime_error when one is missing.
    HTREEITEM Find(const std::vector<std::string>& texts) const;
    std::string Text(HTREEITEM item) const;
    HTREEITEM Selected() const;
    // Scrolled into view; the middle of its text on the screen.
    POINT Middle(HTREEITEM item) const;

private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    Window tree_;
    HANDLE process_ = nullptr;
    char* lent_ = nullptr;  // in the owner's address space
};

}  // namespace e2e
