// Just enough XML for an application manifest: the elements with their
// attributes and parents, comments and processing instructions skipped.
// Text content is ignored and entities are left as written.
#ifndef TUSCHELPOST_TESTS_PE_MANIFEST_XML_H
#define TUSCHELPOST_TESTS_PE_MANIFEST_XML_H

#include <string>
#include <utility>
#include <vector>

struct XmlElement {
    std::string name;  // with any namespace prefix removed
    std::vector<std::pair<std::string, std::string>> attributes;
    int parent;  // index into the element list, -1 for the root
};

// Every element in document order. Returns false, with the reason in
// `error`, when a tag is unclosed or closes the wrong element.
bool ParseXmlElements(const std::string& xml, std::vector<XmlElement>& elements,
                      std::string& error);

// The attribute's value, or nullptr when the element has none of that name.
const std::string* XmlAttribute(const XmlElement& element, const std::string& name);

// The element names from the root down to `index`, joined by '/'.
std::string XmlPath(const std::vector<XmlElement>& elements, int index);

#endif
