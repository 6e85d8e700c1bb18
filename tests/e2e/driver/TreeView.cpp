#include "tests/e2e/driver/TreeView.h"

#include <cstring>
#include <stdexcept>

namespace e2e {
namespace {

constexpr SIZE_T LentSize = 4096;
constexpr SIZE_T TextOffset = 1024;  // the item record first, its text behind it

// A drive is shown with its volume label (empty here) before its name: " (C:)".
bool Shows(const std::string& text, const std::string& wanted) {
    return text == wanted || (text.size() > wanted.size() && text.compare(text.size() - wanted.size(), wanted.size(), wanted) == 0 &&
                              text[text.size() - wanted.size() - 1] == ' ');
}

}  // namespace

TreeView::TreeView(const Window& tree) : tree_(tree) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, tree.ProcessId());
    if (!process_) throw std::runtime_error("cannot reach the tree view's program");
    lent_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, LentSize, MEM_COMMIT, PAGE_READWRITE));
    if (!lent_) {
        CloseHandle(process_);
        throw std::runtime_error("cannot lend memory in the tree view's program");
    }
}

TreeView::~TreeView() {
    VirtualFreeEx(process_, lent_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

LRESULT TreeView::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(tree_.Handle(), message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
        throw std::runtime_error("the tree view did not answer");
    return static_cast<LRESULT>(result);
}

std::string TreeView::Text(HTREEITEM item) const {
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = lent_ + TextOffset;
    request.cchTextMax = static_cast<int>(LentSize - TextOffset);
    char text[LentSize - TextOffset] = {};
    if (!WriteProcessMemory(process_, lent_, &request, sizeof request, nullptr) ||
        !Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(lent_)) ||
        !ReadProcessMemory(process_, lent_ + TextOffset, text, sizeof text - 1, nullptr))
        throw std::runtime_error("cannot read a tree item's text");
    return text;
}

HTREEITEM TreeView::Find(const std::vector<std::string>& texts) const {
    HTREEITEM parent = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (const std::string& wanted : texts) {
        Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
        HTREEITEM item = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
        while (item && !Shows(Text(item), wanted))
            item = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
        if (!item) throw std::runtime_error("no \"" + wanted + "\" in the folder tree");
        parent = item;
    }
    return parent;
}

HTREEITEM TreeView::Selected() const { return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)); }

POINT TreeView::Middle(HTREEITEM item) const {
    Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    RECT r{};
    std::memcpy(&r, &item, sizeof item);
    if (!WriteProcessMemory(process_, lent_, &r, sizeof r, nullptr) ||
        !Send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(lent_)) ||
        !ReadProcessMemory(process_, lent_, &r, sizeof r, nullptr))
        throw std::runtime_error("cannot find where a tree item lies");
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tree_.Handle(), &middle);
    return middle;
}

}  // namespace e2e
