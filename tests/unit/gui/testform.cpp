#include "testform.h"

#include <utility>

const ComponentClass& TTestForm::Class() {
    static const ComponentClass type{
        .name = "TTestForm",
        .parent = &TForm::Class(),
        .create = [](TComponent* owner) { return new TTestForm(owner); },
        .fields = {Field("Label1", TLabel::Class(), &TTestForm::Label1),
                   Field("Timer1", TTimer::Class(), &TTestForm::Timer1)},
        .methods = {Method("FormCreate", &TTestForm::FormCreate),
                    Method("Timer1Timer", &TTestForm::Timer1Timer)},
    };
    return type;
}

void TTestForm::FormCreate(TComponent*) {
    if (NextCreate) {
        std::exchange(NextCreate, nullptr)(*this);
    }
}

void TTestForm::Timer1Timer(TComponent*) {
    if (onTick) {
        onTick();
    }
}

const ComponentClass& TMissingForm::Class() {
    static const ComponentClass type{.name = "TMissingForm", .parent = &TForm::Class()};
    return type;
}

std::string TestLayoutText(const TestLayout& layout) {
    return "object TestForm: TTestForm\n"
           "  Left = 444\n"
           "  Top = 323\n"
           "  BorderIcons = [biSystemMenu]\n"
           "  BorderStyle = bsSingle\n"
           "  Caption = 'Test form'\n"
           "  ClientHeight = " +
           std::to_string(layout.clientHeight) +
           "\n"
           "  ClientWidth = " +
           std::to_string(layout.clientWidth) +
           "\n"
           "  Color = clBtnFace\n"
           "  Font.Charset = ANSI_CHARSET\n"
           "  Font.Color = clWindowText\n"
           "  Font.Height = -13\n"
           "  Font.Name = 'Arial'\n"
           "  Font.Style = []\n"
           "  OldCreateOrder = False\n"
           "  Position = poScreenCenter\n"
           "  OnCreate = FormCreate\n"
           "  PixelsPerInch = 96\n"
           "  TextHeight = " +
           std::to_string(layout.textHeight) +
           "\n"
           "  object Label1: TLabel\n"
           "    Left = 12\n"
           "    Top = 12\n"
           "    Width = 150\n"
           "    Height = 16\n"
           "    Caption = 'V\xC3\xA9rification... / Verifying...'\n"
           "  end\n"
           "  object Timer1: TTimer\n"
           "    Interval = " +
           std::to_string(layout.timerInterval) +
           "\n"
           "    OnTimer = Timer1Timer\n"
           "    Left = 280\n"
           "    Top = 4\n"
           "  end\n"
           "end\n";
}

int MeasuredTextHeight() {
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-13);
    font.SetCharset(ANSI_CHARSET);
    return font.TextExtent("0").cy;
}
