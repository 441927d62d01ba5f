#include "manifest_xml.h"

static bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

static std::string LocalName(const std::string& name)
{
    size_t colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

// Reads the name and attributes of the start tag whose '<' is at `at`;
// leaves `at` behind its '>' and says whether it ended with "/>".
static bool ReadStartTag(const std::string& xml, size_t& at, XmlElement& element,
                         bool& selfClosing, std::string& error)
{
    size_t pos = at + 1;
    size_t nameEnd = pos;
    while (nameEnd < xml.size() && !IsSpace(xml[nameEnd]) && xml[nameEnd] != '/' &&
           xml[nameEnd] != '>')
        ++nameEnd;
    element.name = LocalName(xml.substr(pos, nameEnd - pos));
    pos = nameEnd;
    for (;;) {
        while (pos < xml.size() && IsSpace(xml[pos]))
            ++pos;
        if (pos >= xml.size())
            break;
        if (xml.compare(pos, 2, "/>") == 0 || xml[pos] == '>') {
            selfClosing = xml[pos] == '/';
            at = pos + (selfClosing ? 2 : 1);
            return true;
        }
        size_t equals = xml.find('=', pos);
        if (equals == std::string::npos)
            break;
        std::string name = xml.substr(pos, equals - pos);
        while (!name.empty() && IsSpace(name.back()))
            name.pop_back();
        size_t quote = equals + 1;
        while (quote < xml.size() && IsSpace(xml[quote]))
            ++quote;
        if (quote >= xml.size() || (xml[quote] != '"' && xml[quote] != '\''))
            break;
        size_t close = xml.find(xml[quote], quote + 1);
        if (close == std::string::npos)
            break;
        element.attributes.push_back({name, xml.substr(quote + 1, close - quote - 1)});
        pos = close + 1;
    }
    error = "unfinished start tag <" + element.name;
    return false;
}

bool ParseXmlElements(const std::string& xml, std::vector<XmlElement>& elements,
                      std::string& error)
{
    elements.clear();
    std::vector<int> open;
    size_t at = xml.find('<');
    while (at != std::string::npos) {
        if (xml.compare(at, 4, "<!--") == 0 || xml.compare(at, 2, "<?") == 0) {
            bool comment = xml[at + 1] == '!';
            size_t end = xml.find(comment ? "-->" : "?>", at);
            if (end == std::string::npos) {
                error = comment ? "unclosed comment" : "unclosed processing instruction";
                return false;
            }
            at = xml.find('<', end);
            continue;
        }
        if (xml.compare(at, 2, "</") == 0) {
            size_t end = xml.find('>', at);
            std::string name = end == std::string::npos ? "" : xml.substr(at + 2, end - at - 2);
            while (!name.empty() && IsSpace(name.back()))
                name.pop_back();
            if (open.empty() || elements[open.back()].name != LocalName(name)) {
                error = "</" + name + "> closes no open element";
                return false;
            }
            open.pop_back();
            at = xml.find('<', end);
            continue;
        }
        XmlElement element;
        element.parent = open.empty() ? -1 : open.back();
        bool selfClosing = false;
        if (!ReadStartTag(xml, at, element, selfClosing, error))
            return false;
        elements.push_back(element);
        if (!selfClosing)
            open.push_back(static_cast<int>(elements.size()) - 1);
        at = xml.find('<', at);
    }
    if (!open.empty()) {
        error = "<" + elements[open.back()].name + "> is never closed";
        return false;
    }
    return true;
}

const std::string* XmlAttribute(const XmlElement& element, const std::string& name)
{
    for (const auto& attribute : element.attributes)
        if (attribute.first == name)
            return &attribute.second;
    return nullptr;
}

std::string XmlPath(const std::vector<XmlElement>& elements, int index)
{
    std::string path;
    for (int i = index; i >= 0; i = elements[i].parent)
        path = elements[i].name + (path.empty() ? "" : "/" + path);
    return path;
}
