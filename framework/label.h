#pragma once

#include "framework/control.h"

#include <string>

// One line of text in its parent's font and colour, sized to its text.
class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) {}
    static const ComponentClass& Class();

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    void Loaded() override { AdjustBounds(); }
    void Paint(HDC dc) override;

private:
    void AdjustBounds();

    std::string caption_;
};
