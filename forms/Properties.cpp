#include "forms/Properties.h"

#include "forms/Control.h"
#include "forms/Form.h"

namespace forms {

rtl::PropertyInfo CaptionProperty() {
    return rtl::StringProperty(
        "Caption", [](const rtl::TPersistent& o) { return As<TControl>(o).Caption(); },
        [](rtl::TPersistent& o, const std::string& v) { As<TControl>(o).SetCaption(v); });
}

rtl::PropertyInfo OnClickProperty() {
    return rtl::ReferenceProperty("OnClick", [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
        return BindNotifyEvent(As<TControl>(o).OnClick, root, name);
    });
}

}  // namespace forms
