#pragma once
// The shell's folder browser as a non-visual component, and BrowseForFolder, through which the
// two Browse buttons of the install path page use it.
#include <cstdint>
#include <memory>
#include <string>

#include "forms/Types.h"
#include "platform/Shell.h"
#include "rtl/Component.h"

namespace wizard {

enum TBrowseKind : int32_t { bfFolders, bfComputers };
enum TDialogPosition : int32_t { dpDefault, dpScreenCenter };
using THelpContext = int32_t;
extern const rtl::IdentTable BrowseKindIdents;
extern const rtl::IdentTable DialogPositionIdents;

// A message of the browser window on its way through the component's handlers; Result is the
// message's answer.
struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

class TBrowseFolderDlg : public rtl::TComponent {
public:
    // The control identifier of the Help button that the component adds to the browser.
    static constexpr uint16_t HelpButtonId = 0xFFFF;

    explicit TBrowseFolderDlg(rtl::TComponent* owner);
    ~TBrowseFolderDlg() override;
    const char* ClassName() const override { return "TBrowseFolderDlg"; }
    // BrowseKind, DesktopRoot, DialogText, FolderName, HelpContext, Position, OnInitialized,
    // OnSelChanged, in this order.
    const rtl::PropertyTable* StoredProperties() const override;

    // Published properties.
    TBrowseKind BrowseKind = bfFolders;     // file-system folders, or computers on the network
    bool DesktopRoot = true;                // bfFolders: the tree starts at the desktop, else at the drives
    std::string DialogText;                 // shown above the tree; none when empty
    std::string FolderName;                 // in: selected at first when it exists; out: the folder chosen
    THelpContext HelpContext = 0;           // not 0: the browser has a Help button showing this topic
    TDialogPosition Position = dpScreenCenter;
    forms::TNotifyEvent OnInitialized;      // the browser window is set up
    forms::TNotifyEvent OnSelChanged;       // after each change of selection

    // Shows the browser modally over the application's windows, which take no input meanwhile;
    // true when the user chose an item with OK (FolderName is then the choice: a file-system
    // folder without a trailing backslash unless it is a drive root). Raises when the shell gives
    // no root folder, or no path for the folder chosen.
    bool RunBrowser();

    // The browser window while it is open; empty otherwise.
    platform::WindowHandle DialogWindow() const { return DialogWindow_; }
    // The browser window's own procedure while the component has replaced it; empty otherwise.
    platform::WindowProcAddress PreviousWindowProc() const { return PreviousWindowProc_; }
    // The path of the item selected while browsing; the chosen folder afterwards.
    const std::string& SelectedPath() const { return SelectedPath_; }
    int32_t SelectedImageIndex() const { return SelectedImageIndex_; }
    // What the browser wrote into its display-name buffer, up to the terminating NUL.
    std::string DisplayName() const { return DisplayName_.c_str(); }

    // Every message of the subclassed browser window; hands it to the message dispatch.
    virtual void BrowserWindowProc(TMessage& message);

protected:
    // Routes a message to its handler, or to DefaultHandler when no handler takes it.
    void Dispatch(TMessage& message);
    // A message no handler takes: to the browser's own procedure while DialogWindow is set.
    virtual void DefaultHandler(TMessage& message);
    // WM_COMMAND: a click of the Help button shows the help topic; anything else goes on.
    void WMCommand(TMessage& message);
    // WM_NCDESTROY: goes on to the browser's procedure, then DialogWindow is empty.
    void WMNCDestroy(TMessage& message);

private:
    // The browse callback: answers 0 always.
    int32_t BrowseCallback(platform::WindowHandle window, uint32_t message, intptr_t param);
    void BrowserInitialized(platform::WindowHandle window);
    void SelectionChanged(platform::WindowHandle window, platform::ShellItem item);
    void AddHelpButton();
    // Sends a browser message while DialogWindow is set.
    void SendToBrowser(uint32_t message, uintptr_t wParam, intptr_t lParam);

    platform::WindowProcAddress PreviousWindowProc_ = nullptr;
    platform::WindowHandle DialogWindow_ = nullptr;
    // Made at construction, released at destruction: the window procedure of the subclassed
    // browser window, routing its messages to BrowserWindowProc.
    std::unique_ptr<platform::WindowMessageHandler> WindowProcThunk_;
    std::string DisplayName_;
    std::string SelectedPath_;
    int32_t SelectedImageIndex_ = 0;
};

// Lets the user choose a folder, starting at folder, in the shell's folder browser (centred,
// from the desktop, file-system folders only), or where the platform has none in the directory
// prompt (SelectDirectory). True and folder replaced by the choice when the user chose one;
// false and folder unchanged otherwise.
bool BrowseForFolder(std::string& folder, const std::string& title, int32_t helpContext);

}  // namespace wizard
