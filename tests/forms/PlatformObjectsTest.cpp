// The toolkit's platform objects: fonts that windows may still hold, and window classes that the
// platform refuses.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "forms/Font.h"
#include "forms/Win32Windows.h"
#include "rtl/Exceptions.h"

namespace {

// A child control that takes its parent's font holds the parent's handle: changing the font must
// not delete it under the child's feet, and blinking the colour must not make new ones.
TEST(Font, HandlesStayValidUntilTheFontGoesAndTheColourMakesNoNewOne) {
    HGDIOBJ first = nullptr;
    {
        forms::TFont font;
        first = static_cast<HGDIOBJ>(font.Handle());
        ASSERT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_FONT));
        font.SetColor(forms::clMaroon);
        EXPECT_EQ(font.Handle(), first);

        forms::TFont bigger;
        ASSERT_NE(bigger.StoredProperties(), nullptr);
        for (size_t i = 0; i < bigger.StoredProperties()->count; ++i)
            if (std::string(bigger.StoredProperties()->properties[i].name) == "Height")
                bigger.StoredProperties()->properties[i].setInteger(bigger, -20);
        font.Assign(bigger);
        EXPECT_NE(font.Handle(), first);
        EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_FONT)) << "the earlier handle is still held";
    }
    EXPECT_EQ(GetObjectType(first), 0u) << "freed with the font";
}

TEST(WindowClass, ARefusedRegistrationRaisesWithTheClassName) {
    const std::string name(300, 'K');  // longer than any class name the platform takes
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = name.c_str();
    try {
        forms::win::RegisterClassOnce(cls);
        ADD_FAILURE() << "registered";
    } catch (const rtl::EOSError& e) {
        EXPECT_STREQ(e.what(), ("Error registering window class " + name).c_str());
    }
}

}  // namespace
