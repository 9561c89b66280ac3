#pragma once

#include "framework/form.h"
#include "framework/label.h"
#include "framework/timer.h"

#include <functional>
#include <string>

// A form like the launcher's, with hooks for what its handlers do.
class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner, Class()) {}
    static const ComponentClass& Class();

    TLabel* Label1 = nullptr;
    TTimer* Timer1 = nullptr;

    // What the next form's OnCreate does.
    static inline std::function<void(TTestForm&)> NextCreate;
    std::function<void()> onTick;

private:
    void FormCreate(TComponent* sender);
    void Timer1Timer(TComponent* sender);
};

// A form class that has no layout resource.
class TMissingForm : public TForm {
public:
    explicit TMissingForm(TComponent* owner) : TForm(owner, Class()) {}
    static const ComponentClass& Class();
};

struct TestLayout {
    int clientWidth = 328;
    int clientHeight = 35;
    int textHeight = 16;
    int timerInterval = 1000;
};

// Layout text of a TTestForm, the launcher's main window in its make-up.
std::string TestLayoutText(const TestLayout& layout);

// Height of "0" in the launcher's font (Arial, 13 pixels) on this screen.
int MeasuredTextHeight();
