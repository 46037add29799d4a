#include "xml/XML_Writer.h"

#include "tests/unit/test_support.h"

using namespace sdltest;

// A new model's file; then files that hold every kind of element and deep
// diagram trees: loading and storing again gives the same bytes.
TEST(XmlWriter, StoredFilesMatchTheGoldenFiles) {
  SysSpec fresh;
  EXPECT_EQ(stored_text(fresh), read_file(data_path("fresh.xml")));
  for (const char* name : {"rich.xml", "structure.xml"}) {
    SysSpec sysSpec;
    ASSERT_EQ(load_text(sysSpec, read_file(data_path(name))), "OK") << name;
    EXPECT_EQ(stored_text(sysSpec), read_file(data_path(name))) << name;
  }
}

// Symbols inserted out of the written order: pages come first, then the
// symbols page by page and kind by kind; state-machine symbols and flow lines
// keep their order. Only & and < are escaped; a procedure reference on the
// system diagram is not written.
TEST(XmlWriter, WrittenOrderAndEscapes) {
  SysSpec sysSpec;
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2, "&");
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2, "a<b>c \"q\" 'r' &lt;");
  add_symbol(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, "proc");
  add_symbol(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2, "btype");
  add_page(sysSpec, 1);
  int p3 = add_page(sysSpec, 1);
  add_symbol(sysSpec, EnumSym::PRO_TYPE_REF_SYM, 1, p3, "a");
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, p3, "two\nlines");
  add_symbol(sysSpec, EnumSym::PRO_TYPE_REF_SYM, 1, 2, "c");
  int pro = ref_diagram(sysSpec, add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, p3, "P"));
  int page = first_page(sysSpec, pro);
  int task = add_sm(sysSpec, SM::TASK, pro, page, "t");
  int start = add_sm(sysSpec, SM::START, pro, page, "");
  add_decision_flow(sysSpec, pro, page, task, start, "d");
  add_flow(sysSpec, pro, page, start, task);
  EXPECT_EQ(stored_text(sysSpec), read_file(data_path("written_order.xml")));
}

TEST(XmlWriter, WriteFailures) {
  SysSpec sysSpec;
  // A file that cannot be opened: nothing is written, and the writer can be
  // used again.
  std::string bad = temp_path("no_such_dir/x.xml"), ok = temp_path("twice.xml");
  EXPECT_FALSE(sysSpec.store(bad));
  EXPECT_FALSE(std::ifstream(bad).good());
  ClsXML_Writer writer;
  EXPECT_FALSE(writer.write_SysSpec(sysSpec.get_SysDia(), bad));
  EXPECT_TRUE(writer.write_SysSpec(sysSpec.get_SysDia(), ok));
  EXPECT_EQ(read_file(ok), read_file(data_path("fresh.xml")));
  std::remove(ok.c_str());
  // A full device makes the store throw.
  for (int i = 0; i < 2000; ++i) add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2, std::string(100, 'x'));
  if (!std::ifstream("/dev/full").good()) GTEST_SKIP() << "/dev/full not available";
  EXPECT_THROW(sysSpec.store("/dev/full"), std::ios_base::failure);
}
