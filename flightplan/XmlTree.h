// A plan file's XML as a tree of elements, read with expat. Element and attribute names
// keep only their local part: planning tools write the same elements with and without a
// namespace.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Result.h"

namespace flightplan {

// Plan files nest a few levels; a document nested deeper than this is refused.
inline constexpr std::size_t MaxElementDepth = 64;

struct XmlElement {
    XmlElement() = default;
    XmlElement(XmlElement&&) = default;
    XmlElement& operator=(XmlElement&&) = default;
    // Frees the tree by a loop, so that no depth of nesting costs stack.
    ~XmlElement();

    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;  // the character data directly inside, UTF-8
    std::vector<XmlElement> children;
    int line = 0;

    // The first child named `name`; null when there is none.
    const XmlElement* Child(std::string_view childName) const;
    std::vector<const XmlElement*> Children(std::string_view childName) const;
    // The text of the first child named `name` with its surrounding white space cut; empty
    // when there is no such child.
    std::string ChildText(std::string_view childName) const;
    // The attribute's value; null when it is absent.
    const std::string* Attribute(std::string_view attributeName) const;
};

// The root element of a document; fails naming `source` and the line for anything that is
// not well-formed XML or nests elements deeper than MaxElementDepth.
nav::Expected<XmlElement> ParseXml(const std::string& bytes, const std::string& source);

}  // namespace flightplan
