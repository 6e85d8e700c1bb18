// Taking back an installation: a shared value or file is put back byte for byte as it was before
// the first installation where nobody changed it since; where someone did, only the suite's part
// goes and their changes stay.
#include "removal/TakeBack.h"

#include <exception>
#include <functional>

#include "hosts/ProductRecord.h"
#include "platform/Files.h"
#include "removal/RecordedFiles.h"
#include "removal/RemovalTexts.h"
#include "removal/SharedText.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Streams.h"

namespace removal {
namespace {

using platform::regtype::ExpandSz;
using platform::regtype::Sz;

constexpr char UsersRoot[] = "HKEY_USERS\\";
constexpr char MachineRoot[] = "HKEY_LOCAL_MACHINE";
constexpr char MachineSoftware[] = "\\SOFTWARE";

[[noreturn]] void Unwritable(const std::string& key) {
    throw rtl::ERegistryException(rtl::Format(texts::UnableToWriteRegistry, key));
}

void PutBack(rtl::TRegistry& reg, const std::string& name, const rtl::RegistryValue& value, const std::string& key) {
    if (value.Exists())
        reg.WriteValue(name, value);
    else if (!reg.DeleteValue(name))
        Unwritable(key);
}

void TakeBackValue(const TRegistryEdit& edit) {
    rtl::TRegistry reg(platform::RegRoot::Users);
    const std::string key = UsersRoot + edit.Sid + "\\" + edit.Key;
    // A user who is not logged on has no hive below HKEY_USERS: a later removal reaches it.
    if (!reg.OpenKey("\\" + edit.Sid, false)) Unwritable(key);
    if (!reg.OpenKey(edit.Key, false)) return;  // the IDE's settings are gone
    const rtl::RegistryValue now = reg.ReadValue(edit.Value);
    if (now == edit.LeftValue() && edit.OriginalType != UnknownType) return PutBack(reg, edit.Value, edit.OriginalValue(), key);
    if (!now.Exists()) return;
    if (edit.Entry.empty()) return PutBack(reg, edit.Value, {}, key);  // the whole value is the suite's
    std::string data = now.data;
    if ((now.type == Sz || now.type == ExpandSz) && RemoveLastEntry(data, edit.Entry)) reg.WriteValue(edit.Value, {now.type, data});
}

void TakeBackText(const TFileEdit& edit) {
    if (platform::Files().getAttributes(edit.FileName) == platform::attr::Invalid) return;  // the IDE is gone
    const std::string now = rtl::ReadFileBytes(edit.FileName);
    std::string restored = now;
    if (now == edit.Left && edit.OriginalKnown)
        restored = edit.Original;
    else if (!edit.LineAdded || !RemoveFirstLine(restored, edit.Line))
        return;
    rtl::ReplaceFileBytes(edit.FileName, restored);
}

bool KeyIsEmpty(rtl::TRegistry& reg) { return reg.GetValueNames().empty() && reg.GetKeyNames().empty(); }

// The key with its subkeys, then the keys above it that it leaves empty, up to SOFTWARE.
void DeleteProductKey(const std::string& key) {
    {
        rtl::TRegistry reg(platform::RegRoot::LocalMachine);
        if (!reg.OpenKey(key, false)) return;
        reg.CloseKey();
        if (!reg.DeleteKey(key)) Unwritable(MachineRoot + key);
    }
    for (std::string parent = rtl::FolderOf(key); parent.size() > sizeof MachineSoftware - 1; parent = rtl::FolderOf(parent)) {
        rtl::TRegistry reg(platform::RegRoot::LocalMachine);
        if (!reg.OpenKey(parent, false) || !KeyIsEmpty(reg)) return;
        reg.CloseKey();
        reg.DeleteKey(parent);
    }
}

// Runs each step; one that fails is shown and counted, and the walk goes on.
class Steps {
public:
    bool Try(const std::function<void()>& step) {
        try {
            step();
            return true;
        } catch (const std::exception& e) {
            hosts::ShowWarning("%s", {e.what()});
            complete_ = false;
            return false;
        }
    }
    bool Complete() const { return complete_; }

private:
    bool complete_ = true;
};

// Items that were taken back leave the collection; the others stay, in their order.
template <class Item, class TakeItemBack>
void TakeBackEach(TEdits<Item>& edits, Steps& steps, TakeItemBack takeBack) {
    for (int i = 0; i < edits.Count();) {
        if (steps.Try([&] { takeBack(edits.At(i)); }))
            edits.Delete(i);
        else
            ++i;
    }
}

void TakeBackFiles(TRemovalRecord& record, Steps& steps) {
    std::vector<std::string> left;
    for (const std::string& file : record.Files.Lines())
        if (!steps.Try([&] { DeleteRecordedFile(file); })) left.push_back(file);
    RemoveEmptyFolders(record.Files.Lines(), record.InstallFolders.Lines());
    record.Files.Assign(left);
    // An install folder stays in the record while a file of the record is left in it.
    std::vector<std::string> folders;
    for (const std::string& folder : record.InstallFolders.Lines()) {
        bool holdsOne = false;
        for (const std::string& file : left) holdsOne = holdsOne || IsAtOrBelow(file, folder);
        if (holdsOne) folders.push_back(folder);
    }
    record.InstallFolders.Assign(folders);
}

}  // namespace

bool TakeBack(TRemovalRecord& record) {
    Steps steps;
    TakeBackEach(record.RegistryEdits, steps, TakeBackValue);
    TakeBackEach(record.FileEdits, steps, TakeBackText);
    if (!record.ProductKey.empty() && steps.Try([&] { DeleteProductKey(record.ProductKey); })) record.ProductKey.clear();
    TakeBackFiles(record, steps);
    return steps.Complete();
}

}  // namespace removal
