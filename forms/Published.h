#pragma once
// What a window class publishes to its form description: the handlers that events may name and
// the members that controls of the description are bound to after reading, by name.
#include <cstddef>
#include <type_traits>

#include "rtl/Component.h"

namespace forms {

class TForm;

struct PublishedHandler {
    const char* name;
    // One of the two is set, after the handler's kind.
    void (*notify)(TForm& form, rtl::TComponent& sender);
    void (*closeQuery)(TForm& form, rtl::TComponent& sender, bool& canClose);
};

struct PublishedField {
    const char* name;
    // Stores the component in the member when it is of the member's class.
    bool (*bind)(TForm& form, rtl::TComponent* component);
};

struct PublishedTable {
    const PublishedHandler* handlers;
    size_t handlerCount;
    const PublishedField* fields;
    size_t fieldCount;
};

template <class Form, void (Form::*Method)(rtl::TComponent&)>
void CallNotify(TForm& form, rtl::TComponent& sender) {
    (static_cast<Form&>(form).*Method)(sender);
}

template <class Form, void (Form::*Method)(rtl::TComponent&, bool&)>
void CallCloseQuery(TForm& form, rtl::TComponent& sender, bool& canClose) {
    (static_cast<Form&>(form).*Method)(sender, canClose);
}

template <class Form, class Control, Control* Form::*Field>
bool BindField(TForm& form, rtl::TComponent* component) {
    auto* control = dynamic_cast<Control*>(component);
    if (!control) return false;
    static_cast<Form&>(form).*Field = control;
    return true;
}

}  // namespace forms

// Table entries that name a member once: the published name is the member's own.
#define KV_NOTIFY_HANDLER(Form, Method) {#Method, &::forms::CallNotify<Form, &Form::Method>, nullptr}
#define KV_CLOSE_QUERY_HANDLER(Form, Method) {#Method, nullptr, &::forms::CallCloseQuery<Form, &Form::Method>}
#define KV_FIELD(Form, Field) \
    {#Field, &::forms::BindField<Form, std::remove_pointer_t<decltype(Form::Field)>, &Form::Field>}
