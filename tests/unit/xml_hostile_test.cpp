// Model files from anywhere: broken, malicious or absurd files must fail the
// load as a whole (or load, where that is the rule), quickly and cleanly.
#include <string>

#include "model/Converter.h"
#include "tests/unit/xml_test_support.h"

using namespace Vemra;
using namespace xmltest;

namespace {
std::string text_sym(int id, const std::string& content_body, int page = 2) {
  return "<TEXTSYM ID=\"" + std::to_string(id) + "\" PARENT_PAGE_ID=\"" + std::to_string(page) + "\">\n" +
         content_body + "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n</TEXTSYM>\n";
}

std::string with_dtd(const std::string& dtd, const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<!DOCTYPE SYSSPEC [\n" + dtd + "]>\n<SYSSPEC>\n" + body + "</SYSSPEC>\n";
}

std::string first_text(SysSpec& sysSpec) {
  ClsMoAccessInfo info;
  std::list<const Symbol*> syms;
  sysSpec.get_Syms(EnumSym::TEXT_SYM, 1, 2, syms, info);
  return syms.empty() ? "<none>" : syms.front()->content_ref();
}

std::string laughs() {
  std::string dtd = "<!ENTITY l0 \"lol\">\n";
  for (int i = 1; i <= 9; ++i)
    dtd += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
      std::string refs;
      for (int k = 0; k < 10; ++k) refs += "&l" + std::to_string(i - 1) + ";";
      return refs;
    }() + "\">\n";
  return dtd;
}
}  // namespace

TEST(XmlHostile, EntitiesAreReplacedLikeTheParserWould) {
  SysSpec sysSpec;
  std::string dtd = "<!ENTITY a \"x&amp;y\">\n<!ENTITY b \"&a;<i>z</i>&a;\">\n";
  // Entity references after text are expanded; elements between are skipped.
  ASSERT_EQ(load_text(sysSpec, with_dtd(dtd, sysdia_open() + text_sym(3, "<CONTENT>\nt&b;<!--c--><![CDATA[<q>]]>\n</CONTENT>\n") +
                                           "</SYSDIA>\n")),
            "OK");
  EXPECT_EQ(first_text(sysSpec), "tx&yx&y<q>");
  // A reference as the first child is no text.
  EXPECT_EQ(load_text(sysSpec, with_dtd(dtd, sysdia_open() + text_sym(3, "<CONTENT>&a;</CONTENT>\n") + "</SYSDIA>\n")),
            "Content node with children node found");
  EXPECT_EQ(load_text(sysSpec, with_dtd(dtd, sysdia_open() + text_sym(3, "<CONTENT><!--c-->x</CONTENT>\n") + "</SYSDIA>\n")),
            "Content node without text content");
  EXPECT_EQ(load_text(sysSpec, with_dtd(dtd, sysdia_open() + text_sym(3, "<CONTENT><b>x</b></CONTENT>\n") + "</SYSDIA>\n")),
            "Content node with children node found");
  EXPECT_EQ(load_text(sysSpec, with_dtd(dtd, sysdia_open() + text_sym(3, "<CONTENT/>\n") + "</SYSDIA>\n")),
            "Content node without text content");
  // The system name is the whole text of its element, entities included.
  ASSERT_EQ(load_text(sysSpec, with_dtd(dtd, "<SYSDIA ID=\"1\">\n<DIA_NAME>\nN&b;<k>K</k>\n</DIA_NAME>\n" + page_lines(2) +
                                              "</SYSDIA>\n")),
            "OK");
  EXPECT_EQ(sysSpec.get_SysDia()->name_ref(), "Nx&yzx&yK");
  // Attribute values: entities, character references and DTD defaults.
  std::string attr_dtd = dtd + "<!ENTITY two \"2\">\n<!ATTLIST TEXTSYM PARENT_PAGE_ID CDATA \"2\">\n";
  ASSERT_EQ(load_text(sysSpec, with_dtd(attr_dtd, sysdia_open(1, 2) +
                                                   "<TEXTSYM ID=\"&#51;\">\n<CONTENT>\nd\n</CONTENT>\n"
                                                   "<PAS X_LEFT_UP=\"&two;\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\">"
                                                   "</PAS>\n</TEXTSYM>\n</SYSDIA>\n")),
            "OK");
  EXPECT_EQ(first_text(sysSpec), "d");
  // An attribute is found by its local name, whatever its namespace prefix.
  ASSERT_EQ(load_text(sysSpec, file_with("<SYSDIA a:ID=\"1\" xmlns:a=\"urn:a\">\n<DIA_NAME>\nR\n</DIA_NAME>\n" +
                                      page_lines(2) +
                                      "<TEXTSYM ID=\"3\" b:PARENT_PAGE_ID=\"2\" xmlns:b=\"urn:b\">\n"
                                      "<CONTENT>\nns\n</CONTENT>\n<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" "
                                      "HEIGHT=\"4\"></PAS>\n</TEXTSYM>\n</SYSDIA>\n")),
            "OK");
  EXPECT_EQ(first_text(sysSpec), "ns");
}

TEST(XmlHostile, NestedEntityExpansionFailsQuickly) {
  SysSpec sysSpec;
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 1, "before");
  std::string in_text = with_dtd(laughs(), sysdia_open() + text_sym(3, "<CONTENT>\nx&l9;\n</CONTENT>\n") + "</SYSDIA>\n");
  std::string in_attr = with_dtd(laughs(), "<SYSDIA ID=\"&l9;\">\n<DIA_NAME>\nR\n</DIA_NAME>\n" + page_lines(2) +
                                               "</SYSDIA>\n");
  std::string in_name = with_dtd(laughs(), "<SYSDIA ID=\"1\">\n<DIA_NAME>\n&l9;\n</DIA_NAME>\n" + page_lines(2) +
                                               "</SYSDIA>\n");
  for (const std::string& text : {in_text, in_attr, in_name}) EXPECT_NE(load_text(sysSpec, text), "OK");
}

TEST(XmlHostile, ExternalEntitiesAndTheNetworkAreNeverRead) {
  SysSpec sysSpec;
  std::string secret = temp_path("secret.txt");
  write_file(secret, "SECRET");
  std::string dtd = "<!ENTITY ext SYSTEM \"file://" + secret + "\">\n<!ENTITY net SYSTEM \"http://127.0.0.1:9/x\">\n";
  std::string result =
      load_text(sysSpec, with_dtd(dtd, sysdia_open() + text_sym(3, "<CONTENT>\nx&ext;&net;\n</CONTENT>\n") + "</SYSDIA>\n"));
  if (result == "OK") {
    EXPECT_EQ(first_text(sysSpec), "x");
  }
  std::string external_dtd = "<?xml version=\"1.0\"?>\n<!DOCTYPE SYSSPEC SYSTEM \"file://" + secret +
                             "\">\n<SYSSPEC>\n" + sysdia_open() + "</SYSDIA>\n</SYSSPEC>\n";
  EXPECT_EQ(load_text(sysSpec, external_dtd), "OK");
  std::remove(secret.c_str());
}

TEST(XmlHostile, DeepNestingFailsWithoutRecursion) {
  SysSpec sysSpec;
  std::string deep = sysdia_open() + text_sym(3, "<CONTENT>\nx\n</CONTENT>\n");
  std::string open, close;
  for (int i = 0; i < 100000; ++i) {
    open += "<a>";
    close += "</a>";
  }
  EXPECT_EQ(load_text(sysSpec, file_with(deep + open + close + "</SYSDIA>\n")), "An error occured during parsing\n ");
}

// A chain of diagrams, each referencing the next one, read and written back
// with no limit from the depth of the chain.
TEST(XmlHostile, LongChainOfReferencedDiagrams) {
  const int depth = 20000;
  std::string text = sysdia_open() +
                     "<BLK_INST_REF ID=\"3\" IDREF=\"100\" PARENT_PAGE_ID=\"2\">\n<CONTENT>\nB\n</CONTENT>\n"
                     "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n</BLK_INST_REF>\n"
                     "</SYSDIA>\n";
  for (int i = 0; i < depth; ++i) {
    int id = 100 + 3 * i, page = id + 1, sym = id + 2;
    text += "<BLKDIA ID=\"" + std::to_string(id) + "\">\n<DIA_NAME>\nB\n</DIA_NAME>\n" + page_lines(page);
    if (i + 1 < depth)
      text += "<BLK_INST_REF ID=\"" + std::to_string(sym) + "\" IDREF=\"" + std::to_string(id + 3) +
              "\" PARENT_PAGE_ID=\"" + std::to_string(page) +
              "\">\n<CONTENT>\nB\n</CONTENT>\n<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n"
              "</BLK_INST_REF>\n";
    text += "</BLKDIA>\n";
  }
  SysSpec sysSpec;
  ASSERT_EQ(load_text(sysSpec, file_with(text)), "OK");
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u + 2u * depth);
  std::string written = stored_text(sysSpec);
  SysSpec again;
  ASSERT_EQ(load_text(again, written), "OK");
  EXPECT_EQ(stored_text(again), written);
}

TEST(XmlHostile, MissingAttributesAndChildren) {
  SysSpec sysSpec;
  std::string good = file_with(sysdia_open() + text_sym(3, "<CONTENT>\nx\n</CONTENT>\n") + "</SYSDIA>\n");
  ASSERT_EQ(load_text(sysSpec, good), "OK");
  struct Case {
    std::string what, with, message;
  } cases[] = {
      {"<PAGE ID=\"2\">", "<PAGE>", "Missing attribute ID in element PAGE"},
      {"<SYSDIA ID=\"1\">", "<SYSDIA>", "Missing attribute ID in element SYSDIA"},
      {" PARENT_PAGE_ID=\"2\"", "", "Missing attribute PARENT_PAGE_ID in element TEXTSYM"},
      {" WIDTH=\"3\"", "", "Missing attribute WIDTH in element PAS"},
      {"<HEIGHT>600</HEIGHT>\n", "", "Missing child element in PAGE"},
      {"<PAS X_LEFT_UP=\"80\" Y_LEFT_UP=\"60\" WIDTH=\"640\" HEIGHT=\"480\"></PAS>\n", "",
       "Missing child element in PAGEFRAME"},
      {"<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>", "<PASX/>", "Not a PaS node"},
      {"<WIDTH>800</WIDTH>", "<WIDTH></WIDTH>", "Content node without text content"},
      {"<CONTENT>\nx\n</CONTENT>\n", "", "Content node without text content"},
      {"PARENT_PAGE_ID=\"2\"", "PARENT_PAGE_ID=\"1\"", "Error in internal data access"},
      {"PARENT_PAGE_ID=\"2\"", "PARENT_PAGE_ID=\"77\"", "renumbering"},
      {"ID=\"3\"", "ID=\"2\"", "renumbering"},
  };
  for (const Case& c : cases) {
    std::string text = good;
    std::size_t at = text.find(c.what);
    ASSERT_NE(at, std::string::npos) << c.what;
    text.replace(at, c.what.size(), c.with);
    EXPECT_EQ(load_text(sysSpec, text), c.message) << c.what;
  }
  // A reference symbol must name its diagram.
  EXPECT_EQ(load_text(sysSpec, file_with(sysdia_open() +
                                      "<BLK_INST_REF ID=\"3\" PARENT_PAGE_ID=\"2\">\n<CONTENT>\nB\n</CONTENT>\n"
                                      "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n"
                                      "</BLK_INST_REF>\n</SYSDIA>\n")),
            "Missing attribute IDREF in element BLK_INST_REF");
}

TEST(XmlHostile, NumbersFollowStrtolAndSaturate) {
  SysSpec sysSpec;
  std::string text = file_with("<SYSDIA ID=\" 99999999999999999999\">\n<DIA_NAME>\nR\n</DIA_NAME>\n" +
                               page_lines(-7, 1000, 700) +
                               text_sym(-2147483648, "<CONTENT>\nx\n</CONTENT>\n", -7) + "</SYSDIA>\n");
  text = Converter::replace(text, "<WIDTH>1000</WIDTH>", "<WIDTH>\n 1000abc\n</WIDTH>");
  ASSERT_EQ(load_text(sysSpec, text), "OK");
  int width = 0, height = 0;
  ClsMoAccessInfo info;
  sysSpec.get_PageSize(1, 2, width, height, info);
  EXPECT_EQ(width, 1000);
  EXPECT_EQ(height, 700);
  // Two IDs that saturate to the same value collide.
  EXPECT_EQ(load_text(sysSpec, Converter::replace(text, "ID=\"-2147483648\"", "ID=\"99999999999999\"")), "renumbering");
  EXPECT_EQ(load_text(sysSpec, Converter::replace(text, "<WIDTH>\n 1000abc\n</WIDTH>", "<WIDTH>-1000</WIDTH>")),
            "Error in internal data structure\nModifying Page Width");
}

TEST(XmlHostile, EveryTruncationOfAValidFileFailsOrLoads) {
  SysSpec model;
  int b = insert_sym(model, EnumSym::BLK_INST_REF_SYM, 1, 2, 10, "B");
  int p = referenced_dia(model, insert_sym(model, EnumSym::PRO_INST_REF_SYM, referenced_dia(model, b),
                                           first_page(model, referenced_dia(model, b)), 10, "P"));
  int s = insert_sm(model, ClsStateMachineSymbol::START, p, first_page(model, p), 1, "");
  int t = insert_sm(model, ClsStateMachineSymbol::STATE, p, first_page(model, p), 60, "idle");
  std::list<int> coords{1, 2};
  ClsMoAccessInfo info;
  int line = -1;
  model.insert_FlowLine(p, first_page(model, p), coords, s, t, info, line);
  std::string full = stored_text(model);
  SysSpec sysSpec;
  for (std::size_t n = 0; n < full.size() - 1; n += 7) {
    std::string result = load_text(sysSpec, full.substr(0, n));
    EXPECT_EQ(result, "An error occured during parsing\n ") << n;
  }
  EXPECT_EQ(load_text(sysSpec, full), "OK");
}
