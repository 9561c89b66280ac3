#pragma once

#include "framework/component.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

class TForm;

// The message hook: called for every message taken from the queue, the quit message
// excepted; setting handled keeps the message from being dispatched.
using TMessageEvent = std::function<void(MSG& message, bool& handled)>;

// The program's title: the file name without its folder, cut before its first ".", every
// character after the first in lower case.
std::string TitleFromFileName(const std::string& path);

// What the default exception handler shows for a message: a "." is added when the message
// is not empty and its last character sorts after ".".
std::string MessageWithFullStop(const std::string& message);

// The application: its title, its hidden window that carries the taskbar button, its forms,
// the message loop with its hook, and the default exception handler.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    HWND Handle() const;
    // The first form created through CreateForm.
    TForm* MainForm() const { return mainForm_; }
    bool Terminated() const { return terminated_; }

    // Reads the show state that the starting process asked for.
    void Initialize();
    // Creates a form owned by the application from its layout resource, runs its OnCreate
    // and gives it its system window, still hidden. Failures are passed on.
    template <typename Form> Form* CreateForm() {
        auto form = std::make_unique<Form>(this);
        Form* created = form.get();
        AddForm(std::move(form));
        return created;
    }
    // Shows the main form as the start-up show state asks, then handles messages until the
    // quit message.
    void Run();
    // Takes one message from the thread's queue and handles it, or waits for one when there
    // is none. An exception from handling it goes to the default exception handler. Modal
    // loops take their messages through here too, so the hook sees all of them.
    void HandleMessage();
    // Posts the quit message.
    void Terminate();
    void SetOnMessage(TMessageEvent hook) { onMessage_ = std::move(hook); }

    // The default exception handler, for the exception being handled: call it in a catch
    // block. EAbort is dropped; any other exception's message is shown in a box. Nothing
    // leaves it: it runs inside window procedures.
    void HandleException() noexcept;

private:
    class ApplicationWindow;
    friend class TForm;

    void AddForm(std::unique_ptr<TForm> form);
    void FormDestroyed(const TForm* form);
    // False when the queue was empty.
    bool ProcessMessage();
    void ShowException(const std::string& message) const;
    void ShowMainForm();
    void Minimize();
    void Restore();

    std::string title_;
    std::unique_ptr<ApplicationWindow> window_;
    TForm* mainForm_ = nullptr;
    TMessageEvent onMessage_;
    bool terminated_ = false;
    int startupShowState_ = SW_SHOWDEFAULT;
};

// The program's one application object, made before the program body runs.
extern TApplication* const Application;
