// Model files from anywhere: broken, malicious or absurd files must fail the
// load as a whole (or load, where that is the rule), quickly and cleanly.
#include <string>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

namespace {
const std::string PARSE_ERROR = "An error occured during parsing\n ";

std::string with_dtd(const std::string& dtd, const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<!DOCTYPE SYSSPEC [\n" + dtd + "]>\n<SYSSPEC>\n" + body + "</SYSSPEC>\n";
}

using Texts = std::vector<std::string>;

// Ten levels of entities, each holding ten references to the one below.
std::string laughs() {
  std::string dtd = "<!ENTITY l0 \"lol\">\n";
  for (int i = 1; i <= 9; ++i) {
    dtd += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) dtd += "&l" + std::to_string(i - 1) + ";";
    dtd += "\">\n";
  }
  return dtd;
}
}  // namespace

TEST(XmlHostile, EntitiesAreReplacedLikeTheParserWould) {
  const std::string dtd = "<!ENTITY a \"x&amp;y\">\n<!ENTITY b \"&a;<i>z</i>&a;\">\n";
  auto in_text = [&](const std::string& body) { return with_dtd(dtd, sysdia(text_sym(3, body))); };
  // Entity references after text are expanded; elements between are skipped.
  EXPECT_EQ(texts_of(in_text("<CONTENT>\nt&b;<!--c--><![CDATA[<q>]]>\n</CONTENT>\n")), Texts{"tx&yx&y<q>"});
  // A content that is no plain text.
  expect_load(in_text("<CONTENT>&a;</CONTENT>\n"), "Content node with children node found");
  expect_load(in_text("<CONTENT><b>x</b></CONTENT>\n"), "Content node with children node found");
  expect_load(in_text("<CONTENT><!--c-->x</CONTENT>\n"), "Content node without text content");
  expect_load(in_text("<CONTENT/>\n"), "Content node without text content");
  // The system name is the whole text of its element, entities included.
  SysSpec sysSpec;
  ASSERT_EQ(load_text(sysSpec, with_dtd(dtd, dia("SYSDIA", 1, "N&b;<k>K</k>", 2))), "OK");
  EXPECT_EQ(sysSpec.get_SysDia()->name_ref(), "Nx&yzx&yK");
  // Attribute values: entities, character references and DTD defaults.
  EXPECT_EQ(texts_of(with_dtd(dtd + "<!ENTITY two \"2\">\n<!ATTLIST TEXTSYM PARENT_PAGE_ID CDATA \"2\">\n",
                                sysdia(element("TEXTSYM ID=\"&#51;\"", content("d") + edit(PAS1234, "\"1\"", "\"&two;\""))))),
            Texts{"d"});
  // An attribute is found by its local name, whatever its namespace prefix.
  EXPECT_EQ(texts_of(file_with(element("SYSDIA a:ID=\"1\" xmlns:a=\"urn:a\"",
                                         "<DIA_NAME>\nR\n</DIA_NAME>\n" + page_lines(2) +
                                             element("TEXTSYM ID=\"3\" b:PARENT_PAGE_ID=\"2\" xmlns:b=\"urn:b\"",
                                                     content("ns") + PAS1234)))),
            Texts{"ns"});
}

TEST(XmlHostile, NestedEntityExpansionFailsQuickly) {
  for (const std::string& text : {with_dtd(laughs(), sysdia(text_sym(3, content("x&l9;")))),
                                  with_dtd(laughs(), edit(file_with(sysdia()), "ID=\"1\"", "ID=\"&l9;\"")),
                                  with_dtd(laughs(), dia("SYSDIA", 1, "&l9;", 2))})
    expect_load(text, PARSE_ERROR);
}

TEST(XmlHostile, ExternalEntitiesAndTheNetworkAreNeverRead) {
  std::string secret = temp_path("secret.txt");
  write_file(secret, "SECRET");
  std::string dtd = "<!ENTITY ext SYSTEM \"file://" + secret + "\">\n<!ENTITY net SYSTEM \"http://127.0.0.1:9/x\">\n";
  EXPECT_EQ(texts_of(with_dtd(dtd, sysdia(text_sym(3, content("x&ext;&net;"))))), Texts{"x"});
  expect_load(edit(file_with(sysdia()), "Vemra.dtd", "file://" + secret), "OK");
  std::remove(secret.c_str());
}

TEST(XmlHostile, DeepNestingFailsWithoutRecursion) {
  std::string open, close;
  for (int i = 0; i < 100000; ++i) open += "<a>", close += "</a>";
  expect_load(file_with(sysdia(text_sym(3, content("x")) + open + close)), PARSE_ERROR);
}

// A chain of diagrams, each referencing the next one, read and written back
// with no limit from the depth of the chain.
TEST(XmlHostile, LongChainOfReferencedDiagrams) {
  const int depth = 20000;
  std::string text = sysdia(ref_sym("BLK_INST_REF", 3, 100, 2, "B"));
  for (int i = 0; i < depth; ++i) {
    int id = 100 + 3 * i;
    text += dia("BLKDIA", id, "B", id + 1, i + 1 < depth ? ref_sym("BLK_INST_REF", id + 2, id + 3, id + 1, "B") : "");
  }
  SysSpec sysSpec, again;
  ASSERT_EQ(load_text(sysSpec, file_with(text)), "OK");
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u + 2u * depth);
  std::string written = stored_text(sysSpec);
  ASSERT_EQ(load_text(again, written), "OK");
  EXPECT_EQ(stored_text(again), written);
}

TEST(XmlHostile, MissingAttributesAndChildren) {
  const std::string good = file_with(sysdia(text_sym(3, content("x"))));
  const struct {
    std::string what, with, message;
  } rows[] = {
      {"", "", "OK"},
      {"<PAGE ID=\"2\">", "<PAGE>", "Missing attribute ID in element PAGE"},
      {"<SYSDIA ID=\"1\">", "<SYSDIA>", "Missing attribute ID in element SYSDIA"},
      {" PARENT_PAGE_ID=\"2\"", "", "Missing attribute PARENT_PAGE_ID in element TEXTSYM"},
      {" WIDTH=\"3\"", "", "Missing attribute WIDTH in element PAS"},
      {"<HEIGHT>600</HEIGHT>\n", "", "Missing child element in PAGE"},
      {pas(80, 60, 640, 480), "", "Missing child element in PAGEFRAME"},
      {PAS1234, "<PASX/>", "Not a PaS node"},
      {"<WIDTH>800</WIDTH>", "<WIDTH></WIDTH>", "Content node without text content"},
      {content("x"), "", "Content node without text content"},
      {"PARENT_PAGE_ID=\"2\"", "PARENT_PAGE_ID=\"1\"", "Error in internal data access"},
      {"PARENT_PAGE_ID=\"2\"", "PARENT_PAGE_ID=\"77\"", "renumbering"},
      {"ID=\"3\"", "ID=\"2\"", "renumbering"},
  };
  for (const auto& row : rows) expect_load(edit(good, row.what, row.with), row.message, row.what);
  // A reference symbol must name its diagram.
  expect_load(edit(file_with(sysdia(ref_sym("BLK_INST_REF", 3, 4, 2, "B"))), " IDREF=\"4\"", ""),
              "Missing attribute IDREF in element BLK_INST_REF");
}

TEST(XmlHostile, NumbersFollowStrtolAndSaturate) {
  std::string text = file_with(edit(dia("SYSDIA", 1, "R", -7, text_sym(-2147483648, content("x"), -7)), "ID=\"1\"",
                                    "ID=\" 99999999999999999999\""));
  text = edit(edit(text, "<WIDTH>800</WIDTH>", "<WIDTH>\n 1000abc\n</WIDTH>"), "<HEIGHT>600", "<HEIGHT>700");
  SysSpec sysSpec;
  ASSERT_EQ(load_text(sysSpec, text), "OK");
  int width = 0, height = 0;
  ClsMoAccessInfo info;
  sysSpec.get_PageSize(1, 2, width, height, info);
  EXPECT_EQ(width, 1000);
  EXPECT_EQ(height, 700);
  // Two IDs that saturate to the same value collide.
  expect_load(edit(text, "ID=\"-2147483648\"", "ID=\"99999999999999\""), "renumbering");
  expect_load(edit(text, "<WIDTH>\n 1000abc\n</WIDTH>", "<WIDTH>-1000</WIDTH>"),
              "Error in internal data structure\nModifying Page Width");
}

TEST(XmlHostile, EveryTruncationOfAValidFileFailsOrLoads) {
  SysSpec sysSpec;
  const std::string full = read_file(data_path("rich.xml"));
  for (std::size_t n = 0; n < full.size() - 1; n += 7) EXPECT_EQ(load_text(sysSpec, full.substr(0, n)), PARSE_ERROR) << n;
  EXPECT_EQ(load_text(sysSpec, full), "OK");
}

// The document tree decides, however the file is read: bytes after a NUL
// that follows the root, other encodings, nodes that are no elements but
// carry an element's name, and diagram elements below other elements.
TEST(XmlHostile, WhatTheDocumentTreeShows) {
  const std::string blk = dia("BLKDIA", 40, "B", 41), ref = sysdia(ref_sym("BLK_INST_REF", 3, 40, 2, "B"));
  std::string utf16 = "\xff\xfe";
  for (char c : edit(file_with(ref + blk), "?>", " encoding=\"UTF-16\"?>")) utf16 += std::string{c, '\0'};
  const struct {
    std::string text, expected;
  } rows[] = {
      {file_with(ref + blk) + std::string("\0 trailing", 10), "OK"},
      {utf16, "OK"},
      {with_dtd("<!ENTITY TEXTSYM \"t\">\n", sysdia("&TEXTSYM;\n")), "Missing attribute ID in element TEXTSYM"},
      {file_with(sysdia("<?CHANNEL x?>\n")), "Missing attribute ID in element CHANNEL"},
      {file_with(ref + element("WRAP", blk)), "OK"},
      {file_with(edit(ref, PAS1234, PAS1234 + blk)), "OK"},
      {file_with(ref + "<BLKDIA/>\n" + blk), "Missing attribute ID in element BLKDIA"},
      {file_with(edit(edit(ref, "<SYSDIA", "<a:SYSDIA xmlns:a=\"urn:a\""), "</SYSDIA>", "</a:SYSDIA>") + blk),
       "More than one system diagram"},
  };
  for (const auto& row : rows) expect_load(row.text, row.expected, row.text);
}

// The expansion work is counted over the whole load, element by element in
// reading order: 15 symbols of a 1 MB entity load, 17 exceed the limit.
TEST(XmlHostile, EntityExpansionIsLimitedOverTheWholeLoad) {
  const std::string dtd = "<!ENTITY big \"" + std::string(1 << 20, 'a') + "\">\n";
  for (int count : {15, 17}) {
    std::string symbols;
    for (int id = 3; id < 3 + count; ++id) symbols += text_sym(id, content("&big;"));
    expect_load(with_dtd(dtd, sysdia(symbols)), count == 15 ? "OK" : "Entity expansion too large");
  }
}
