#include "removal/RecordedFiles.h"

#include <algorithm>
#include <set>

#include "platform/Files.h"
#include "removal/RemovalTexts.h"
#include "rtl/Backslash.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Paths.h"
#include "rtl/TextRules.h"

namespace removal {
namespace {

using platform::attr::Directory;
using platform::attr::Invalid;

constexpr uint32_t Protecting = platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::System;

}  // namespace

bool IsAtOrBelow(const std::string& path, const std::string& folder) {
    if (rtl::SameText(path, folder)) return true;
    // Below it: the path begins with the folder and a backslash of its own.
    const std::string prefix = rtl::PathInFolder(folder, "");
    return path.size() > prefix.size() && rtl::IsBackslashAt(path, prefix.size() - 1) &&
           rtl::SameText(path.substr(0, prefix.size()), prefix);
}

void DeleteRecordedFile(const std::string& path) {
    auto& files = platform::Files();
    const uint32_t attributes = files.getAttributes(path);
    if (attributes == Invalid || (attributes & Directory)) return;
    const bool unprotected = (attributes & Protecting) && files.setAttributes(path, attributes & ~Protecting);
    if (files.deleteFile(path)) return;
    if (files.getAttributes(path) == Invalid) return;  // gone after all
    if (unprotected) files.setAttributes(path, attributes);
    throw rtl::Exception(rtl::Format(texts::CannotDeleteFile, path));
}

std::vector<std::string> FoldersUpTo(const std::vector<std::string>& files, const std::vector<std::string>& tops) {
    std::set<std::string> folders;
    for (const std::string& file : files) {
        // The highest top folder that holds the file.
        const std::string* top = nullptr;
        for (const std::string& t : tops)
            if (IsAtOrBelow(file, t) && (!top || t.size() < top->size())) top = &t;
        if (!top) continue;
        for (std::string folder = rtl::FolderOf(file); IsAtOrBelow(folder, *top);) {
            folders.insert(folder);
            const std::string parent = rtl::FolderOf(folder);
            if (parent == folder) break;
            folder = parent;
        }
    }
    std::vector<std::string> deepestFirst(folders.begin(), folders.end());
    std::stable_sort(deepestFirst.begin(), deepestFirst.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    return deepestFirst;
}

void RemoveEmptyFolders(const std::vector<std::string>& files, const std::vector<std::string>& tops) {
    for (const std::string& folder : FoldersUpTo(files, tops)) platform::Files().removeDirectory(folder);
}

}  // namespace removal
