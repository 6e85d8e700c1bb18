// The removal of one IDE's installation, as Programs and Features starts it: the record beside
// the program says what to take back. The copy that removes the program once it has ended runs
// this same program, from a record of its own.
#include "removal/uninstall/Uninstaller.h"

#include <exception>

#include "hosts/ProductRecord.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/Ui.h"
#include "removal/RecordedFiles.h"
#include "removal/RemovalPlace.h"
#include "removal/RemovalRecord.h"
#include "removal/RemovalTexts.h"
#include "removal/SelfRemoval.h"
#include "removal/TakeBack.h"
#include "removal/UninstallEntry.h"
#include "removal/uninstall/ExitCodes.h"
#include "removal/uninstall/UninstallStrings.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "wizard/WizardTexts.h"

namespace removal {
namespace {

using namespace platform;

std::string Text(uint32_t id, const std::string& argument) {
    return rtl::Format(Resources().loadString(id), argument);
}

int Box(const std::string& text, uint32_t flags) { return Ui().messageBox(text, wizard::texts::ApplicationTitle, flags); }

// Where the copy stops removing folders: the product's folder, when the program lies below it.
std::string TopFolder(const std::string& folder) {
    const std::string product = ProductFolder();
    return !product.empty() && IsAtOrBelow(folder, product) ? product : folder;
}

// What is left stays listed, so that a second removal finishes the job.
void KeepWhatIsLeft(const TRemovalRecord& record, const std::string& recordFile, const std::string& program) {
    try {
        record.SaveToFile(recordFile);
        std::vector<std::string> files = record.Files.Lines();
        files.push_back(program);
        files.push_back(recordFile);
        UpdateEntrySize(record.Host, SizeKiB(files));
    } catch (const std::exception& e) {
        hosts::ShowWarning("%s", {e.what()});
    }
}

}  // namespace

int RunUninstaller() {
    const std::string program = Files().getModuleFileName();
    const std::string folder = rtl::FolderOf(program);
    const std::string recordFile = rtl::PathInFolder(folder, texts::RecordName);
    TRemovalRecord record;
    try {
        record.LoadFromFile(recordFile);
    } catch (const std::exception& e) {
        Box(Text(IDS_RECORD_UNREADABLE, e.what()), mb::Ok | mb::IconStop);
        return NotRemoved;
    }
    if (record.WaitFor != 0) {
        FinishAfterEnd(record, recordFile, program);
        return Removed;
    }

    if (Box(Text(IDS_REMOVE_QUESTION, record.Host), mb::YesNo | mb::IconQuestion) != mb::IdYes) return NotRemoved;
    if (Ui().windowClassExists(wizard::texts::IdeWindowClass)) {
        hosts::ShowWarning(Resources().loadString(IDS_IDE_RUNNING), {});
        return NotRemoved;
    }
    if (!TakeBack(record)) {
        KeepWhatIsLeft(record, recordFile, program);
        return RemovedInPart;
    }
    // Last, the entry, the record and the program itself.
    try {
        DeleteEntry(record.Host);
    } catch (const std::exception& e) {
        hosts::ShowWarning("%s", {e.what()});
        KeepWhatIsLeft(record, recordFile, program);
        return RemovedInPart;
    }
    // The record goes at once, so that the program, while it waits for its copy, lists nothing
    // more to take back; one that will not go is left to the copy.
    Files().deleteFile(recordFile);
    if (!RemoveAfterEnd(program, {program, recordFile}, TopFolder(folder))) {
        hosts::ShowWarning(texts::CannotDeleteFile, {program});
        return RemovedInPart;
    }
    Box(Text(IDS_REMOVED, record.Host), mb::Ok | mb::IconInformation);
    return Removed;
}

}  // namespace removal
