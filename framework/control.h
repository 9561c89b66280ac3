#pragma once

#include "framework/component.h"
#include "framework/published.h"

#include <windows.h>

class TForm;

// A control drawn by the form that is its parent, with no system window of its own.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner) : TComponent(owner) {}
    ~TControl() override;
    // Publishes Left, Top, Width and Height; controls are made only as one of its kinds.
    static const ComponentClass& Class();

    int Left() const { return left_; }
    void SetLeft(int left) { left_ = left; }
    int Top() const { return top_; }
    void SetTop(int top) { top_ = top; }
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }

    TForm* Parent() const { return parent_; }
    // Scales position and size by multiplier / divisor, rounded to whole pixels.
    void ScaleBy(int multiplier, int divisor);

    // Called by the parent once its whole layout has been read and scaled.
    virtual void Loaded() {}
    virtual void Paint(HDC dc) = 0;

protected:
    void Invalidate() const;

private:
    friend class TForm;
    TForm* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};
