#pragma once
// The application object: owns what lives for the whole run (the installer data now, the windows
// once the wizard exists) and destroys it when the program ends.
#include <string>

#include "rtl/Component.h"

namespace wizard {

class TApplication : public rtl::TComponent {
public:
    TApplication() : rtl::TComponent(nullptr) {}
    const char* ClassName() const override { return "TApplication"; }

    std::string Title;
};

}  // namespace wizard
