#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/core/ContentPath.hpp"
#include "engine/core/XmlFile.hpp"
#include "engine/core/XmlNumber.hpp"
#include "support/LogCapture.hpp"
#include "support/ScratchFolder.hpp"

namespace {

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = scratchFolder("xmlfile") + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(XmlNumber, LeadingSignAndDigitsCountAndAnythingElseIsZero) {
    EXPECT_EQ(XmlNumber::leadingInt("42"), 42);
    EXPECT_EQ(XmlNumber::leadingInt(" \t+17 apples"), 17);
    EXPECT_EQ(XmlNumber::leadingInt("-3.9"), -3);
    EXPECT_EQ(XmlNumber::leadingInt("0x1F"), 0) << "no hexadecimal";
    EXPECT_EQ(XmlNumber::leadingInt("- 5"), 0);
    EXPECT_EQ(XmlNumber::leadingInt("2147483648"), 2147483647);
    EXPECT_EQ(XmlNumber::leadingInt("-2147483649"), -2147483647 - 1);
    EXPECT_EQ(XmlNumber::leadingInt("99999999999999999999999"), 2147483647);

    EXPECT_EQ(XmlNumber::list("3, 7,x,12"), (std::vector<int>{3, 7, 0, 12}));
    EXPECT_EQ(XmlNumber::list("5,"), (std::vector<int>{5})) << "a comma at the end adds nothing";
    EXPECT_EQ(XmlNumber::list("1,,2"), (std::vector<int>{1, 0, 2}));
    EXPECT_TRUE(XmlNumber::list("").empty());
    EXPECT_TRUE(XmlNumber::list(nullptr).empty());
}

TEST(XmlFile, AGoodFileGivesItsRootAndAttributesReadByTheFormatRules) {
    LogCapture log;
    const std::string path = writeFile("good.xml",
                                       "<Scene name='hall'>\n"
                                       "  <Item n='  12px' r='2.5e1' neg='-4' word='abc'/>\n"
                                       "</Scene>\n");
    const XmlFile file(path, "Scene");
    ASSERT_NE(file.root(), nullptr);
    EXPECT_EQ(file.fileName(), path);
    const tinyxml2::XMLElement* item = file.root()->FirstChildElement("Item");
    EXPECT_EQ(XmlFile::text(file.root(), "name"), "hall");
    EXPECT_EQ(XmlFile::text(item, "absent", "fallback"), "fallback");
    EXPECT_EQ(XmlFile::number(item, "n"), 12);
    EXPECT_EQ(XmlFile::number(item, "neg"), -4);
    EXPECT_EQ(XmlFile::number(item, "word", 9), 0) << "present but no digits reads 0, not the default";
    EXPECT_EQ(XmlFile::number(item, "absent", -1), -1);
    EXPECT_FLOAT_EQ(XmlFile::real(item, "r"), 25.0f);
    EXPECT_FLOAT_EQ(XmlFile::real(item, "word"), 0.0f);
    EXPECT_FLOAT_EQ(XmlFile::real(item, "absent", 1.5f), 1.5f);
    EXPECT_TRUE(log.lines().empty());

    // Faults of elements are reported at their lines, one line each.
    EXPECT_TRUE(file.hasAll(item, {"n", "r"}));
    EXPECT_FALSE(file.hasAll(item, {"n", "x", "y"}));
    EXPECT_FALSE(file.hasAll(item, {"z"}, "the key frame"));
    file.warn(file.root(), "something is odd");
    EXPECT_FALSE(file.needsFile(item, "missing.png", "the image"));
    EXPECT_TRUE(file.needsFile(item, path, "the image"));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{
                               path + ":2: the Item lacks x, y",
                               path + ":2: the key frame lacks z",
                               path + ":1: something is odd",
                               path + ":2: the image \"missing.png\" does not exist",
                           }));
}

TEST(XmlFile, EveryBrokenFileGivesOneLineWithItsNameAndLineAndNoRoot) {
    const std::string missing = scratchFolder("xmlfile") + "absent.xml";
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {missing, missing + ": the file is missing"},
        {writeFile("empty.xml", ""), "empty.xml: the file is empty"},
        {writeFile("blank.xml", "\n\n  \n"), "blank.xml: the file is empty"},
        {writeFile("cut.xml", "<Scene>\n  <Item a='1'/>\n  <Item a="),
         "cut.xml:3: not well-formed XML (parsing attribute)"},
        {writeFile("mismatch.xml", "<Scene>\n<Item>\n</Scene>\n"), "mismatch.xml:2: not well-formed XML (mismatched element)"},
        {writeFile("foreign.xml", "<!-- x -->\n<Strings/>\n"), "foreign.xml:2: the root element is Strings, not Scene"},
        {writeFile("noroot.xml", "<?xml version='1.0'?>\n<!-- only a comment -->\n"), "noroot.xml"},
        {writeFile("bytes.xml", std::string("\x89PNG\r\n\x1a\n\0\0\xff<", 12)), "bytes.xml"},
    };
    for (const auto& c : cases) {
        LogCapture log;
        const XmlFile file(c.path, "Scene");
        EXPECT_EQ(file.root(), nullptr) << c.path;
        ASSERT_EQ(log.lines().size(), 1u) << c.path;
        const std::string& line = log.lines().front();
        EXPECT_EQ(line.find(c.path), 0u) << line;
        EXPECT_NE(line.find(c.expected), std::string::npos) << line;
    }
}

TEST(XmlFile, ContentPathsAreReadFromTheContentFolderAndNamedByTheFileRead) {
    const std::string folder = scratchFolder("xmlfile") + "pack";
    std::filesystem::create_directories(folder + "/config");
    std::ofstream(folder + "/config/x.xml") << "<Wrong/>";
    const std::string before = ContentPath::folder();
    ContentPath::setFolder(folder);
    LogCapture log;
    const XmlFile file("content/config/x.xml", "Right");
    ContentPath::setFolder(before);
    EXPECT_EQ(file.fileName(), folder + "/config/x.xml");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{folder + "/config/x.xml:1: the root element is Wrong, not Right"}));
    EXPECT_EQ(XmlFile::message("f.xml", 0, "gone"), "f.xml: gone");
    EXPECT_EQ(XmlFile::message("f.xml", 7, "bad"), "f.xml:7: bad");
}

}  // namespace
