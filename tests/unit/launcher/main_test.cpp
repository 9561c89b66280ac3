#include "framework/application.h"
#include "launcher/main.h"
#include "tests/support/boxes.h"
#include "tests/support/pump.h"
#include "tests/unit/launcher/suite_ini.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace {

const char kCloseAll[] = "Vous devez fermer tous les applications de Quillmark pour installer "
                         "cette mise \xE0 jour.\n\rYou must close all Quillmark applications to "
                         "install this upgrade.";

// Closing the main window posts the quit message. Taken here, it does not end the test
// program's one application.
bool TakeQuit() {
    MSG message{};
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

template <typename T> bool Ready(const std::future<T>& future) {
    return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

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
        // A test that failed before it took the quit message must not end the next one's loop.
        TakeQuit();
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

// Its own queries come back to it through the broadcast: they are no answer.
TEST_F(MainFormTest, HookLetsItsOwnQueriesAndOtherMessagesPass) {
    form = Application->CreateForm<TMainForm>();
    PostMessageA(form->Handle(), WM_USER, 0, 0);
    PostMessageA(form->Handle(), RegisterWindowMessageA("WMGetQMTasksWHnd"), 0, 0);
    PostMessageA(form->Handle(), RegisterWindowMessageA("WMReturnQMTasks"), 0, 0);
    auto box = UnwantedBoxLater("Error", 500);
    PumpUntil(
        *Application, [] { return false; }, 300);
    EXPECT_EQ(box.get(), std::nullopt);
    EXPECT_FALSE(TakeQuit());
}

// Only what comes through the message queue passes the hook.
TEST_F(MainFormTest, AReplySentStraightToTheWindowIsNoAnswer) {
    form = Application->CreateForm<TMainForm>();
    SendMessageA(form->Handle(), RegisterWindowMessageA("WMReturnQuillmarkWHnd"), 0, 0);
    auto box = UnwantedBoxLater("Error", 500);
    PumpUntil(
        *Application, [] { return false; }, 300);
    EXPECT_EQ(box.get(), std::nullopt);
    EXPECT_FALSE(TakeQuit());
}

// A reply counts wherever in the thread it lands, whatever its parameters; after the first, further
// ones change nothing.
TEST_F(MainFormTest, AnyReplyShowsTheCloseAllErrorOnceAndClosesTheWindow) {
    struct Case {
        const char* reply;
        bool toThread;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Case cases[] = {{"WMReturnQMTasksWHnd", false, 0, 0},
                          {"WMReturnQMTaskWarnWHnd", true, 1, 0x1234},
                          {"WMReturnQuillmarkWHnd", false, ~WPARAM{0}, -1}};
    for (const Case& c : cases) {
        delete form;
        form = Application->CreateForm<TMainForm>();
        const UINT reply = RegisterWindowMessageA(c.reply);
        const auto post = [&] {
            c.toThread ? PostThreadMessageA(GetCurrentThreadId(), reply, c.wParam, c.lParam)
                       : PostMessageA(form->Handle(), reply, c.wParam, c.lParam);
        };
        auto box = AnswerBoxLater("Error");
        post();
        ASSERT_TRUE(PumpUntil(
            *Application, [&] { return Ready(box); }, 6000))
            << c.reply;
        const auto seen = box.get();
        ASSERT_TRUE(seen.has_value()) << c.reply;
        EXPECT_EQ(seen->text, kCloseAll) << c.reply;
        EXPECT_TRUE(seen->hasStopIcon) << c.reply;
        EXPECT_TRUE(TakeQuit()) << c.reply;

        auto again = UnwantedBoxLater("Error", 500);
        post();
        PumpUntil(
            *Application, [] { return false; }, 300);
        EXPECT_EQ(again.get(), std::nullopt) << c.reply;
        EXPECT_FALSE(TakeQuit()) << c.reply;
    }
}

// The tick comes while the close-all error is still open; a suite program runs, so nothing starts.
TEST_F(MainFormTest, AReplyBeforeTheTickKeepsTheInstallerFromStarting) {
    form = Application->CreateForm<TMainForm>();
    // A start would show: waited for, it sets ErrNo to 0.
    form->AppExec->SetExeName("recorder.exe");
    form->AppExec->SetWait(true);
    auto box = AnswerBoxLater("Error", 5000, [] { Sleep(2000); });
    PostMessageA(form->Handle(), RegisterWindowMessageA("WMReturnQMTasksWHnd"), 0, 0);
    ASSERT_TRUE(PumpUntil(
        *Application, [&] { return Ready(box); }, 8000));
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(form->AppExec->ErrNo(), -1);
    EXPECT_TRUE(TakeQuit());
}

// The timer counts from a moment during the window's creation, so the time measured here
// from just before the creation is at least the timer's own. With no suite program about,
// the tick runs the launch through and closes the window.
TEST_F(MainFormTest, TimerTicksOnceNotBefore1500MillisecondsAfterCreationThroughTheHook) {
    const auto start = std::chrono::steady_clock::now();
    form = Application->CreateForm<TMainForm>();
    const auto created = std::chrono::steady_clock::now();
    // Found beside this program, as the installer is beside the launcher; it does nothing.
    form->AppExec->SetExeName("recorder.exe");
    form->AppExec->SetWait(true);
    std::optional<std::chrono::steady_clock::time_point> ticked;
    Application->SetOnMessage([&](MSG& message, bool&) {
        if (message.message == WM_TIMER && message.hwnd != nullptr && !ticked) {
            ticked = std::chrono::steady_clock::now();
        }
    });
    ASSERT_TRUE(PumpUntil(
        *Application, [&] { return !form->Timer1->Enabled(); }, 4000));
    ASSERT_TRUE(ticked.has_value());
    using std::chrono::milliseconds;
    EXPECT_GE(std::chrono::duration_cast<milliseconds>(*ticked - start).count(), 1500);
    // Not long after either, with room for a machine busy with other tests.
    EXPECT_LT(std::chrono::duration_cast<milliseconds>(*ticked - created).count(), 2000);
    EXPECT_EQ(form->AppExec->ErrNo(), 0);
    EXPECT_TRUE(TakeQuit());
}

// The refused write stops the road with the default error box, the first start made and the
// window left open; by then the next copy's turn at the file is free, or that copy would wait
// while this one's user reads the box.
TEST_F(MainFormTest, ARefusedWriteShowsItsErrorWithTheNextCopysTurnAlreadyFree) {
    SuiteIni ini(Settings("1"));
    const UniqueHandle holder = HoldWithoutSharing(SuiteIni::Path().string());
    ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
    form = Application->CreateForm<TMainForm>();
    form->AppExec->SetExeName("recorder.exe");
    form->AppExec->SetWait(true);
    bool turnFree = false;
    auto box =
        AnswerBoxLater(Application->Title(), 6000, [&] { turnFree = NextCopyGetsItsTurnAtOnce(); });
    ASSERT_TRUE(PumpUntil(
        *Application, [&] { return Ready(box); }, 8000))
        << "no error box within 8 s";
    const auto seen = box.get();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, "Unable to write to C:\\Program Files\\Quillmark\\Quillmark.Ini.");
    EXPECT_TRUE(seen->hasStopIcon);
    EXPECT_TRUE(turnFree);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(form->AppExec->ErrNo(), 0);
    EXPECT_FALSE(TakeQuit());
}

} // namespace
