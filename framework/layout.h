#pragma once

#include "framework/exception.h"
#include "framework/published.h"

#include <string>
#include <string_view>
#include <vector>

using EParserError = ExceptionClass<Exception, "EParserError">;

struct LayoutProperty {
    std::string name;
    PropertyValue value;
};

// One object of a layout: a window or one of its components, with its stored properties in
// the order the layout gives them.
struct LayoutObject {
    std::string name;
    std::string className;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;
};

// Parses layout text (UTF-8):
//   object Name: TClass   name = value ...   nested objects ...   end
// Values: integers, 'strings' (a doubled quote stands for one), True and False, other
// identifiers, [identifier, ...] sets, { hex bytes } over any number of lines and
// ( 'string' ... ) lists. Strings come out in the ANSI code page. Raises EParserError on
// malformed text.
LayoutObject ParseLayout(std::string_view text);
