#include "markup/CMarkup.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace corvane {
namespace c_markup_test {
namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

std::string Join(std::string_view head, std::string_view tail) { return std::string(head) + std::string(tail); }

// Every element in document order as name=data, children in braces, read
// through the cursor alone: equal outlines of a built document and of its
// text parsed afresh show that the positions kept while building are right.
std::string Outline(CMarkup markup)
{
    std::string out;
    markup.ResetPosition();
    for (;;) {
        if (markup.FindSiblingElement()) {
            out += markup.GetTagName() + "=" + markup.GetData() + "[" + markup.GetAttribute("k") + "]{";
            markup.EnterElement();
            continue;
        }
        if (!markup.LeaveElement())
            return out;
        out += "}";
    }
}

void ExpectSameAsReparsed(const CMarkup& built)
{
    const CMarkup parsed(built.GetDocument());
    ASSERT_TRUE(parsed.IsWellFormedDocument()) << parsed.GetError();
    EXPECT_EQ(Outline(parsed), Outline(built));
}

TEST(CMarkupTest, DeclarationAloneHasNoRootAndTheRootIsAppendedAfterIt)
{
    CMarkup markup;
    EXPECT_FALSE(markup.ParseDocument(kDeclaration));
    EXPECT_FALSE(markup.IsWellFormedDocument());
    EXPECT_FALSE(markup.FindSiblingElement());
    EXPECT_FALSE(markup.AddChildElement("Control")) << "a child needs a current element";

    ASSERT_TRUE(markup.AddElement("WendaroPage"));
    EXPECT_EQ(markup.GetDocument(), Join(kDeclaration, "<WendaroPage/>\r\n"));
    EXPECT_TRUE(markup.IsWellFormedDocument());
    EXPECT_FALSE(markup.AddElement("Second")) << "only one root";
    EXPECT_EQ(markup.GetDocument(), Join(kDeclaration, "<WendaroPage/>\r\n"));
}

TEST(CMarkupTest, BuildsExactTexts)
{
    struct Case {
        const char* what;
        std::string start;  // parsed first
        void (*build)(CMarkup&);
        std::string expected;
    };
    const std::vector<Case> cases{
        {"an empty parent opens into three lines", "<P/>\r\n",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.AddChildElement("C");
            },
            "<P>\r\n<C/>\r\n</P>\r\n"},
        {"a second child follows the first's line", "<P/>\r\n",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.AddChildElement("C");
                m.AddChildElement("D", "7");
            },
            "<P>\r\n<C/>\r\n<D>7</D>\r\n</P>\r\n"},
        {"a child added after the current child goes between", "<P>\r\n<A/>\r\n<B/>\r\n</P>",
            [](CMarkup& m) {
                m.FindChildElement("A");
                m.AddChildElement("N");
            },
            "<P>\r\n<A/>\r\n<N/>\r\n<B/>\r\n</P>"},
        {"without a current child the child goes last", "<P>\r\n<A/>\r\n</P>",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.AddChildElement("N", "x");
            },
            "<P>\r\n<A/>\r\n<N>x</N>\r\n</P>"},
        {"a parent with nothing between its tags gets a line break first", "<P></P>",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.AddChildElement("C");
            },
            "<P>\r\n<C/>\r\n</P>"},
        {"inside an element, a sibling goes after the current element", "<R><A>1</A><B/></R>",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.EnterElement();
                m.FindSiblingElement("A");
                m.AddElement("N");
                m.AddElement("M");
            },
            "<R><A>1</A><N/>\r\n<M/>\r\n<B/></R>"},
        {"data escapes < & > and keeps apostrophes and quotes", "",
            [](CMarkup& m) { m.AddElement("T", "a<b & 'c' > \"d\""); }, "<T>a&lt;b &amp; 'c' &gt; \"d\"</T>\r\n"},
        {"attribute values escape all five", "<a/>",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.SetAttribute("k", "<&>'\"");
            },
            "<a k=\"&lt;&amp;&gt;&apos;&quot;\"/>"},
        {"an attribute is rewritten in place, another added before the '>'", "<a k='1' j=2>x</a>",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.SetAttribute("k", "22");
                m.SetAttribute("j", "3");
                m.SetAttribute("n", "");
            },
            "<a k=\"22\" j=\"3\" n=\"\">x</a>"},
        {"an empty start tag ending in two slashes stays open", "<P//>",
            [](CMarkup& m) {
                m.FindSiblingElement();
                m.AddChildElement("C");
            },
            "<P/ >\r\n<C/>\r\n</P>"},
    };
    for (const Case& c : cases) {
        CMarkup markup(c.start);
        c.build(markup);
        EXPECT_EQ(markup.GetDocument(), c.expected) << c.what;
        ExpectSameAsReparsed(markup);
    }
}

TEST(CMarkupTest, PageLikeDocumentKeepsItsPositionsWhileBuilt)
{
    CMarkup markup(kDeclaration);
    ASSERT_TRUE(markup.AddElement("WendaroPage"));
    for (const char* style : {"Gauge", "Led<&>"}) {
        ASSERT_TRUE(markup.AddChildElement("Control"));
        ASSERT_TRUE(markup.EnterElement());
        ASSERT_TRUE(markup.AddChildElement("Style", style));
        ASSERT_TRUE(markup.AddChildElement("ControlType", "-1"));
        ASSERT_TRUE(markup.AddChildElement("Settings", "<VALUES><Filename>a.png</Filename></VALUES>"));
        ASSERT_TRUE(markup.LeaveElement());
    }
    ASSERT_TRUE(markup.AddChildElement("PageSetup"));
    ASSERT_TRUE(markup.EnterElement());
    ASSERT_TRUE(markup.AddChildElement("Width", "1000"));
    ASSERT_TRUE(markup.AddChildElement("BackgroundImage"));
    ASSERT_TRUE(markup.LeaveElement());

    const auto control = [](std::string_view style) {
        return "<Control>\r\n<Style>" + std::string(style)
            + "</Style>\r\n<ControlType>-1</ControlType>\r\n"
              "<Settings>&lt;VALUES&gt;&lt;Filename&gt;a.png&lt;/Filename&gt;&lt;/VALUES&gt;</Settings>\r\n"
              "</Control>\r\n";
    };
    const std::string expected = std::string(kDeclaration) + "<WendaroPage>\r\n" + control("Gauge")
        + control("Led&lt;&amp;&gt;")
        + "<PageSetup>\r\n<Width>1000</Width>\r\n<BackgroundImage/>\r\n</PageSetup>\r\n"
          "</WendaroPage>\r\n";
    EXPECT_EQ(markup.GetDocument(), expected);
    ExpectSameAsReparsed(markup);

    CMarkup read(markup.GetDocument());
    ASSERT_TRUE(read.FindSiblingElement("WendaroPage"));
    ASSERT_TRUE(read.EnterElement());
    ASSERT_TRUE(read.FindSiblingElement("Control"));
    ASSERT_TRUE(read.FindChildElement("Style"));
    EXPECT_EQ(read.GetChildData(), "Gauge");
    ASSERT_TRUE(read.FindSiblingElement("Control"));
    ASSERT_TRUE(read.FindChildElement("Settings")) << "the child cursor starts again";
    EXPECT_EQ(read.GetChildData(), "<VALUES><Filename>a.png</Filename></VALUES>");
    EXPECT_FALSE(read.FindChildElement()) << "Settings is the last child";
    ASSERT_TRUE(read.FindSiblingElement());
    EXPECT_EQ(read.GetTagName(), "PageSetup");
    ASSERT_TRUE(read.FindChildElement("BackgroundImage"));
    EXPECT_EQ(read.GetChildData(), "");
    EXPECT_FALSE(read.FindSiblingElement());
}

TEST(CMarkupTest, RefusesNamesThatWouldBreakTheText)
{
    for (std::string_view name : {"", "a b", "a/b", "a>", "'a", "a=b", "a!", "a?"}) {
        CMarkup markup("<P/>");
        ASSERT_TRUE(markup.FindSiblingElement());
        EXPECT_FALSE(markup.AddChildElement(name)) << name;
        EXPECT_FALSE(markup.SetAttribute(name, "v")) << name;
        EXPECT_EQ(markup.GetDocument(), "<P/>") << name;
    }
}

TEST(CMarkupTest, ParseFailuresNameTheirElement)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "Element tag not found"},
        {"plain text", "Element tag not found"},
        {"<?xml version=\"1.0\"?>\r\n", "Element tag not found"},
        {"</a>", "Element tag not found"},
        {"<", "Abrupt end within tag"},
        {"<a><  ", "Abrupt end within tag"},
        {"<'a'>", "Tag starts with quote"},
        {"<?xml version", "Invalid node"},
        {"<!-- note", "Invalid node"},
        {"<a><![CDATA[x</a>", "Invalid node"},
        {"<!DOCTYPE a [<!ENTITY b 'c'>", "Invalid node"},
        {"<abc", "End of tag not found"},
        {"<a b='>'", "End of tag not found"},
        {"<Page>text", "End tag of Page element not found"},
        {"<Page><Inner/>", "End tag of Page element not found"},
        {"<Page><>", "Expecting end tag of element Page"},
        {"<A><B></A>", "End tag does not correspond to B"},
        {"<Page></page>", "End tag does not correspond to Page"},
        {"<Page></>", "End tag does not correspond to Page"},
        {"<Page></Page", "End tag not completed for element Page"},
        {"<Page></Page x>", "End tag not completed for element Page"},
    };
    for (const auto& c : cases) {
        CMarkup markup;
        EXPECT_FALSE(markup.ParseDocument(c.text)) << c.text;
        EXPECT_EQ(markup.GetError(), c.error) << c.text;
        EXPECT_FALSE(markup.IsWellFormedDocument()) << c.text;
        EXPECT_FALSE(markup.FindChildElement()) << c.text;
        EXPECT_EQ(markup.GetDocument(), c.text);
    }
    CMarkup markup("<Page></page>");
    EXPECT_TRUE(markup.ParseDocument("<Page/>"));
    EXPECT_EQ(markup.GetError(), "") << "a parse that works clears the last error";
}

TEST(CMarkupTest, SkipsNodesThatAreNoElements)
{
    CMarkup markup("<?xml version=\"1.0\"?>\r\n<!DOCTYPE a [<!ENTITY b '>'>]><!-- <x> -->"
                   "<a><?pi <y>?><!-- <z> --><b/><![CDATA[<c>]]><d>1</d></a><after/>");
    ASSERT_TRUE(markup.IsWellFormedDocument()) << markup.GetError();
    EXPECT_EQ(Outline(markup), "a=[]{b=[]{}d=1[]{}}") << "only the root element is read";
}

TEST(CMarkupTest, ReadsData)
{
    const struct {
        const char* text;
        const char* data;
    } cases[] = {
        {"<a>&lt;&amp;&gt;&apos;&quot;</a>", "<&>'\""},
        {"<a>&bogus; & &amp</a>", "&bogus; & &amp"},
        {"<a> <![CDATA[x<y&amp;]]> </a>", "x<y&amp;"},
        {"<a>text <![CDATA[x]]></a>", "text <![CDATA[x]]>"},
        {"<a> two\r\nlines </a>", " two\r\nlines "},
        {"<a><b>x</b></a>", ""},
        {"<a/>", ""},
        {"<a x='1'></a>", ""},
    };
    for (const auto& c : cases) {
        CMarkup markup(c.text);
        ASSERT_TRUE(markup.FindSiblingElement()) << c.text << ": " << markup.GetError();
        EXPECT_EQ(markup.GetData(), c.data) << c.text;
    }
    CMarkup written;
    ASSERT_TRUE(written.AddElement("T", "it's <1> & \"2\""));
    CMarkup read(written.GetDocument());
    ASSERT_TRUE(read.FindSiblingElement("T"));
    EXPECT_EQ(read.GetData(), "it's <1> & \"2\"");
}

TEST(CMarkupTest, ReadsAttributes)
{
    CMarkup markup("<a one=\"1\" two='&lt;2&gt;' three=3 flag four = \"4\" >x</a>");
    ASSERT_TRUE(markup.FindSiblingElement());
    EXPECT_EQ(markup.GetAttribute("one"), "1");
    EXPECT_EQ(markup.GetAttribute("two"), "<2>");
    EXPECT_EQ(markup.GetAttribute("three"), "3");
    EXPECT_EQ(markup.GetAttribute("four"), "4");
    EXPECT_EQ(markup.GetAttribute("flag"), "");
    EXPECT_EQ(markup.GetAttribute("ONE"), "") << "names are case-sensitive";
    ASSERT_TRUE(markup.SetAttribute("v", "<&>'\""));
    EXPECT_EQ(markup.GetAttribute("v"), "<&>'\"");
    EXPECT_EQ(markup.GetData(), "x");
    ExpectSameAsReparsed(markup);
}

TEST(CMarkupTest, SearchesCaseSensitivelyAndMovesTheCursor)
{
    CMarkup markup("<Page><Control>1</Control><control>2</control><Other/><Control>3</Control></Page>");
    EXPECT_FALSE(markup.FindSiblingElement("page"));
    ASSERT_TRUE(markup.FindSiblingElement("Page"));
    ASSERT_TRUE(markup.FindChildElement("control"));
    EXPECT_EQ(markup.GetChildData(), "2");
    ASSERT_TRUE(markup.FindChildElement("Control")) << "searches on after the current child";
    EXPECT_EQ(markup.GetChildData(), "3");
    EXPECT_FALSE(markup.FindChildElement("CONTROL"));
    EXPECT_EQ(markup.GetChildData(), "3") << "a failed search keeps the cursor";

    ASSERT_TRUE(markup.EnterElement());
    EXPECT_EQ(markup.GetTagName(), "Control");
    EXPECT_EQ(markup.GetData(), "3");
    EXPECT_FALSE(markup.FindSiblingElement()) << "the last of its level";
    ASSERT_TRUE(markup.LeaveElement());
    EXPECT_EQ(markup.GetTagName(), "Page");
    EXPECT_EQ(markup.GetChildTagName(), "Control");
    EXPECT_FALSE(markup.LeaveElement()) << "the root has no parent";

    CMarkup fresh("<Page><Other/><Control>1</Control></Page>");
    ASSERT_TRUE(fresh.FindChildElement("Control")) << "finds the root first";
    EXPECT_EQ(fresh.GetTagName(), "Page");
    EXPECT_EQ(fresh.GetChildData(), "1");
}

TEST(CMarkupTest, DeepNestingParses)
{
    std::string text;
    constexpr int kDepth = 100000;
    for (int i = 0; i < kDepth; ++i)
        text += "<e>";
    for (int i = 0; i < kDepth; ++i)
        text += "</e>";
    CMarkup markup(text);
    EXPECT_TRUE(markup.IsWellFormedDocument()) << markup.GetError();
    text.resize(text.size() - 4);
    EXPECT_FALSE(markup.ParseDocument(text));
    EXPECT_EQ(markup.GetError(), "End tag of e element not found");
}

TEST(CMarkupTest, CopiesAreIndependent)
{
    CMarkup original("<P/>");
    ASSERT_TRUE(original.FindSiblingElement());
    CMarkup copy = original;
    ASSERT_TRUE(copy.AddChildElement("C"));
    EXPECT_EQ(original.GetDocument(), "<P/>");
    EXPECT_EQ(copy.GetChildTagName(), "C");
    EXPECT_EQ(original.GetChildTagName(), "");
}

}  // namespace
}  // namespace c_markup_test
}  // namespace corvane
