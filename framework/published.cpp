#include "framework/published.h"

namespace {

template <typename Member>
const Member* FindIn(const ComponentClass* type, std::vector<Member> ComponentClass::*members,
                     std::string_view name) {
    for (; type != nullptr; type = type->parent) {
        for (const Member& member : type->*members) {
            if (member.name == name) {
                return &member;
            }
        }
    }
    return nullptr;
}

} // namespace

const PublishedProperty* ComponentClass::FindProperty(std::string_view property) const {
    const PublishedProperty* published = FindIn(this, &ComponentClass::properties, property);
    return published != nullptr ? published : FindIn(this, &ComponentClass::designInfo, property);
}

const PublishedField* ComponentClass::FindField(std::string_view field) const {
    return FindIn(this, &ComponentClass::fields, field);
}

const PublishedMethod* ComponentClass::FindMethod(std::string_view method) const {
    return FindIn(this, &ComponentClass::methods, method);
}

void RaiseInvalidPropertyValue(std::string_view property) {
    throw EConvertError("Invalid property value: " + std::string(property));
}

void SetPublishedProperty(const ComponentClass& type, TComponent& component,
                          std::string_view property, const PropertyValue& value) {
    const PublishedProperty* found = type.FindProperty(property);
    if (found == nullptr) {
        throw EConvertError("Property " + std::string(property) + " does not exist");
    }
    if (!found->write) {
        throw EConvertError("Property " + std::string(property) + " is read-only");
    }
    found->write(component, value);
}

const ComponentClass& ComponentBaseClass() {
    static const ComponentClass type{
        .name = "TComponent",
        .parent = nullptr,
        .create = [](TComponent* owner) { return new TComponent(owner); },
        // A non-visual component's Left and Top place it in the layout editor only.
        .properties = {Property("Name", &TComponent::SetName),
                       Property("Tag", &TComponent::SetTag)},
        .designInfo = {IgnoredProperty("Left"), IgnoredProperty("Top")},
    };
    return type;
}
