#include "framework/layoutreader.h"

namespace {

void ReadProperties(TComponent& root, const ComponentClass& rootClass, TComponent& component,
                    const ComponentClass& type, const LayoutObject& layout) {
    for (const LayoutProperty& property : layout.properties) {
        const PublishedProperty* published = type.FindProperty(property.name);
        if (published == nullptr || published->kind != PropertyKind::Event) {
            SetPublishedProperty(type, component, property.name, property.value);
            continue;
        }
        const Identifier* handler = std::get_if<Identifier>(&property.value);
        const PublishedMethod* method =
            handler != nullptr ? rootClass.FindMethod(handler->name) : nullptr;
        if (method == nullptr) {
            throw EReadError("Invalid handler for " + layout.name + "." + property.name);
        }
        SetPublishedProperty(type, component, property.name, method->bind(root));
    }
}

void ReadChild(TComponent& root, const ComponentClass& rootClass, const LayoutObject& child) {
    const PublishedField* field = rootClass.FindField(child.name);
    if (field == nullptr) {
        throw EReadError("Field " + child.name + " not found in " + std::string(rootClass.name));
    }
    if (field->type.name != child.className || !field->type.create) {
        throw EReadError("Field " + child.name + " is not of class " + child.className);
    }
    if (!child.children.empty()) {
        throw EReadError(child.name + " cannot hold components");
    }
    TComponent* component = field->type.create(&root);
    component->SetName(child.name);
    field->store(root, component);
    ReadProperties(root, rootClass, *component, field->type, child);
}

} // namespace

void ReadComponentLayout(TComponent& root, const ComponentClass& rootClass,
                         const LayoutObject& layout) {
    if (layout.className != rootClass.name) {
        throw EReadError("Layout of " + layout.className + " read into " +
                         std::string(rootClass.name));
    }
    root.SetName(layout.name);
    ReadProperties(root, rootClass, root, rootClass, layout);
    for (const LayoutObject& child : layout.children) {
        ReadChild(root, rootClass, child);
    }
}
