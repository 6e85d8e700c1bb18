#pragma once
// The licence agreement dialog: the licence text and the Agree and Disagree buttons, shown
// maximised and modally. Built from its description TFRMLICENSE; it has no code of its own.
#include "forms/Buttons.h"
#include "forms/Edits.h"
#include "forms/ExtCtrls.h"
#include "forms/Form.h"

namespace wizard {

class TfrmLicense : public forms::TForm {
public:
    explicit TfrmLicense(rtl::TComponent* owner);
    const char* ClassName() const override { return "TfrmLicense"; }

    forms::TPanel* pnLicense = nullptr;
    forms::TMemo* memLicense = nullptr;
    forms::TPanel* pnControl = nullptr;
    forms::TBevel* Bevel1 = nullptr;
    forms::TButton* btnAgree = nullptr;
    forms::TButton* btnDisagree = nullptr;

protected:
    const forms::PublishedTable& Published() const override;
};

// The licence dialog, created hidden after the wizard window.
extern TfrmLicense* frmLicense;

}  // namespace wizard
