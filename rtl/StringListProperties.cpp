#include "rtl/StringListProperties.h"

namespace rtl {

void TStringListProperties::DefineProperties(TPropertyDefiner& filer) {
    filer.DefineProperty(
        "Strings",
        [this](TValueReader& reader) {
            reader.ReadListBegin();
            list_.Clear();
            while (!reader.EndOfList()) list_.Add(reader.ReadString());
            reader.ReadListEnd();
        },
        [this](TValueWriter& writer) {
            writer.WriteListBegin();
            for (const std::string& line : list_.Lines()) writer.WriteString(line);
            writer.WriteListEnd();
        },
        list_.Count() > 0);
}

}  // namespace rtl
