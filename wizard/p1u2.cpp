#include "wizard/p1u2.h"

#include <iterator>

#include "payload/InstTypes.h"
#include "wizard/p1u1.h"

namespace wizard {

TfrmLicense* frmLicense = nullptr;

TfrmLicense::TfrmLicense(rtl::TComponent* owner) : forms::TForm(owner) { Load(); }

const forms::PublishedTable& TfrmLicense::Published() const {
    static const forms::PublishedField fields[] = {
        KV_FIELD(TfrmLicense, pnLicense), KV_FIELD(TfrmLicense, memLicense), KV_FIELD(TfrmLicense, pnControl),
        KV_FIELD(TfrmLicense, Bevel1),    KV_FIELD(TfrmLicense, btnAgree),   KV_FIELD(TfrmLicense, btnDisagree),
    };
    static const forms::PublishedTable table = {nullptr, 0, fields, std::size(fields)};
    return table;
}

void TMainForm::ConfirmLicence() {
    frmLicense->memLicense->SetLines(payload::InstallerData->License().Lines());
    if (frmLicense->ShowModal() == forms::mrOk) return;
    // Refused: the program ends, without asking whether to.
    SkipExitQuestion_ = true;
    Close();
}

}  // namespace wizard
