#include "framework/application.h"

#include "framework/exception.h"
#include "framework/form.h"
#include "framework/programfile.h"
#include "framework/taskwindows.h"
#include "framework/window.h"

#include <exception>

std::string TitleFromFileName(const std::string& path) {
    std::string title = path.substr(path.find_last_of("\\/:") + 1);
    title = title.substr(0, title.find('.'));
    if (title.size() > 1) {
        CharLowerBuffA(title.data() + 1, static_cast<DWORD>(title.size() - 1));
    }
    return title;
}

std::string MessageWithFullStop(const std::string& message) {
    // Compared as unsigned bytes: accented letters sort after ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

namespace {

// Messages of a window that holds dialog controls go through the system's dialog handling, so
// that Enter, Escape and Tab work there as in any dialog box; it dispatches what it claims.
bool IsDialogKey(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root != nullptr && (GetWindowLongPtrA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 &&
           IsDialogMessageA(root, &message);
}

} // namespace

// Hidden until the main form shows: then it is a window of no size whose only visible part
// is its taskbar button. What is done to the button goes to the main form.
class TApplication::ApplicationWindow : public Window {
public:
    explicit ApplicationWindow(TApplication& application) : application_(application) {
        CreateHandle(
            {.className = "TApplication",
             .caption = application.Title(),
             .style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
             .icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON")});
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CLOSE:
            if (application_.mainForm_ != nullptr) {
                application_.mainForm_->Close();
            }
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_RESTORE && IsIconic(Handle())) {
                application_.Restore();
                return 0;
            }
            break;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                application_.terminated_ = true;
            }
            return 0;
        default:
            break;
        }
        return DefaultHandler(message, wParam, lParam);
    }

    TApplication& application_;
};

TApplication::TApplication()
    : TComponent(nullptr), title_(TitleFromFileName(ProgramPath())),
      window_(std::make_unique<ApplicationWindow>(*this)) {}

TApplication::~TApplication() {
    // The forms go while the window that owns theirs still exists.
    DestroyComponents();
}

HWND TApplication::Handle() const {
    return window_->Handle();
}

void TApplication::Initialize() {
    STARTUPINFOA startup{.cb = sizeof(startup)};
    GetStartupInfoA(&startup);
    if ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0) {
        startupShowState_ = startup.wShowWindow;
    }
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
    form->LoadLayout();
    form->DoCreate();
    form->HandleNeeded();
    if (mainForm_ == nullptr) {
        mainForm_ = form.get();
    }
    // From here on the application frees it, as its owner.
    form.release();
}

void TApplication::FormDestroyed(const TForm* form) {
    if (mainForm_ == form) {
        mainForm_ = nullptr;
    }
}

void TApplication::Run() {
    if (mainForm_ != nullptr) {
        ShowMainForm();
    }
    while (!terminated_) {
        HandleMessage();
    }
}

void TApplication::ShowMainForm() {
    if (startupShowState_ == SW_SHOWMAXIMIZED) {
        mainForm_->SetWindowState(wsMaximized);
    } else if (startupShowState_ == SW_SHOWMINNOACTIVE) {
        mainForm_->SetWindowState(wsMinimized);
    }
    if (mainForm_->WindowState() == wsMinimized) {
        Minimize();
        return;
    }
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    mainForm_->Show();
}

void TApplication::Minimize() {
    ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
}

void TApplication::Restore() {
    ShowWindow(Handle(), SW_RESTORE);
    if (mainForm_ != nullptr) {
        mainForm_->SetWindowState(wsNormal);
        mainForm_->Show();
    }
}

void TApplication::HandleMessage() {
    try {
        // A message sent from elsewhere, such as the end of the session, is handled inside
        // PeekMessageA, which then reports none: the loop must not wait on after it ended.
        if (!ProcessMessage() && !terminated_) {
            WaitMessage();
        }
    } catch (...) {
        HandleException();
    }
}

bool TApplication::ProcessMessage() {
    MSG message{};
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (message.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    if (onMessage_) {
        // A copy: the hook may install another one while it runs.
        TMessageEvent hook = onMessage_;
        hook(message, handled);
    }
    if (!handled && !IsDialogKey(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::HandleException() noexcept {
    if (HWND capture = GetCapture()) {
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
    }
    try {
        throw;
    } catch (const EAbort&) {
        // Silent by design.
    } catch (const std::exception& failure) {
        ShowException(failure.what());
    }
}

void TApplication::ShowException(const std::string& message) const {
    DisabledTaskWindows disabled;
    MessageBoxA(Handle(), MessageWithFullStop(message).c_str(), title_.c_str(),
                MB_OK | MB_ICONERROR);
}

namespace {
// Made while the program's modules initialise, freed when they finalise.
const std::unique_ptr<TApplication> instance = std::make_unique<TApplication>();
} // namespace

TApplication* const Application = instance.get();
