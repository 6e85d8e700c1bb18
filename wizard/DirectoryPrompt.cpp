#include "wizard/DirectoryPrompt.h"

#include <iterator>
#include <memory>

#include "forms/Application.h"
#include "rtl/Paths.h"

namespace wizard {

TDirectoryPrompt::TDirectoryPrompt(rtl::TComponent* owner) : forms::TForm(owner) { Load(); }

const forms::PublishedTable& TDirectoryPrompt::Published() const {
    static const forms::PublishedHandler handlers[] = {
        KV_CLOSE_QUERY_HANDLER(TDirectoryPrompt, FormCloseQuery),
        KV_NOTIFY_HANDLER(TDirectoryPrompt, btnHelpClick),
    };
    static const forms::PublishedField fields[] = {
        KV_FIELD(TDirectoryPrompt, lbDirectory), KV_FIELD(TDirectoryPrompt, edDirectory),
        KV_FIELD(TDirectoryPrompt, btnHelp),     KV_FIELD(TDirectoryPrompt, btnOk),
        KV_FIELD(TDirectoryPrompt, btnCancel),
    };
    static const forms::PublishedTable table = {handlers, std::size(handlers), fields, std::size(fields)};
    return table;
}

void TDirectoryPrompt::FormCloseQuery(rtl::TComponent&, bool& canClose) {
    if (ModalResult() != forms::mrOk) return;
    if (rtl::FolderExists(rtl::StripTrailingBackslash(edDirectory->Text()))) return;
    canClose = false;
    edDirectory->SetFocus();
    edDirectory->SetSelection(0, static_cast<int32_t>(edDirectory->Text().size()));
}

void TDirectoryPrompt::btnHelpClick(rtl::TComponent&) {
    if (HelpContext != 0 && forms::Application) forms::Application->HelpContext(HelpContext);
}

bool SelectDirectory(std::string& directory, int32_t helpContext) {
    std::unique_ptr<TDirectoryPrompt> prompt(new TDirectoryPrompt(forms::Application));
    prompt->HelpContext = helpContext;
    prompt->btnHelp->SetVisible(helpContext != 0);
    prompt->edDirectory->SetText(directory);
    if (prompt->ShowModal() != forms::mrOk) return false;
    directory = rtl::StripTrailingBackslash(prompt->edDirectory->Text());
    return true;
}

}  // namespace wizard
