#pragma once

#include "framework/component.h"
#include "framework/exception.h"
#include "framework/stringlist.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

// Published members: what a layout may name. A component class describes itself in a
// ComponentClass; the layout reader creates components through it and sets their
// properties by published name, so the framework needs to know nothing of upper layers.

using TNotifyEvent = std::function<void(TComponent* sender)>;

struct Identifier {
    std::string name;
};
using IdentifierSet = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;
// The items of a string-list property, in order.
struct StringItems {
    std::vector<std::string> items;
};

// A property value as a layout holds it.
using PropertyValue = std::variant<std::int64_t, bool, std::string, Identifier, IdentifierSet,
                                   Bytes, TNotifyEvent, StringItems>;

enum class PropertyKind { Value, Event };

struct PublishedProperty {
    std::string_view name;
    PropertyKind kind = PropertyKind::Value;
    // Empty for a read-only property.
    std::function<void(TComponent&, const PropertyValue&)> write;
};

struct ComponentClass;

// A field of a root component (a form) that the layout fills with a component it creates.
struct PublishedField {
    std::string_view name;
    const ComponentClass& type;
    std::function<void(TComponent& root, TComponent* component)> store;
};

// A method of a root component that the layout binds to an event by name.
struct PublishedMethod {
    std::string_view name;
    std::function<TNotifyEvent(TComponent& root)> bind;
};

struct ComponentClass {
    std::string_view name;
    const ComponentClass* parent = nullptr;
    std::function<TComponent*(TComponent* owner)> create;
    std::vector<PublishedProperty> properties;
    // Stored by a layout without being published, such as where a non-visual component sits
    // in the layout editor; found only where no class publishes the name.
    std::vector<PublishedProperty> designInfo;
    std::vector<PublishedField> fields;
    std::vector<PublishedMethod> methods;

    // Searches this class, then its ancestors; nullptr when no class has the name.
    const PublishedProperty* FindProperty(std::string_view property) const;
    const PublishedField* FindField(std::string_view field) const;
    const PublishedMethod* FindMethod(std::string_view method) const;
};

// Sets a published property; raises EConvertError when the class has no such property,
// the property is read-only or the value is of the wrong type.
void SetPublishedProperty(const ComponentClass& type, TComponent& component,
                          std::string_view property, const PropertyValue& value);

[[noreturn]] void RaiseInvalidPropertyValue(std::string_view property);

namespace published_detail {

template <typename T>
std::remove_cvref_t<T> Convert(std::string_view property, const PropertyValue& value) {
    using V = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<V, bool> || std::is_same_v<V, std::string> ||
                  std::is_same_v<V, TNotifyEvent> || std::is_same_v<V, IdentifierSet> ||
                  std::is_same_v<V, Bytes>) {
        if (const V* held = std::get_if<V>(&value)) {
            return *held;
        }
    } else if constexpr (std::is_integral_v<V>) {
        if (const std::int64_t* held = std::get_if<std::int64_t>(&value)) {
            if (std::in_range<V>(*held)) {
                return static_cast<V>(*held);
            }
        }
    } else {
        static_assert(sizeof(V) == 0, "no layout conversion for this property type");
    }
    RaiseInvalidPropertyValue(property);
}

} // namespace published_detail

// A property written through a member function of C, e.g. Property("Wait", &TAppExec::SetWait).
template <typename C, typename T>
PublishedProperty Property(std::string_view name, void (C::*write)(T)) {
    return {name,
            std::is_same_v<std::remove_cvref_t<T>, TNotifyEvent> ? PropertyKind::Event
                                                                 : PropertyKind::Value,
            [name, write](TComponent& component, const PropertyValue& value) {
                (static_cast<C&>(component).*write)(published_detail::Convert<T>(name, value));
            }};
}

// An enumerated property, whose layout value is one of the given identifiers.
template <typename C, typename E>
PublishedProperty
EnumProperty(std::string_view name, void (C::*write)(E),
             std::span<const std::pair<std::string_view, std::type_identity_t<E>>> names) {
    std::vector<std::pair<std::string_view, E>> table(names.begin(), names.end());
    return {name, PropertyKind::Value,
            [name, write, table](TComponent& component, const PropertyValue& value) {
                if (const Identifier* id = std::get_if<Identifier>(&value)) {
                    for (const auto& [text, item] : table) {
                        if (text == id->name) {
                            (static_cast<C&>(component).*write)(item);
                            return;
                        }
                    }
                }
                RaiseInvalidPropertyValue(name);
            }};
}

// The same, with the identifiers listed in place.
template <typename C, typename E>
PublishedProperty EnumProperty(std::string_view name, void (C::*write)(E),
                               std::initializer_list<std::pair<std::string_view, E>> names) {
    return EnumProperty(
        name, write, std::span<const std::pair<std::string_view, E>>(names.begin(), names.size()));
}

// A string-list property: the layout's items are copied in through the write access, e.g.
// StringsProperty("ExeParams", &TAppExec::SetExeParams).
template <typename C>
PublishedProperty StringsProperty(std::string_view name, void (C::*write)(const TStringList*)) {
    return {name, PropertyKind::Value,
            [name, write](TComponent& component, const PropertyValue& value) {
                const StringItems* held = std::get_if<StringItems>(&value);
                if (held == nullptr) {
                    RaiseInvalidPropertyValue(name);
                }
                TStringList list;
                for (const std::string& item : held->items) {
                    list.Add(item);
                }
                (static_cast<C&>(component).*write)(&list);
            }};
}

inline PublishedProperty ReadOnlyProperty(std::string_view name) {
    return {name, {}, {}};
}

// A set property, whose layout value is a set of the given identifiers; the write access
// receives their flags or-ed together.
template <typename C>
PublishedProperty SetProperty(std::string_view name, void (C::*write)(unsigned),
                              std::initializer_list<std::pair<std::string_view, unsigned>> names) {
    std::vector<std::pair<std::string_view, unsigned>> table(names);
    return {name, PropertyKind::Value,
            [name, write, table](TComponent& component, const PropertyValue& value) {
                const IdentifierSet* set = std::get_if<IdentifierSet>(&value);
                if (set == nullptr) {
                    RaiseInvalidPropertyValue(name);
                }
                unsigned flags = 0;
                for (const std::string& item : *set) {
                    auto found = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
                        return entry.first == item;
                    });
                    if (found == table.end()) {
                        RaiseInvalidPropertyValue(name);
                    }
                    flags |= found->second;
                }
                (static_cast<C&>(component).*write)(flags);
            }};
}

// A property that a layout may hold but that changes nothing at run time, such as the
// position of a non-visual component in the layout editor.
inline PublishedProperty IgnoredProperty(std::string_view name) {
    return {name, PropertyKind::Value, [](TComponent&, const PropertyValue&) {}};
}

// A component field of a form: Field<TMainForm>("Timer1", TTimer::Class(), &TMainForm::Timer1).
template <typename Root, typename Component>
PublishedField Field(std::string_view name, const ComponentClass& type, Component* Root::*member) {
    return {name, type, [member](TComponent& root, TComponent* component) {
                static_cast<Root&>(root).*member = static_cast<Component*>(component);
            }};
}

// An event handler of a form: Method("FormCreate", &TMainForm::FormCreate).
template <typename Root>
PublishedMethod Method(std::string_view name, void (Root::*handler)(TComponent*)) {
    return {name, [handler](TComponent& root) -> TNotifyEvent {
                Root* self = &static_cast<Root&>(root);
                return [self, handler](TComponent* sender) { (self->*handler)(sender); };
            }};
}

// The description of TComponent itself, which publishes Name and Tag.
const ComponentClass& ComponentBaseClass();
