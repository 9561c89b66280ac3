#pragma once

#include <string>
#include <vector>

// Base of components. An owner frees the components it owns, last created first; a
// component destroyed earlier leaves its owner's list.
class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

protected:
    // Frees every owned component now, last created first.
    void DestroyComponents();

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
    std::string name_;
    int tag_ = 0;
};
