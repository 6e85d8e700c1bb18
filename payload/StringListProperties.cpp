#include "payload/StringListProperties.h"

namespace payload {

void TStringListProperties::DefineProperties(rtl::TPropertyDefiner& filer) {
    filer.DefineProperty(
        "Strings",
        [this](rtl::TValueReader& reader) {
            reader.ReadListBegin();
            list_.Clear();
            while (!reader.EndOfList()) list_.Add(reader.ReadString());
            reader.ReadListEnd();
        },
        [this](rtl::TValueWriter& writer) {
            writer.WriteListBegin();
            for (const std::string& line : list_.Lines()) writer.WriteString(line);
            writer.WriteListEnd();
        },
        list_.Count() > 0);
}

}  // namespace payload
