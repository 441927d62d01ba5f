// The manifest reader must see what the loader sees: a wrong reading here
// would let a bad manifest pass the executable checks.
#include <gtest/gtest.h>

#include <string>

#include "manifest_xml.h"

namespace {

// Each element written as path[attr=value,...], in document order.
std::string Describe(const std::vector<XmlElement>& elements)
{
    std::string text;
    for (int i = 0; i < static_cast<int>(elements.size()); ++i) {
        text += (i ? " " : "") + XmlPath(elements, i) + "[";
        for (size_t a = 0; a < elements[i].attributes.size(); ++a)
            text += (a ? "," : "") + elements[i].attributes[a].first + "=" +
                    elements[i].attributes[a].second;
        text += "]";
    }
    return text;
}

TEST(ManifestXml, ReadsElementsAttributesAndParents)
{
    const struct {
        const char* xml;
        const char* wanted;
    } cases[] = {
        {"<a/>", "a[]"},
        {"<a x=\"1\" y='2'></a>", "a[x=1,y=2]"},
        {"<a><b v = \"1.0\" /><c><d/></c></a>", "a[] a/b[v=1.0] a/c[] a/c/d[]"},
        {"<?xml version=\"1.0\"?>\n<a>\n  <!-- <b x=\"1\"/> -->\n  <c/>\n</a>", "a[] a/c[]"},
        {"<asmv3:a xmlns:asmv3=\"u\"><asmv3:b/></asmv3:a>", "a[xmlns:asmv3=u] a/b[]"},
        {"<a t=\"x>y\"/>", "a[t=x>y]"},
        {"<a>text <b/> more</a >", "a[] a/b[]"},
    };
    for (const auto& c : cases) {
        std::vector<XmlElement> elements;
        std::string error;
        ASSERT_TRUE(ParseXmlElements(c.xml, elements, error)) << c.xml << ": " << error;
        EXPECT_EQ(Describe(elements), c.wanted) << "ParseXmlElements(" << c.xml << ")";
    }
}

TEST(ManifestXml, RejectsBrokenNesting)
{
    for (const char* xml : {"<a>", "<a></b>", "<a><b></a></b>", "</a>", "<a x=\"1/>",
                            "<a><!-- </a>", "<a x=1/>"}) {
        std::vector<XmlElement> elements;
        std::string error;
        EXPECT_FALSE(ParseXmlElements(xml, elements, error))
            << "ParseXmlElements(" << xml << ") = " << Describe(elements) << ", want an error";
    }
}

TEST(ManifestXml, AttributeLookupIsExact)
{
    std::vector<XmlElement> elements;
    std::string error;
    ASSERT_TRUE(ParseXmlElements("<a version=\"1\" Version=\"2\"/>", elements, error));
    ASSERT_NE(XmlAttribute(elements[0], "version"), nullptr);
    EXPECT_EQ(*XmlAttribute(elements[0], "version"), "1");
    EXPECT_EQ(*XmlAttribute(elements[0], "Version"), "2");
    EXPECT_EQ(XmlAttribute(elements[0], "type"), nullptr);
}

}  // namespace
