// The folder browser: the shell's browser asked for, placed, subclassed and watched by the
// component; the window and shell operations are the platform's.
#include "wizard/BrowseFolderDlg.h"

#include <cstdio>
#include <exception>
#include <iterator>

#include "forms/Application.h"
#include "forms/Form.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "wizard/DirectoryPrompt.h"
#include "wizard/WizardTexts.h"

namespace wizard {
namespace {

constexpr size_t DisplayNameLength = 260;

const rtl::IdentValue BrowseKindValues[] = {{"bfFolders", bfFolders}, {"bfComputers", bfComputers}};
const rtl::IdentValue DialogPositionValues[] = {{"dpDefault", dpDefault}, {"dpScreenCenter", dpScreenCenter}};

TBrowseFolderDlg& AsDialog(rtl::TPersistent& o) { return static_cast<TBrowseFolderDlg&>(o); }
const TBrowseFolderDlg& AsDialog(const rtl::TPersistent& o) { return static_cast<const TBrowseFolderDlg&>(o); }

uint16_t LowWord(uintptr_t value) { return static_cast<uint16_t>(value & 0xFFFF); }
uint16_t HighWord(uintptr_t value) { return static_cast<uint16_t>((value >> 16) & 0xFFFF); }

// The system's text for an error code, without the line break and full stop it ends with.
std::string SystemErrorText(uint32_t code) {
    std::string text = platform::Shell().systemErrorMessage(code);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) text.pop_back();
    return text;
}

// The error of the last platform call that failed.
[[noreturn]] void RaiseLastOSError() {
    const uint32_t code = platform::Shell().lastError();
    if (code == 0) throw rtl::EOSError(texts::UnknownOSError);
    throw rtl::EOSError(rtl::Format(texts::OSError, code, SystemErrorText(code)));
}

// A failed HRESULT of the shell.
[[noreturn]] void RaiseShellError(int32_t result) {
    std::string text = SystemErrorText(static_cast<uint32_t>(result));
    if (text.empty()) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%.8X", static_cast<unsigned>(result));
        text = rtl::Format(texts::OleError, hex);
    }
    throw rtl::EOSError(text);
}

// An item the shell gave, released when it goes.
class ShellItemHolder {
public:
    explicit ShellItemHolder(platform::ShellItem item) : item_(item) {}
    ~ShellItemHolder() {
        if (item_) platform::Shell().freeItem(item_);
    }
    ShellItemHolder(const ShellItemHolder&) = delete;
    ShellItemHolder& operator=(const ShellItemHolder&) = delete;

private:
    platform::ShellItem item_;
};

// An error inside a platform callback cannot go back through the platform's frames: it is shown
// in the application's error box, as one from any event handler.
void ShowCallbackError(const std::exception& error) {
    if (forms::Application) forms::Application->HandleException(error);
}

}  // namespace

const rtl::IdentTable BrowseKindIdents = {BrowseKindValues, std::size(BrowseKindValues)};
const rtl::IdentTable DialogPositionIdents = {DialogPositionValues, std::size(DialogPositionValues)};

TBrowseFolderDlg::TBrowseFolderDlg(rtl::TComponent* owner)
    : rtl::TComponent(owner), DisplayName_(DisplayNameLength, '\0') {
    WindowProcThunk_ = std::make_unique<platform::WindowMessageHandler>(
        [this](platform::WindowHandle, uint32_t msg, uintptr_t wParam, intptr_t lParam) -> intptr_t {
            TMessage message;
            message.Msg = msg;
            message.WParam = wParam;
            message.LParam = lParam;
            try {
                BrowserWindowProc(message);
            } catch (const std::exception& e) {
                ShowCallbackError(e);
            }
            return message.Result;
        });
}

TBrowseFolderDlg::~TBrowseFolderDlg() = default;

const rtl::PropertyTable* TBrowseFolderDlg::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::EnumProperty(
            "BrowseKind", [](const rtl::TPersistent& o) -> int32_t { return AsDialog(o).BrowseKind; },
            [](rtl::TPersistent& o, int32_t v) { AsDialog(o).BrowseKind = static_cast<TBrowseKind>(v); },
            &BrowseKindIdents, bfFolders),
        rtl::BooleanProperty("DesktopRoot", rtl::GetBoolField<TBrowseFolderDlg, &TBrowseFolderDlg::DesktopRoot>,
                             rtl::SetBoolField<TBrowseFolderDlg, &TBrowseFolderDlg::DesktopRoot>, true),
        rtl::StringProperty(
            "DialogText", [](const rtl::TPersistent& o) { return AsDialog(o).DialogText; },
            [](rtl::TPersistent& o, const std::string& v) { AsDialog(o).DialogText = v; }),
        rtl::StringProperty(
            "FolderName", [](const rtl::TPersistent& o) { return AsDialog(o).FolderName; },
            [](rtl::TPersistent& o, const std::string& v) { AsDialog(o).FolderName = v; }),
        rtl::IntegerProperty("HelpContext", rtl::GetIntegerField<TBrowseFolderDlg, &TBrowseFolderDlg::HelpContext>,
                             rtl::SetIntegerField<TBrowseFolderDlg, &TBrowseFolderDlg::HelpContext>, 0),
        rtl::EnumProperty(
            "Position", [](const rtl::TPersistent& o) -> int32_t { return AsDialog(o).Position; },
            [](rtl::TPersistent& o, int32_t v) { AsDialog(o).Position = static_cast<TDialogPosition>(v); },
            &DialogPositionIdents, dpScreenCenter),
        rtl::ReferenceProperty("OnInitialized",
                               [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
                                   return forms::BindNotifyEvent(AsDialog(o).OnInitialized, root, name);
                               }),
        rtl::ReferenceProperty("OnSelChanged",
                               [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
                                   return forms::BindNotifyEvent(AsDialog(o).OnSelChanged, root, name);
                               }),
    };
    static const rtl::PropertyTable table = {rtl::TComponent::StoredProperties(), properties, std::size(properties)};
    return &table;
}

bool TBrowseFolderDlg::RunBrowser() {
    platform::ShellApi& shell = platform::Shell();
    const platform::WindowHandle applicationWindow = forms::Application ? forms::Application->Handle() : nullptr;

    // 1. The root of the tree: the desktop (none), the network or the computer's drives.
    platform::ShellItem root = nullptr;
    if (!(DesktopRoot && BrowseKind == bfFolders)) {
        const int32_t folder = BrowseKind == bfComputers ? platform::csidl::Network : platform::csidl::Drives;
        const int32_t result = shell.specialFolderLocation(applicationWindow, folder, &root);
        if (result < 0) {
            if (root) shell.freeItem(root);
            RaiseShellError(result);
        }
    }
    ShellItemHolder rootHolder(root);

    // 2, 3. The request.
    DisplayName_.assign(DisplayNameLength, '\0');
    platform::BrowseRequest request;
    request.owner = applicationWindow;
    request.root = root;
    request.displayName = DisplayName_.data();
    request.title = DialogText.empty() ? nullptr : DialogText.c_str();
    request.flags = BrowseKind == bfComputers ? platform::browse::BrowseForComputer
                                              : platform::browse::ReturnOnlyFsDirs | platform::browse::ReturnFsAncestors;
    request.callback = [this](platform::WindowHandle window, uint32_t message, intptr_t param) {
        return BrowseCallback(window, message, param);
    };

    // 4. The browser runs over the disabled windows of the application; whatever happens, the
    // component is idle again, the windows are enabled and the window that was active is again.
    platform::ShellItem item = nullptr;
    {
        class Browsing {
        public:
            explicit Browsing(TBrowseFolderDlg& dialog)
                : dialog_(dialog), previous_(platform::Shell().activeWindow()), disabled_(nullptr) {}
            ~Browsing() {
                dialog_.DialogWindow_ = nullptr;
                dialog_.PreviousWindowProc_ = nullptr;
                disabled_.Restore();
                if (previous_) platform::Shell().setActiveWindow(previous_);
            }

        private:
            TBrowseFolderDlg& dialog_;
            platform::WindowHandle previous_;
            forms::TaskWindows disabled_;
        } browsing(*this);
        item = shell.browseForFolder(request);
    }

    // 5. The choice.
    if (!item) return false;
    ShellItemHolder itemHolder(item);
    if (BrowseKind == bfFolders) {
        std::string path;
        if (!shell.pathFromItem(item, &path)) RaiseLastOSError();
        FolderName = rtl::StripTrailingBackslash(path);
    } else {
        FolderName = DisplayName_.c_str();
    }
    SelectedPath_ = FolderName;
    SelectedImageIndex_ = request.imageIndex;
    return true;
}

int32_t TBrowseFolderDlg::BrowseCallback(platform::WindowHandle window, uint32_t message, intptr_t param) {
    try {
        if (message == platform::browse::Initialized)
            BrowserInitialized(window);
        else if (message == platform::browse::SelChanged)
            SelectionChanged(window, reinterpret_cast<platform::ShellItem>(param));
    } catch (const std::exception& e) {
        ShowCallbackError(e);
    }
    return 0;
}

void TBrowseFolderDlg::BrowserInitialized(platform::WindowHandle window) {
    platform::ShellApi& shell = platform::Shell();
    // 1. Centred on the screen, each half truncated toward zero.
    if (Position == dpScreenCenter) {
        const platform::Rect bounds = shell.windowRect(window);
        const int32_t width = bounds.right - bounds.left;
        const int32_t height = bounds.bottom - bounds.top;
        shell.moveWindow(window, (shell.screenWidth() - width) / 2, (shell.screenHeight() - height) / 2);
    }
    // 2. Its messages come to the component from now on.
    DialogWindow_ = window;
    PreviousWindowProc_ = shell.replaceWindowProc(window, WindowProcThunk_.get());
    // 3. The start folder, only when there is one; else the browser keeps its own first selection.
    if (BrowseKind == bfComputers || rtl::FolderExists(FolderName))
        SendToBrowser(platform::browse::SetSelectionA, 1, reinterpret_cast<intptr_t>(FolderName.c_str()));
    // 4. The Help button.
    if (HelpContext != 0) AddHelpButton();
    // 5.
    if (OnInitialized) OnInitialized(*this);
}

void TBrowseFolderDlg::AddHelpButton() {
    platform::ShellApi& shell = platform::Shell();
    const platform::WindowHandle first = shell.findChildWindow(DialogWindow_, texts::BrowserButtonClass);
    if (!first) return;
    const platform::Rect bounds = shell.screenToClient(DialogWindow_, shell.windowRect(first));
    const platform::WindowHandle button = shell.createChildWindow(
        texts::BrowserButtonClass, texts::BrowserHelpCaption,
        platform::ws::Child | platform::ws::Visible | platform::ws::ClipSiblings | platform::ws::TabStop, 12,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, DialogWindow_, HelpButtonId);
    if (button) {
        const intptr_t font = shell.sendMessage(DialogWindow_, platform::wm::GetFont, 0, 0);
        shell.sendMessage(button, platform::wm::SetFont, static_cast<uintptr_t>(font), 1);
    }
    shell.updateWindow(DialogWindow_);
}

void TBrowseFolderDlg::SelectionChanged(platform::WindowHandle window, platform::ShellItem item) {
    DialogWindow_ = window;
    if (BrowseKind == bfComputers) {
        SelectedPath_ = DisplayName_.c_str();
    } else {
        std::string path;
        if (platform::Shell().pathFromItem(item, &path)) {
            SelectedPath_ = path;
            SendToBrowser(platform::browse::EnableOk, 0, rtl::FolderExists(SelectedPath_) ? 1 : 0);
        } else {
            SelectedPath_.clear();
            SendToBrowser(platform::browse::EnableOk, 0, 0);
        }
    }
    if (OnSelChanged) OnSelChanged(*this);
}

void TBrowseFolderDlg::SendToBrowser(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (DialogWindow_) platform::Shell().sendMessage(DialogWindow_, message, wParam, lParam);
}

void TBrowseFolderDlg::BrowserWindowProc(TMessage& message) { Dispatch(message); }

void TBrowseFolderDlg::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case platform::wm::Command: WMCommand(message); break;
        case platform::wm::NcDestroy: WMNCDestroy(message); break;
        default: DefaultHandler(message); break;
    }
}

void TBrowseFolderDlg::DefaultHandler(TMessage& message) {
    if (!DialogWindow_) return;
    message.Result = platform::Shell().callWindowProc(PreviousWindowProc_, DialogWindow_, message.Msg, message.WParam,
                                                      message.LParam);
}

void TBrowseFolderDlg::WMCommand(TMessage& message) {
    if (LowWord(message.WParam) == HelpButtonId && HighWord(message.WParam) == platform::bn::Clicked &&
        HelpContext != 0) {
        if (forms::Application) forms::Application->HelpContext(HelpContext);
        return;
    }
    DefaultHandler(message);
}

void TBrowseFolderDlg::WMNCDestroy(TMessage& message) {
    DefaultHandler(message);
    DialogWindow_ = nullptr;
}

bool BrowseForFolder(std::string& folder, const std::string& title, int32_t helpContext) {
    if (!platform::Shell().folderBrowserAvailable()) return SelectDirectory(folder, helpContext);
    std::unique_ptr<TBrowseFolderDlg> dialog(new TBrowseFolderDlg(forms::Application));
    dialog->DialogText = title;
    dialog->FolderName = folder;
    dialog->HelpContext = helpContext;
    if (!dialog->RunBrowser()) return false;
    folder = dialog->FolderName;
    return true;
}

}  // namespace wizard
