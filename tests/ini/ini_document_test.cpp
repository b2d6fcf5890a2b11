#include "core/platform/ini/ini_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/text.h"

namespace marlix {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string file;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniDocument, Reads) {
    const std::string x300(300, 'x');
    const std::string smile = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const std::vector<ReadCase> cases = {
        {"names ignore ASCII case", "[Profile-A]\nMode_1=x\n", "profile-a", "MODE_1", "x"},
        {"blanks around key and value", "[s]\n \t k \t=\t v w \t\n", "s", "k", "v w"},
        {"double quotes removed", "[s]\nk= \"a b\" \n", "s", "k", "a b"},
        {"single quotes removed", "[s]\nk='a'\n", "s", "k", "a"},
        {"unmatched quotes kept", "[s]\nk=\"a'\n", "s", "k", "\"a'"},
        {"a lone quote kept", "[s]\nk=\"\n", "s", "k", "\""},
        {"only one pair removed", "[s]\nk=\"\"a\"\"\n", "s", "k", "\"a\""},
        {"empty value", "[s]\nk=\n", "s", "k", ""},
        {"value holds =", "[s]\nk=a=b\n", "s", "k", "a=b"},
        {"first section wins", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "k", "1"},
        {"a duplicate section is not searched", "[s]\nk=1\n[S]\nj=3\n", "S", "j", std::nullopt},
        {"first key wins", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        {"missing key", "[s]\nk=1\n", "s", "j", std::nullopt},
        {"missing section", "[s]\nk=1\n", "t", "k", std::nullopt},
        {"keys before the first header belong nowhere", "k=1\n[s]\n", "s", "k", std::nullopt},
        {"comment is no key", "[s]\n;k=1\n", "s", "k", std::nullopt},
        {"line without = ignored", "[s]\nk\nk=2\n", "s", "k", "2"},
        {"header with blanks", "  [ s ]  \nk=1", "s", "k", "1"},
        {"unclosed bracket is no header", "[s]\n[t\nk=1\n", "s", "k", "1"},
        {"text before a bracket is no header", "x[s]\nk=1\n", "s", "k", std::nullopt},
        {"CRLF", "[s]\r\nk=1\r\nj=2\r\n", "s", "j", "2"},
        {"CR", "[s]\rk=1\rj=2", "s", "j", "2"},
        {"UTF-8 names fold ASCII only",
         "[\xC3\x84"
         "b]\nk=1\n",
         "\xC3\x84"
         "B",
         "k", "1"},
        {"non-ASCII letters do not fold",
         "[\xC3\x84"
         "b]\nk=1\n",
         "\xC3\xA4"
         "b",
         "k", std::nullopt},
        {"cut to 255 units", "[s]\nk=" + x300 + "\n", "s", "k", x300.substr(0, 255)},
        {"a pair that straddles 255 is left out", "[s]\nk=" + x300.substr(0, 254) + smile, "s", "k",
         x300.substr(0, 254)},
        {"a pair that fits is kept", "[s]\nk=" + x300.substr(0, 253) + smile, "s", "k",
         x300.substr(0, 253) + smile},
    };
    for (const ReadCase& c : cases) {
        const IniDocument doc = IniDocument::Parse(c.file);
        EXPECT_EQ(doc.GetValue(c.section, c.key), c.expected) << c.what;
    }
}

TEST(IniDocument, SectionNamesInFileOrderWithDuplicates) {
    const IniDocument doc = IniDocument::Parse("a=1\n[one]\n[Two]\nk=[x]\n[one]\n[ three ]\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"one", "Two", "one", "three"}));
    EXPECT_TRUE(doc.HasSection("TWO"));
    EXPECT_FALSE(doc.HasSection("four"));
    EXPECT_TRUE(IniDocument::Parse("").SectionNames().empty());
}

struct EditCase {
    const char* what;
    std::string before;
    std::function<void(IniDocument&)> edit;
    std::string after;
};

auto set(const char* s, const char* k, const char* v) {
    return [=](IniDocument& d) { ASSERT_TRUE(d.SetValue(s, k, v).ok()) << s << "/" << k; };
}
auto remove(const char* s) {
    return [=](IniDocument& d) { d.RemoveSection(s); };
}
auto both(std::function<void(IniDocument&)> a, std::function<void(IniDocument&)> b) {
    return [=](IniDocument& d) { a(d), b(d); };
}

TEST(IniDocument, Edits) {
    const std::vector<EditCase> cases = {
        {"replace in place", "[s]\nk=1\nj=2\n", set("s", "k", "3"), "[s]\nk=3\nj=2\n"},
        {"replace keeps the key's spelling and spacing", "[S]\n  Key =  old  \n",
         set("s", "KEY", "new"), "[S]\n  Key =  new\n"},
        {"replace in the first of duplicate sections", "[s]\nk=1\n[S]\nk=1\n", set("S", "k", "2"),
         "[s]\nk=2\n[S]\nk=1\n"},
        {"same value leaves the line alone", "[a]\nk = \"1\"  \n", set("a", "k", "1"),
         "[a]\nk = \"1\"  \n"},
        {"new key after the last non-blank line", "[a]\nk=1\n;note\n\n[b]\nj=2\n",
         set("a", "n", "3"), "[a]\nk=1\n;note\nn=3\n\n[b]\nj=2\n"},
        {"new key in an empty section", "[a]\n\n[b]\n", set("a", "k", "1"), "[a]\nk=1\n\n[b]\n"},
        {"new section at the end, no blank line added", "[a]\nk=1\n\n", set("b", "j", "2"),
         "[a]\nk=1\n\n[b]\nj=2\n"},
    // A file without line ends takes the system's.
#ifdef _WIN32
        {"new section in an empty file", "", set("b", "j", "2"), "[b]\r\nj=2\r\n"},
#else
        {"new section in an empty file", "", set("b", "j", "2"), "[b]\nj=2\n"},
#endif
        {"new section after lines before any header", "; c\nx=1\n", set("b", "j", "2"),
         "; c\nx=1\n[b]\nj=2\n"},
        {"no final line end: new key", "[a]\nk=1", set("a", "j", "2"), "[a]\nk=1\nj=2"},
        {"no final line end: new section", "[a]\nk=1", set("b", "j", "2"), "[a]\nk=1\n[b]\nj=2"},
        {"no final line end: replace", "[a]\nk=1", set("a", "k", "2"), "[a]\nk=2"},
        {"CRLF kept", "[a]\r\nk=1\r\n", both(set("a", "j", "2"), set("b", "x", "1")),
         "[a]\r\nk=1\r\nj=2\r\n[b]\r\nx=1\r\n"},
        {"CR kept", "[a]\rk=1\r", both(set("a", "k", "2"), set("b", "x", "1")),
         "[a]\rk=2\r[b]\rx=1\r"},
        {"the first line end sets the style", "[a]\r\nk=1\n", set("a", "j", "2"),
         "[a]\r\nk=1\nj=2\r\n"},
        {"untouched lines keep their bytes",
         "; top\n[x]\n  odd  =  spacing ;c\n\t\n[a]\nk=1\n[z]\nq\n", set("a", "k", "2"),
         "; top\n[x]\n  odd  =  spacing ;c\n\t\n[a]\nk=2\n[z]\nq\n"},
        {"remove a section with its comments and blanks", "[a]\nk=1\n\n[b]\nj=2\n;c\n\n[c]\nx=3\n",
         remove("B"), "[a]\nk=1\n\n[c]\nx=3\n"},
        {"remove every duplicate", "[b]\n[a]\n[B]\nk=1\n", remove("b"), "[a]\n"},
        {"remove the last section, no final line end", "[a]\nk=1\n[b]\nj=2", remove("b"),
         "[a]\nk=1"},
        {"remove keeps lines before the first header", ";c\n[a]\nk=1\n", remove("a"), ";c\n"},
        {"remove a missing section", "[a]\nk=1\n", remove("b"), "[a]\nk=1\n"},
        {"re-add after remove", "[a]\nk=1\n[b]\n", both(remove("a"), set("a", "k", "2")),
         "[b]\n[a]\nk=2\n"},
    };
    for (const EditCase& c : cases) {
        IniDocument doc = IniDocument::Parse(c.before);
        c.edit(doc);
        EXPECT_EQ(doc.Serialize(), c.after) << c.what;
        EXPECT_EQ(doc.modified(), c.before != c.after) << c.what;
    }
}

TEST(IniDocument, EditsAreSeenByLaterReads) {
    IniDocument doc = IniDocument::Parse("[a]\nk=1\n[b]\nk=5\n");
    ASSERT_TRUE(doc.SetValue("a", "k", "2").ok());
    ASSERT_TRUE(doc.SetValue("a", "j", "3").ok());
    EXPECT_EQ(doc.GetValue("A", "k"), "2");
    EXPECT_EQ(doc.GetValue("a", "J"), "3");
    EXPECT_EQ(doc.RemoveSection("A"), 1u);
    EXPECT_EQ(doc.GetValue("a", "k"), std::nullopt);
    EXPECT_EQ(doc.GetValue("b", "k"), "5");
}

TEST(IniDocument, RemovalDoesNotConfuseLaterLookups) {
    IniDocument doc = IniDocument::Parse("[r]\n[d]\nk=1\n[x]\n[D]\nk=2\n");
    EXPECT_TRUE(doc.HasSection("x"));
    doc.RemoveSection("r");
    EXPECT_EQ(doc.GetValue("d", "k"), "1");
    ASSERT_TRUE(doc.SetValue("D", "k", "3").ok());
    EXPECT_EQ(doc.Serialize(), "[d]\nk=3\n[x]\n[D]\nk=2\n");
}

TEST(IniDocument, NewFileUsesThePlatformLineEnd) {
    IniDocument doc;
    ASSERT_TRUE(doc.SetValue("s", "k", "v").ok());
#ifdef _WIN32
    EXPECT_EQ(doc.Serialize(), "[s]\r\nk=v\r\n");
#else
    EXPECT_EQ(doc.Serialize(), "[s]\nk=v\n");
#endif
}

struct EncodingCase {
    const char* what;
    std::function<std::string(const std::string&)> encode;
};

TEST(IniDocument, EncodingsRoundTrip) {
    const std::vector<EncodingCase> cases = {
        {"UTF-8 with BOM", [](const std::string& t) { return "\xEF\xBB\xBF" + t; }},
        {"UTF-16 LE", [](const std::string& t) { return "\xFF\xFE" + Utf8ToUtf16Le(t); }},
        {"UTF-16 BE", [](const std::string& t) { return "\xFE\xFF" + Utf8ToUtf16Be(t); }},
        {"Latin-1", [](const std::string& t) { return Utf8ToLatin1(t); }},
    };
    const std::string before = "; caf\xC3\xA9  \r\n[s\xC3\xA9]\r\n k = \xC3\xA9\r\n\r\n[x]";
    const std::string after =
        "; caf\xC3\xA9  \r\n[s\xC3\xA9]\r\n k = \xC3\xB1\r\nj=\xC3\xBC\r\n\r\n[x]\r\n[n]\r\nk=v";
    for (const EncodingCase& c : cases) {
        const std::string file = c.encode(before);
        IniDocument doc = IniDocument::Parse(file);
        EXPECT_EQ(doc.Serialize(), file) << c.what;
        EXPECT_EQ(doc.GetValue("S\xC3\xA9", "K"), "\xC3\xA9") << c.what;
        EXPECT_TRUE(doc.SetValue("s\xC3\xA9", "k", "\xC3\xB1").ok()) << c.what;
        EXPECT_TRUE(doc.SetValue("s\xC3\xA9", "j", "\xC3\xBC").ok()) << c.what;
        EXPECT_TRUE(doc.SetValue("n", "k", "v").ok()) << c.what;
        EXPECT_EQ(doc.Serialize(), c.encode(after)) << c.what;
    }
}

TEST(IniDocument, Latin1FileRefusesWhatItCannotHold) {
    const std::string file = "[s]\nk=caf\xE9\n";
    IniDocument doc = IniDocument::Parse(file);
    EXPECT_EQ(doc.GetValue("s", "k"), "caf\xC3\xA9");
    EXPECT_FALSE(doc.SetValue("s", "k", "\xE6\x97\xA5").ok());
    EXPECT_FALSE(doc.SetValue("\xE6\x97\xA5", "k", "v").ok());
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.Serialize(), file);
}

TEST(IniDocument, BomWithInvalidUtf8IsReadByteForByte) {
    const std::string file = "\xEF\xBB\xBF[s]\nk=caf\xE9\n";
    IniDocument doc = IniDocument::Parse(file);
    EXPECT_EQ(doc.GetValue("s", "k"), "caf\xC3\xA9");
    ASSERT_TRUE(doc.SetValue("s", "j", "\xC3\xBC").ok());
    EXPECT_EQ(doc.Serialize(), file + "j=\xFC\n");
}

TEST(IniDocument, MalformedUtf16IsKeptWhereUntouched) {
    const std::string lineWithLoneSurrogate =
        Utf8ToUtf16Le("k=") + "\x00\xD8"s + Utf8ToUtf16Le("\n");
    const std::string file = "\xFF\xFE" + Utf8ToUtf16Le("[a]\n") + lineWithLoneSurrogate + "\x7F";
    IniDocument doc = IniDocument::Parse(file);
    EXPECT_EQ(doc.Serialize(), file);
    ASSERT_TRUE(doc.SetValue("a", "j", "1").ok());
    EXPECT_EQ(doc.Serialize(), "\xFF\xFE" + Utf8ToUtf16Le("[a]\n") + lineWithLoneSurrogate +
                                   Utf8ToUtf16Le("j=1\n") + "\x7F");
}

TEST(IniDocument, RefusesWhatWouldNotReadBack) {
    struct Refusal {
        std::string section, key, value;
    };
    const std::vector<Refusal> cases = {
        {"a\nb", "k", "v"},  {"a", "k\r", "v"}, {"a", "k", "v\nw"}, {"a", "k", "v\r"},
        {"a", "k", "v\0w"s}, {"a", "a=b", "v"}, {"a", "[k", "v"},   {"a", ";k", "v"},
        {"a", "", "v"},      {"a", " k", "v"},  {" a", "k", "v"},   {"a", "k", "\xFF"},
        {"a\xC3", "k", "v"},
    };
    for (const Refusal& c : cases) {
        const std::string file = "[a]\nk=1\n";
        IniDocument doc = IniDocument::Parse(file);
        EXPECT_FALSE(doc.SetValue(c.section, c.key, c.value).ok())
            << c.section << "/" << c.key << "/" << c.value;
        EXPECT_FALSE(doc.modified());
        EXPECT_EQ(doc.Serialize(), file);
    }
}

}  // namespace
}  // namespace marlix
