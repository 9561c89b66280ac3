#include "framework/control.h"

#include "framework/form.h"

TControl::~TControl() {
    if (parent_ != nullptr) {
        parent_->RemoveControl(this);
    }
}

const ComponentClass& TControl::Class() {
    static const ComponentClass type{
        .name = "TControl",
        .parent = &ComponentBaseClass(),
        .properties = {Property("Left", &TControl::SetLeft), Property("Top", &TControl::SetTop),
                       Property("Width", &TControl::SetWidth),
                       Property("Height", &TControl::SetHeight)},
    };
    return type;
}

void TControl::ScaleBy(int multiplier, int divisor) {
    left_ = MulDiv(left_, multiplier, divisor);
    top_ = MulDiv(top_, multiplier, divisor);
    width_ = MulDiv(width_, multiplier, divisor);
    height_ = MulDiv(height_, multiplier, divisor);
}

void TControl::Invalidate() const {
    if (parent_ != nullptr && parent_->HandleAllocated()) {
        InvalidateRect(parent_->Handle(), nullptr, TRUE);
    }
}
