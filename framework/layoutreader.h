#pragma once

#include "framework/component.h"
#include "framework/exception.h"
#include "framework/layout.h"
#include "framework/published.h"

using EReadError = ExceptionClass<Exception, "EReadError">;

// Reads a parsed layout into a root component (a form) of the given class, in the layout's
// order: the root's properties, then each component, which is created through the root's
// published field of its name (whose declared class must be the layout's), owned by the
// root, named, stored in the field and given its properties. Event properties are bound to
// the root's published methods of the names given. Raises EReadError for a layout that does
// not fit the classes, and passes on what a property's write access raises.
void ReadComponentLayout(TComponent& root, const ComponentClass& rootClass,
                         const LayoutObject& layout);
