#include "payload/kvpack/Bind.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <tuple>
#include <vector>

#include "payload/InstTypes.h"
#include "payload/kvpack/KvpackConsts.h"
#include "payload/kvpack/PayloadSource.h"
#include "payload/kvpack/PeImage.h"
#include "platform/Resources.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Int32Size.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"
#include "rtl/TextRules.h"

namespace kvpack {
namespace {

using platform::FileResource;
using Resources = std::vector<FileResource>;

constexpr char RcDataType[] = "#10";
// Without these the template would bind a payload but never show a wizard.
constexpr const char* WizardDescriptions[] = {"TMAINFORM", "TFRMLICENSE"};

bool IsRcData(const FileResource& r, const char* name) { return r.type == RcDataType && rtl::SameAsciiName(r.name, name); }
bool IsPayload(const FileResource& r) { return IsRcData(r, consts::SPayloadResource); }

bool Has(const Resources& resources, const char* name) {
    return std::any_of(resources.begin(), resources.end(), [name](const FileResource& r) { return IsRcData(r, name); });
}

// The installer's own reader, as at start-up, and the extraction's name rule: what they refuse,
// bind refuses with their message.
BindResult ReadBack(const rtl::SharedBytes& stream) {
    payload::TInstallerData data(nullptr);
    rtl::TReadOnlyMemoryStream source(stream);
    rtl::ReadComponentStream(source, data);
    data.Files().CheckNames();
    return {data.Files().Count(), data.License().Count()};
}

PeImage ReadHeaders(const rtl::SharedBytes& image, const std::string& file) {
    PeImage pe;
    if (!ReadPeImage(image.data(), image.size(), &pe)) throw rtl::Exception(rtl::Format(consts::SNotAnInstaller, file));
    return pe;
}

// The template's resources; it must carry the resource to be replaced.
Resources TemplateResources(const std::string& templateFile, const PeImage& pe, const char* replaced) {
    // A signature covers the resources too: updating them would leave a broken one behind.
    if (pe.certificateTableSize != 0) throw rtl::Exception(rtl::Format(consts::SSignedTemplate, templateFile));
    Resources resources;
    if (!platform::Resources().listFileResources(templateFile, &resources) ||
        !Has(resources, consts::SPayloadResource) || !Has(resources, WizardDescriptions[0]) ||
        !Has(resources, WizardDescriptions[1]) || !Has(resources, replaced))
        throw rtl::Exception(rtl::Format(consts::SNotAnInstaller, templateFile));
    return resources;
}

// The bytes take the place of the first resource of the name, in its language; any other
// language's copy goes, so that no lookup can find the old one.
std::vector<platform::ResourceChange> Changes(const Resources& resources, const char* name, const rtl::SharedBytes& bytes) {
    std::vector<platform::ResourceChange> changes;
    for (const FileResource& r : resources) {
        if (!IsRcData(r, name)) continue;
        const bool first = changes.empty();
        changes.push_back({r.type, r.name, r.language, first ? bytes.data() : nullptr, first ? bytes.size() : 0});
    }
    return changes;
}

auto Key(const FileResource& r) { return std::make_tuple(r.type, r.name, r.language); }

bool SameBytes(const FileResource& a, const FileResource& b) {
    return a.bytes.size == b.bytes.size && std::equal(a.bytes.data.get(), a.bytes.data.get() + a.bytes.size, b.bytes.data.get());
}

// Every other resource as the template had it, and the replaced one exactly once.
bool ResourcesAsIntended(Resources before, Resources after, const char* name, const rtl::SharedBytes& bytes) {
    const auto isReplaced = [name](const FileResource& r) { return IsRcData(r, name); };
    const auto copies = std::count_if(after.begin(), after.end(), isReplaced);
    const auto replaced = std::find_if(after.begin(), after.end(), isReplaced);
    if (copies != 1 || replaced->bytes.size != bytes.size() ||
        !std::equal(bytes.begin(), bytes.end(), replaced->bytes.data.get()))
        return false;
    for (Resources* list : {&before, &after}) {
        list->erase(std::remove_if(list->begin(), list->end(), isReplaced), list->end());
        std::sort(list->begin(), list->end(), [](const FileResource& a, const FileResource& b) { return Key(a) < Key(b); });
    }
    return before.size() == after.size() &&
           std::equal(before.begin(), before.end(), after.begin(),
                      [](const FileResource& a, const FileResource& b) { return Key(a) == Key(b) && SameBytes(a, b); });
}

// A resource update may write the file with another file alignment; Wine then reads the sections
// whole before the program starts instead of mapping them. Laid out again, they map. The update
// may also leave the checksum of the template behind, which a template that had one gets afresh.
void RestoreLayout(const std::string& pending, const PeImage& templatePe, const std::string& outFile) {
    std::vector<uint8_t> restored;
    {
        const rtl::SharedBytes image = MapWholeFile(pending);
        const PeImage pe = ReadHeaders(image, outFile);
        if (IsPageAligned(templatePe) && !IsPageAligned(pe)) {
            if (!WithFileAlignment(image.data(), image.size(), templatePe.fileAlignment, &restored))
                throw rtl::Exception(rtl::Format(consts::SLayoutLost, outFile));
        } else if (templatePe.checksum != 0 && pe.checksum != PeChecksum(image.data(), image.size(), pe.checksumOffset)) {
            restored.assign(image.begin(), image.end());
            const uint32_t checksum = PeChecksum(image.data(), image.size(), pe.checksumOffset);
            for (int i = 0; i < 4; ++i) restored[pe.checksumOffset + i] = static_cast<uint8_t>(checksum >> (8 * i));
        } else {
            return;
        }
    }  // unmapped before it is written again
    rtl::TFileStream file(pending, rtl::FileMode::Create);
    file.WriteBuffer(restored.data(), rtl::Int32Size(restored.size()));
}

// The written file as the installer will see it. It is loaded only while it is checked, so that
// nothing holds it when it takes the target's place.
void CheckBound(const std::string& pending, const Resources& before, const char* name, const rtl::SharedBytes& bytes,
                const PeImage& templatePe, const std::string& outFile) {
    RestoreLayout(pending, templatePe, outFile);
    Resources after;
    if (!platform::Resources().listFileResources(pending, &after) || !ResourcesAsIntended(before, after, name, bytes))
        throw rtl::Exception(rtl::Format(consts::SBindNotReadBack, outFile));
    const auto payload = std::find_if(after.begin(), after.end(), IsPayload);
    ReadBack(rtl::SharedBytes(payload->bytes.data, payload->bytes.size));
}

// A copy of the template whose resource of that name holds the bytes.
void BindResource(const std::string& templateFile, const char* name, const rtl::SharedBytes& bytes,
                  const std::string& outFile) {
    if (rtl::SameText(templateFile, outFile)) throw rtl::Exception(rtl::Format(consts::SOutIsTemplate, outFile));
    const rtl::SharedBytes image = MapWholeFile(templateFile);
    const PeImage pe = ReadHeaders(image, templateFile);
    const Resources before = TemplateResources(templateFile, pe, name);
    const std::vector<platform::ResourceChange> changes = Changes(before, name, bytes);
    rtl::ReplaceFileContents(
        outFile, [&image](rtl::TStream& out) { out.WriteBuffer(image.data(), rtl::Int32Size(image.size())); },
        [&](const std::string& pending) {
            if (!platform::Resources().updateFileResources(pending, changes))
                throw rtl::Exception(rtl::Format(consts::SUpdateFailed, outFile));
            CheckBound(pending, before, name, bytes, pe, outFile);
        });
}

}  // namespace

BindResult BindPayload(const std::string& templateFile, const rtl::SharedBytes& stream, const std::string& outFile) {
    const BindResult result = ReadBack(stream);
    BindResource(templateFile, consts::SPayloadResource, stream, outFile);
    return result;
}

void BindUninstaller(const std::string& templateFile, const std::string& uninstallerFile, const std::string& outFile) {
    const rtl::SharedBytes program = MapWholeFile(uninstallerFile);
    PeImage pe;
    if (!ReadPeImage(program.data(), program.size(), &pe))
        throw rtl::Exception(rtl::Format(consts::SNotAProgram, uninstallerFile));
    BindResource(templateFile, consts::SUninstallerResource, program, outFile);
}

rtl::SharedBytes CarriedUninstaller(const std::string& installerFile) {
    platform::MappedBytes bytes;
    if (!platform::Resources().readFileRcData(installerFile, consts::SUninstallerResource, &bytes))
        throw rtl::Exception(rtl::Format(consts::SNotAnInstaller, installerFile));
    return rtl::SharedBytes(bytes.data, bytes.size);
}

}  // namespace kvpack
