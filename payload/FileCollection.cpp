#include "payload/FolderMaker.h"
#include "payload/InstTypes.h"
#include "payload/PayloadConsts.h"
#include "payload/SafePath.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "rtl/TextRules.h"

namespace payload {

namespace {

// The tag stands right after the first backslash: \T\...
bool BelongsTo(const TFileHolder& item, const std::string& tag) { return rtl::StartsWithText(item.Name, "\\" + tag + "\\"); }

// One rule for the installer and the packing tools, so that a payload that packs also installs:
// every component of the stored name, the tag's too, must name a plain entry of its folder.
void CheckName(const TFileHolder& item) {
    if (!IsSafeRelativeName(item.Name)) throw rtl::EWriteError(rtl::Format(consts::SInvalidPayloadFileName, item.Name));
}

}  // namespace

std::unique_ptr<rtl::TCollectionItem> TFileCollection::CreateItem() { return std::make_unique<TFileHolder>(this); }

bool TFileCollection::HasFolder(const std::string& tag) const {
    for (int i = 0; i < Count(); ++i)
        if (BelongsTo(Item(i), tag)) return true;
    return false;
}

void TFileCollection::CheckNames() const {
    for (int i = 0; i < Count(); ++i) CheckName(Item(i));
}

void TFileCollection::ExtractFolder(const std::string& tag) {
    if (tag.empty()) return;

    // A damaged or hostile payload must not reach outside RootFolder: refuse it before writing.
    for (int i = 0; i < Count(); ++i)
        if (BelongsTo(Item(i), tag)) CheckName(Item(i));
    FolderMaker folders;
    for (int i = 0; i < Count(); ++i) {
        const TFileHolder& item = Item(i);
        if (!BelongsTo(item, tag)) continue;
        std::string destination = rtl::FolderPlus(RootFolder, item.Name.substr(tag.size() + 1));
        bool skip = false;
        if (OnExtractFile) OnExtractFile(*this, destination, skip);
        if (!skip) item.WriteToDisk(destination, folders);
    }
}

}  // namespace payload
