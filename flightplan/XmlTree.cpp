#include "XmlTree.h"

#include <expat.h>

#include <limits>

#include "PlanText.h"
#include "AsciiText.h"

namespace flightplan {

namespace {

// Expat joins a namespace and a local name with this separator.
constexpr char NamespaceSeparator = '\x1f';

std::string LocalName(const XML_Char* name)
{
    std::string_view text(name);
    const std::size_t separator = text.rfind(NamespaceSeparator);
    return std::string(separator == std::string_view::npos ? text : text.substr(separator + 1));
}

// Expat knows UTF-8, UTF-16, ISO-8859-1 and ASCII; plan files saved on Windows may declare
// its code page, which is taught here. Its five undefined bytes are malformed.
int OnUnknownEncoding(void*, const XML_Char* name, XML_Encoding* encoding)
{
    const std::string upper = nav::Upper(name);
    if (upper != "WINDOWS-1252" && upper != "CP1252") return XML_STATUS_ERROR;
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = TableCodePoint(static_cast<unsigned char>(byte));
        encoding->map[byte] = c == 0 && byte != 0 ? -1 : static_cast<int>(c);
    }
    encoding->data = nullptr;
    encoding->convert = nullptr;
    encoding->release = nullptr;
    return XML_STATUS_OK;
}

struct TreeBuilder {
    XML_Parser parser;
    XmlElement root;
    std::vector<XmlElement*> open;  // the path from the root to the element being read
    bool tooDeep = false;

    static void OnStart(void* data, const XML_Char* name, const XML_Char** attributes)
    {
        auto* builder = static_cast<TreeBuilder*>(data);
        if (builder->open.size() == MaxElementDepth) {
            builder->tooDeep = true;
            XML_StopParser(builder->parser, XML_FALSE);
            return;
        }
        XmlElement* element = &builder->root;
        if (!builder->open.empty()) element = &builder->open.back()->children.emplace_back();
        element->name = LocalName(name);
        element->line = static_cast<int>(XML_GetCurrentLineNumber(builder->parser));
        for (int i = 0; attributes[i]; i += 2)
            element->attributes.emplace_back(LocalName(attributes[i]), attributes[i + 1]);
        builder->open.push_back(element);
    }

    static void OnEnd(void* data, const XML_Char*)
    {
        static_cast<TreeBuilder*>(data)->open.pop_back();
    }

    static void OnText(void* data, const XML_Char* text, int length)
    {
        auto* builder = static_cast<TreeBuilder*>(data);
        if (!builder->open.empty())
            builder->open.back()->text.append(text, static_cast<std::size_t>(length));
    }
};

}  // namespace

XmlElement::~XmlElement()
{
    std::vector<XmlElement> pending = std::move(children);
    while (!pending.empty()) {
        std::vector<XmlElement> next = std::move(pending.back().children);
        pending.pop_back();
        for (XmlElement& child : next) pending.push_back(std::move(child));
    }
}

const XmlElement* XmlElement::Child(std::string_view childName) const
{
    for (const XmlElement& child : children)
        if (child.name == childName) return &child;
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::Children(std::string_view childName) const
{
    std::vector<const XmlElement*> found;
    for (const XmlElement& child : children)
        if (child.name == childName) found.push_back(&child);
    return found;
}

std::string XmlElement::ChildText(std::string_view childName) const
{
    const XmlElement* child = Child(childName);
    return std::string(nav::Trimmed(child ? child->text : std::string_view()));
}

const std::string* XmlElement::Attribute(std::string_view attributeName) const
{
    for (const auto& [key, value] : attributes)
        if (key == attributeName) return &value;
    return nullptr;
}

nav::Expected<XmlElement> ParseXml(const std::string& bytes, const std::string& source)
{
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return nav::Fail(source + " is too large");
    TreeBuilder builder{XML_ParserCreateNS(nullptr, NamespaceSeparator), {}, {}};
    if (!builder.parser) return nav::Fail("out of memory reading " + source);
    XML_SetUserData(builder.parser, &builder);
    XML_SetElementHandler(builder.parser, TreeBuilder::OnStart, TreeBuilder::OnEnd);
    XML_SetCharacterDataHandler(builder.parser, TreeBuilder::OnText);
    XML_SetUnknownEncodingHandler(builder.parser, OnUnknownEncoding, nullptr);
    const bool parsed = XML_Parse(builder.parser, bytes.data(), static_cast<int>(bytes.size()),
                                  XML_TRUE) == XML_STATUS_OK;
    const std::string error = parsed ? "" : XML_ErrorString(XML_GetErrorCode(builder.parser));
    const auto line = XML_GetCurrentLineNumber(builder.parser);
    XML_ParserFree(builder.parser);
    if (builder.tooDeep)
        return nav::Fail(source + " line " + std::to_string(line) +
                         ": elements nested deeper than " + std::to_string(MaxElementDepth) +
                         " levels");
    if (!parsed)
        return nav::Fail(source + " line " + std::to_string(line) + ": not well-formed XML (" +
                         error + ")");
    return std::move(builder.root);
}

}  // namespace flightplan
