#include "forms/ToolkitClasses.h"

#include <iterator>

#include "forms/Buttons.h"
#include "forms/Edits.h"
#include "forms/ExtCtrls.h"
#include "forms/Label.h"
#include "forms/Timer.h"

namespace forms {

const rtl::ClassList& ToolkitClasses() {
    static const rtl::ClassEntry entries[] = {
        {"TBevel", rtl::CreateComponent<TBevel>},
        {"TButton", rtl::CreateComponent<TButton>},
        {"TCheckBox", rtl::CreateComponent<TCheckBox>},
        {"TEdit", rtl::CreateComponent<TEdit>},
        {"TLabel", rtl::CreateComponent<TLabel>},
        {"TMemo", rtl::CreateComponent<TMemo>},
        {"TNotebook", rtl::CreateComponent<TNotebook>},
        {"TPage", rtl::CreateComponent<TPage>},
        {"TPanel", rtl::CreateComponent<TPanel>},
        {"TRadioButton", rtl::CreateComponent<TRadioButton>},
        {"TSpeedButton", rtl::CreateComponent<TSpeedButton>},
        {"TTimer", rtl::CreateComponent<TTimer>},
    };
    static const rtl::ClassList list = {entries, std::size(entries)};
    return list;
}

}  // namespace forms
