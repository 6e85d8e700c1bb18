// Windows built from their text descriptions: what a description may say, and how a wrong one
// fails with the stream format's own messages, also when it stops the installer's start-up.
#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>

#include "forms/Application.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "payload/InstTypes.h"
#include "platform/Resources.h"
#include "platform/Seam.h"
#include "platform/Ui.h"
#include "rtl/Exceptions.h"
#include "rtl/ObjectText.h"
#include "rtl/Streaming.h"
#include "wizard/Startup.h"

namespace {

// Serves a description, turned into its stream, as the resource of that name.
class DescriptionResource {
public:
    DescriptionResource(std::string name, const std::string& text)
        : name_(std::move(name)),
          find_(platform::Resources().findOwnRcData,
                [this](const std::string& name, platform::ResourceBytes* out) {
                    if (name != name_) return find_.Original()(name, out);
                    out->data = stream_.Memory();
                    out->size = static_cast<uint32_t>(stream_.Bytes().size());
                    return true;
                }) {
        rtl::ObjectTextToBinary(text, stream_);
    }

private:
    std::string name_;
    rtl::TMemoryStream stream_;
    platform::ScopedOverride<decltype(platform::ResourceApi::findOwnRcData)> find_;
};

class TProbeForm : public forms::TForm {
public:
    explicit TProbeForm(rtl::TComponent* owner) : forms::TForm(owner) { Load(); }
    const char* ClassName() const override { return "TProbeForm"; }
    void OkClick(rtl::TComponent&) { ++clicks; }
    void AskClose(rtl::TComponent&, bool& canClose) { canClose = false; }

    forms::TButton* btnOk = nullptr;
    int clicks = 0;

protected:
    const forms::PublishedTable& Published() const override {
        static const forms::PublishedHandler handlers[] = {KV_NOTIFY_HANDLER(TProbeForm, OkClick),
                                                           KV_CLOSE_QUERY_HANDLER(TProbeForm, AskClose)};
        static const forms::PublishedField fields[] = {KV_FIELD(TProbeForm, btnOk)};
        static const forms::PublishedTable table = {handlers, std::size(handlers), fields, std::size(fields)};
        return table;
    }
};

std::string Form(const std::string& body) { return "object ProbeForm: TProbeForm\n" + body + "\nend\n"; }
const std::string kButton = "object btnOk: TButton\n  Width = 75\n  Height = 25\n  Caption = 'OK'\n  OnClick = OkClick\nend";

// The message of the error that building the probe form from text raises; "(built)" otherwise.
std::string BuildError(const std::string& text) {
    forms::TApplication application;
    try {
        DescriptionResource resource("TPROBEFORM", text);
        application.CreateForm<TProbeForm>();
        return "(built)";
    } catch (const std::exception& e) {
        return e.what();
    }
}

TEST(FormDescription, ReferencesMayComeBeforeWhatTheyNameAndEventsReachTheHandlers) {
    forms::TApplication application;
    DescriptionResource resource("TPROBEFORM", Form("ActiveControl = btnOk\nOnCloseQuery = AskClose\n" + kButton));
    auto* form = application.CreateForm<TProbeForm>();
    form->Show();
    EXPECT_EQ(form->ActiveControl(), form->btnOk);
    SendMessageA(static_cast<HWND>(form->btnOk->Handle()), BM_CLICK, 0, 0);
    EXPECT_EQ(form->clicks, 1);
    EXPECT_FALSE(form->CloseQuery());
}

TEST(FormDescription, AWrongDescriptionFailsWithTheFormatsMessages) {
    struct Case {
        std::string text, error;
    } cases[] = {
        {Form(kButton + "\nobject Thing: TGadget\nend"), "Class TGadget not found"},
        {Form("object btnOk: TButton\n  Colour = 1\nend"), "Error reading btnOk.Colour: Property does not exist"},
        {Form("object btnOk: TButton\n  OnClick = NoSuchClick\nend"), "Error reading btnOk.OnClick: Invalid property value"},
        // A handler of another kind does not fit the event.
        {Form("object btnOk: TButton\n  OnClick = AskClose\nend"), "Error reading btnOk.OnClick: Invalid property value"},
        {Form("object btnOk: TButton\n  Align = alMiddle\nend"), "Error reading btnOk.Align: Invalid property value"},
        {Form("object btnOk: TButton\n  Default = 'yes'\nend"), "Error reading btnOk.Default: Invalid property value"},
        {Form("ActiveControl = btnGone\n" + kButton), "Error reading ProbeForm.ActiveControl: Invalid property value"},
        {Form(kButton + "\nobject btnOk: TButton\nend"), "A component named btnOk already exists"},
        {Form("object btnOk: TButton\n  object Inner: TButton\n  end\nend"), "Control Inner cannot be placed on btnOk"},
        {Form("object btnOther: TButton\nend"), "Form TProbeForm has no component btnOk of the expected class"},
        {Form("object btnOk: TLabel\nend"), "Form TProbeForm has no component btnOk of the expected class"},
        // A name that the integer does not know, a set given as a name or with an unknown
        // element, an event given as a string.
        {Form("object btnOk: TButton\n  Color = clPurple\nend"), "Error reading btnOk.Color: Invalid property value"},
        {Form("object btnOk: TButton\n  Font.Style = fsBold\nend"), "Error reading btnOk.Font.Style: Invalid property value"},
        {Form("object btnOk: TButton\n  Font.Style = [fsBold, fsBlink]\nend"),
         "Error reading btnOk.Font.Style: Invalid property value"},
        {Form("object btnOk: TButton\n  OnClick = 'OkClick'\nend"), "Error reading btnOk.OnClick: Invalid property value"},
    };
    for (const Case& c : cases) EXPECT_EQ(BuildError(c.text), c.error) << c.text;
}

TEST(FormDescription, TextThatIsNoDescriptionIsRefusedByLine) {
    struct Case {
        std::string text, error;
    } cases[] = {
        // Without the colon the class name is taken for a property, and "end" is no "=".
        {"object ProbeForm TProbeForm\nend", "Line 2: '=' expected"},
        {"object ProbeForm: TProbeForm\n  Caption = 'open\nend", "Line 2: String expected"},
        {"object ProbeForm: TProbeForm\n  Tag = ]\nend", "Line 2: Property value expected"},
        {"object ProbeForm: TProbeForm\n", "Line 2: 'end' expected"},
        {"object A: TProbeForm\nend\nobject B: TProbeForm\nend", "Line 3: End of text expected"},
    };
    for (const Case& c : cases) {
        rtl::TMemoryStream out;
        try {
            rtl::ObjectTextToBinary(c.text, out);
            ADD_FAILURE() << c.text;
        } catch (const rtl::EParserError& e) {
            EXPECT_EQ(e.Message(), c.error) << c.text;
        }
    }
}

TEST(FormDescription, AWindowThatCannotBeBuiltEndsTheInstallerWithItsMessage) {
    // A payload that loads, and a wizard description that names an unknown class.
    payload::TInstallerData data(nullptr);
    rtl::TMemoryStream payloadStream;
    rtl::WriteComponentStream(payloadStream, data);
    platform::ScopedOverride<decltype(platform::ResourceApi::findOwnRcData)> payload(
        platform::Resources().findOwnRcData, [&](const std::string& name, platform::ResourceBytes* out) {
            if (name != "install_data") return payload.Original()(name, out);
            out->data = payloadStream.Memory();
            out->size = static_cast<uint32_t>(payloadStream.Bytes().size());
            return true;
        });
    DescriptionResource broken("TMAINFORM", "object MainForm: TMainForm\nobject Gadget: TGadget\nend\nend");
    std::vector<std::string> boxes;
    platform::ScopedOverride<decltype(platform::UiApi::messageBox)> answer(
        platform::Ui().messageBox, [&](const std::string& text, const std::string& caption, uint32_t flags) {
            boxes.push_back(caption + "|" + text + "|" + std::to_string(flags));
            return IDOK;
        });
    EXPECT_EQ(wizard::RunInstaller(), 1);
    EXPECT_EQ(boxes, std::vector<std::string>{"Korvane installer/uninstaller|Class TGadget not found.|16"});
    payload::InstallerData = nullptr;  // freed with the application
}

}  // namespace
