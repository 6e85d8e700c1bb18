#pragma once
// The application object: owns what lives for the whole run (the installer data, the windows),
// stands for the program on the task bar with a hidden window that carries its title and owns
// the forms, runs the message loop until the main form closes, and shows the default error box
// for an error that escapes an event handler.
#include <exception>
#include <string>
#include <vector>

#include "forms/Types.h"
#include "rtl/Component.h"

namespace forms {

class TForm;

class TApplication : public rtl::TComponent {
public:
    TApplication();
    // Destroys the forms and the data it owns, then its window; a quit request still in the
    // queue goes with it.
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    // Makes the hidden application window.
    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    WindowHandle Handle() const { return handle_; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <class Form>
    Form* CreateForm() {
        auto* form = new Form(this);
        if (!mainForm_) SetMainForm(form);
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and handles messages until the program is to end.
    void Run();
    // Waits for one message and handles it.
    void HandleMessage();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The default error box: stop icon, OK, the title as caption, the message with a full stop
    // added when its last character sorts after ".".
    void HandleException(const std::exception& error);
    void ShowException(const std::string& message);

    // The program's help file, and a topic of it through the platform's help engine.
    std::string HelpFile;
    bool HelpContext(int32_t context);

private:
    void SetMainForm(TForm* form);
    void Dispatch(void* message);

    std::string title_;
    WindowHandle handle_ = nullptr;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

// The one application object of the program (set while it exists).
extern TApplication* Application;

// Disables the program's other enabled top-level windows while a modal window runs, and gives
// them back when it goes (or on Restore).
class TaskWindows {
public:
    explicit TaskWindows(WindowHandle except);
    ~TaskWindows() { Restore(); }
    TaskWindows(const TaskWindows&) = delete;
    TaskWindows& operator=(const TaskWindows&) = delete;
    void Restore();

private:
    std::vector<WindowHandle> disabled_;
};

}  // namespace forms
