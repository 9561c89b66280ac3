#include "framework/application.h"
#include "launcher/main.h"
#include "tests/support/pump.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(MainForm, PublishesItsThreeFieldsAndTwoHandlersOnly) {
    const ComponentClass& type = TMainForm::Class();
    EXPECT_EQ(type.name, "TMainForm");
    EXPECT_EQ(type.parent, &TForm::Class());
    ASSERT_EQ(type.fields.size(), 3u);
    EXPECT_EQ(type.fields[0].name, "Label1");
    EXPECT_EQ(&type.fields[0].type, &TLabel::Class());
    EXPECT_EQ(type.fields[1].name, "Timer1");
    EXPECT_EQ(&type.fields[1].type, &TTimer::Class());
    EXPECT_EQ(type.fields[2].name, "AppExec");
    EXPECT_EQ(&type.fields[2].type, &TAppExec::Class());
    ASSERT_EQ(type.methods.size(), 2u);
    EXPECT_EQ(type.methods[0].name, "FormCreate");
    EXPECT_EQ(type.methods[1].name, "Timer1Timer");
    EXPECT_TRUE(type.properties.empty());
}

// Made the way the program makes it: through the application object, from the resource.
class MainFormTest : public testing::Test {
protected:
    void TearDown() override {
        Application->SetOnMessage(nullptr);
        delete form;
    }
    TMainForm* form = nullptr;
};

TEST_F(MainFormTest, LayoutPresetsEveryComponent) {
    form = Application->CreateForm<TMainForm>();
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_EQ(form->Name(), "MainForm");
    EXPECT_EQ(form->Caption(), "Installation");
    EXPECT_EQ(SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0),
              reinterpret_cast<LRESULT>(form->Icon().Large()));
    ASSERT_NE(form->Label1, nullptr);
    EXPECT_EQ(form->Label1->Caption(), "V\xE9rification... / Verifying...");
    ASSERT_NE(form->Timer1, nullptr);
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_EQ(form->Timer1->Interval(), 1500u);
    ASSERT_NE(form->AppExec, nullptr);
    EXPECT_EQ(form->AppExec->Owner(), form);
    EXPECT_EQ(form->AppExec->ExeName(), "Setup1.exe");
    EXPECT_FALSE(form->AppExec->Wait());
    EXPECT_EQ(form->AppExec->WindowState(), wsNormal);
    EXPECT_EQ(form->AppExec->ShowCommand(), 1);
    EXPECT_TRUE(form->AppExec->ChangeDir());
    EXPECT_EQ(form->AppExec->ExePath(), "");
    EXPECT_EQ(form->AppExec->ExeParams()->Count(), 0);
    EXPECT_EQ(form->AppExec->ErrNo(), -1);
    EXPECT_EQ(form->Components(),
              (std::vector<TComponent*>{form->Label1, form->Timer1, form->AppExec}));
}

// The timer counts from a moment during the window's creation, so the time measured here
// from just before the creation is at least the timer's own.
TEST_F(MainFormTest, TimerTicksOnceNotBefore1500MillisecondsAfterCreationThroughTheHook) {
    const auto start = std::chrono::steady_clock::now();
    form = Application->CreateForm<TMainForm>();
    const auto created = std::chrono::steady_clock::now();
    bool hookSawTick = false;
    Application->SetOnMessage([&](MSG& message, bool&) {
        hookSawTick |= message.message == WM_TIMER && message.hwnd != nullptr;
    });
    ASSERT_TRUE(PumpUntil(
        *Application, [&] { return !form->Timer1->Enabled(); }, 4000));
    const auto ticked = std::chrono::steady_clock::now();
    using std::chrono::milliseconds;
    EXPECT_GE(std::chrono::duration_cast<milliseconds>(ticked - start).count(), 1500);
    // Not long after either: the pump wakes every 10 ms.
    EXPECT_LT(std::chrono::duration_cast<milliseconds>(ticked - created).count(), 1600);
    EXPECT_TRUE(hookSawTick);
}

} // namespace
