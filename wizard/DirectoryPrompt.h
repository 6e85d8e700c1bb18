#pragma once
// The toolkit's plain directory chooser, for a platform without the shell's folder browser (see
// BrowseForFolder): a modal prompt with the directory in an edit, OK, Cancel and, with a help
// context, Help. Built from its description TDIRECTORYPROMPT.
#include <cstdint>
#include <string>

#include "forms/Buttons.h"
#include "forms/Edits.h"
#include "forms/Form.h"
#include "forms/Label.h"

namespace wizard {

class TDirectoryPrompt : public forms::TForm {
public:
    explicit TDirectoryPrompt(rtl::TComponent* owner);
    const char* ClassName() const override { return "TDirectoryPrompt"; }

    forms::TLabel* lbDirectory = nullptr;
    forms::TEdit* edDirectory = nullptr;
    forms::TButton* btnHelp = nullptr;
    forms::TButton* btnOk = nullptr;
    forms::TButton* btnCancel = nullptr;

    // The topic that Help shows; 0: no Help button.
    int32_t HelpContext = 0;

    // OK closes only on a folder that exists; otherwise the prompt stays with its text selected.
    void FormCloseQuery(rtl::TComponent& sender, bool& canClose);
    void btnHelpClick(rtl::TComponent& sender);

protected:
    const forms::PublishedTable& Published() const override;
};

// Asks for a directory, starting with directory, with no options and the given help context.
// True and directory replaced by the one chosen (without a trailing backslash unless it is a
// drive root) after OK; false and directory unchanged after Cancel.
bool SelectDirectory(std::string& directory, int32_t helpContext);

}  // namespace wizard
