#include "framework/application.h"
#include "framework/resource.h"
#include "testform.h"
#include "tests/support/boxes.h"
#include "tests/support/pump.h"
#include "tests/support/window_checks.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TTestForm> LoadedForm(const TestLayout& layout) {
    auto form = std::make_unique<TTestForm>(nullptr);
    form->ReadLayout(TestLayoutText(layout));
    return form;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

TEST(Form, LayoutGivesTheWindowItsLook) {
    const int measured = MeasuredTextHeight();
    auto form = LoadedForm({.textHeight = measured});
    form->HandleNeeded();
    HWND window = form->Handle();

    ExpectFixedWindowWithCloseBoxOnly(window, "Test form");
    EXPECT_FALSE(IsWindowVisible(window));

    const SIZE client = ClientSize(window);
    EXPECT_EQ(client.cx, 328);
    EXPECT_EQ(client.cy, 35);

    EXPECT_EQ(form->Font().Name(), "Arial");
    EXPECT_EQ(form->Font().Height(), -13);
    EXPECT_EQ(form->Font().Charset(), ANSI_CHARSET);
    EXPECT_EQ(form->Font().Color(), clWindowText);
    ASSERT_NE(form->Label1, nullptr);
    EXPECT_EQ(form->Label1->Caption(), "V\xE9rification... / Verifying...");
    EXPECT_EQ(form->Label1->Parent(), form.get());
    EXPECT_EQ(form->Label1->Left(), 12);
    EXPECT_EQ(form->Label1->Top(), 12);
    // Sized to its text, whatever the layout's 150 x 16.
    const SIZE text = form->Font().TextExtent(form->Label1->Caption());
    EXPECT_EQ(form->Label1->Width(), text.cx);
    EXPECT_EQ(form->Label1->Height(), text.cy);
}

// A 1 x 1 icon file: header, one directory entry, a bitmap header, two palette colours, then
// one row of colour bits and one of mask bits.
Bytes OneByOneIcon() {
    Bytes icon = {0, 0, 1, 0, 1, 0, 1, 1, 2, 0, 1, 0, 1, 0, 56, 0, 0, 0, 22, 0, 0, 0};
    Bytes bitmapHeader(40, 0);
    bitmapHeader[0] = 40;
    bitmapHeader[4] = 1;
    bitmapHeader[8] = 2;
    bitmapHeader[12] = 1;
    bitmapHeader[14] = 1;
    icon.insert(icon.end(), bitmapHeader.begin(), bitmapHeader.end());
    const Bytes rest = {0, 0, 0, 0, 255, 255, 255, 0, 0x80, 0, 0, 0, 0, 0, 0, 0};
    icon.insert(icon.end(), rest.begin(), rest.end());
    return icon;
}

TEST(Form, WindowIconComesFromTheLayout) {
    const Bytes icon = OneByOneIcon();
    std::string hex;
    for (std::uint8_t byte : icon) {
        const char digits[] = "0123456789ABCDEF";
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    std::string text = TestLayoutText({});
    text.insert(text.find("  OldCreateOrder"), "  Icon.Data = {\n    " + hex + "}\n");
    TTestForm form(nullptr);
    form.ReadLayout(text);
    form.HandleNeeded();
    EXPECT_NE(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(form.Handle(), WM_GETICON, ICON_SMALL, 0), 0);

    TTestForm broken(nullptr);
    text.replace(text.find(hex), 4, "0200");
    EXPECT_THROW(broken.ReadLayout(text), EInvalidGraphic);
}

// The layout was made where "0" measured its TextHeight; here it measures `measured`, and
// sizes follow by that ratio, rounded.
TEST(Form, ScalesSizesByMeasuredOverDesignTextHeight) {
    const int measured = MeasuredTextHeight();
    std::printf("\"0\" of Arial -13 measures %d pixels here\n", measured);
    for (int design : {measured, 16, 2 * measured, 10}) {
        auto form = LoadedForm({.textHeight = design});
        form->HandleNeeded();
        const SIZE client = ClientSize(form->Handle());
        EXPECT_EQ(client.cx, MulDiv(328, measured, design)) << "TextHeight " << design;
        EXPECT_EQ(client.cy, MulDiv(35, measured, design)) << "TextHeight " << design;
        EXPECT_EQ(form->Label1->Left(), MulDiv(12, measured, design)) << "TextHeight " << design;
        EXPECT_EQ(form->Label1->Top(), MulDiv(12, measured, design)) << "TextHeight " << design;
        if (design == 16) {
            std::printf("main window's client area here: %ld x %ld\n", client.cx, client.cy);
        }
    }
}

TEST(Form, CentredOnTheScreenAtFirstShowingOnly) {
    auto form = LoadedForm({});
    form->Show();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    ExpectCentredOnScreen(form->Handle());

    SetWindowPos(form->Handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    form->Show();
    RECT again{};
    GetWindowRect(form->Handle(), &again);
    EXPECT_EQ(again.left, 10);
    EXPECT_EQ(again.top, 20);
}

TEST(Form, LargerThanTheScreenItStartsAtItsCorner) {
    auto form =
        LoadedForm({.clientWidth = 3000, .clientHeight = 2000, .textHeight = MeasuredTextHeight()});
    form->Show();
    ExpectCentredOnScreen(form->Handle());
}

TEST(Form, ApplicationCreatesItsFormsFromTheirResources) {
    TApplication application;
    auto* first = application.CreateForm<TTestForm>();
    EXPECT_EQ(application.MainForm(), first);
    EXPECT_EQ(first->Owner(), &application);
    EXPECT_TRUE(first->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(first->Handle()));
    EXPECT_EQ(GetWindow(first->Handle(), GW_OWNER), application.Handle());
    ASSERT_NE(first->Timer1, nullptr);
    EXPECT_FALSE(first->Timer1->Enabled());

    auto* second = application.CreateForm<TTestForm>();
    EXPECT_EQ(application.MainForm(), first);
    delete first;
    EXPECT_EQ(application.MainForm(), nullptr);
    EXPECT_EQ(application.Components(), std::vector<TComponent*>{second});
}

TEST(Form, MissingLayoutResourceFailsTheCreation) {
    TApplication application;
    try {
        application.CreateForm<TMissingForm>();
        ADD_FAILURE() << "created without a layout";
    } catch (const EResNotFound& error) {
        EXPECT_EQ(error.Message(), "Resource TMISSINGFORM not found");
    }
    EXPECT_TRUE(application.Components().empty());
    EXPECT_EQ(application.MainForm(), nullptr);
}

TEST(Form, OnCreateRunsWithTheComponentsInPlaceAndItsExceptionGoesToTheDefaultHandler) {
    TApplication application;
    bool timerThere = false;
    TTestForm::NextCreate = [&](TTestForm& form) {
        timerThere = form.Timer1 != nullptr;
        throw Exception("Create failed");
    };
    auto box = AnswerBoxLater(Application->Title());
    auto* form = application.CreateForm<TTestForm>();
    const auto seen = box.get();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, "Create failed.");
    EXPECT_TRUE(timerThere);
    EXPECT_EQ(application.MainForm(), form);
    EXPECT_TRUE(form->HandleAllocated());
}

bool QuitPosted() {
    MSG message{};
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(Form, ClosingTheMainFormEndsTheApplicationOnly) {
    struct Case {
        const char* how;
        bool toMainForm;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"close request", true, WM_CLOSE, 0},
        {"system menu Close", true, WM_SYSCOMMAND, SC_CLOSE},
        {"taskbar button Close", false, WM_CLOSE, 0},
    };
    for (const Case& c : cases) {
        TApplication application;
        auto* form = application.CreateForm<TTestForm>();
        form->Show();
        PostMessageA(c.toMainForm ? form->Handle() : application.Handle(), c.message, c.wParam, 0);
        EXPECT_TRUE(PumpUntil(
            application, [&] { return application.Terminated(); }, 2000))
            << c.how;
        // Neither hidden nor freed by the close itself.
        EXPECT_TRUE(IsWindowVisible(form->Handle())) << c.how;
    }

    TApplication application;
    application.CreateForm<TTestForm>();
    auto* other = application.CreateForm<TTestForm>();
    other->Close();
    EXPECT_FALSE(QuitPosted());
    application.MainForm()->Close();
    EXPECT_TRUE(QuitPosted());
}

} // namespace

namespace {

// The pixels of a window's client area, as drawn.
std::vector<COLORREF> ClientPixels(HWND window, SIZE size) {
    HDC windowDC = GetDC(window);
    HDC memory = CreateCompatibleDC(windowDC);
    BITMAPINFO info{};
    info.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER),
                      .biWidth = size.cx,
                      .biHeight = -size.cy,
                      .biPlanes = 1,
                      .biBitCount = 32};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, windowDC, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (int i = 0; i < size.cx * size.cy; ++i) {
        const DWORD bgr = static_cast<const DWORD*>(bits)[i];
        pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, windowDC);
    return pixels;
}

TEST(Form, PaintsItsColourAndTheLabelTextWithinTheLabel) {
    auto form = LoadedForm({.textHeight = MeasuredTextHeight()});
    form->Show();
    UpdateWindow(form->Handle());
    const SIZE size = ClientSize(form->Handle());
    const std::vector<COLORREF> pixels = ClientPixels(form->Handle(), size);
    const TLabel& label = *form->Label1;
    int inLabel = 0;
    int strayOutside = 0;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const bool within = x >= label.Left() && x < label.Left() + label.Width() &&
                                y >= label.Top() && y < label.Top() + label.Height();
            const bool background = pixels[y * size.cx + x] == ColorToRGB(clBtnFace);
            inLabel += within && !background;
            strayOutside += !within && !background;
        }
    }
    EXPECT_GT(inLabel, 100);
    EXPECT_EQ(strayOutside, 0);
}

} // namespace
