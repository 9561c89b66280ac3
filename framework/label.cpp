#include "framework/label.h"

#include "framework/form.h"

const ComponentClass& TLabel::Class() {
    static const ComponentClass type{
        .name = "TLabel",
        .parent = &TControl::Class(),
        .create = [](TComponent* owner) { return new TLabel(owner); },
        .properties = {Property("Caption", &TLabel::SetCaption)},
    };
    return type;
}

void TLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    // Before its parent has read the whole layout, the font to measure with is not final.
    if (Parent() != nullptr) {
        AdjustBounds();
        Invalidate();
    }
}

void TLabel::AdjustBounds() {
    const SIZE extent = Parent()->Font().TextExtent(caption_);
    SetWidth(extent.cx);
    SetHeight(extent.cy);
}

void TLabel::Paint(HDC dc) {
    const TFont& font = Parent()->Font();
    HGDIOBJ previous = SelectObject(dc, font.Handle());
    SetTextColor(dc, ColorToRGB(font.Color()));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, Left(), Top(), caption_.data(), static_cast<int>(caption_.size()));
    SelectObject(dc, previous);
}
