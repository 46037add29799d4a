// SDL-92 export: the golden files of the README example and of a model with
// every construct, read back by the test reader of the subset; the reader's
// own fault finding; names and lists.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/unit/sdl92_reader.h"
#include "sdlpr/SDL92_Exporter.h"
#include "sdlpr/SDL92_Text.h"
#include "tests/unit/test_support.h"

namespace {

using namespace Vemra;
using sdltest::read_file;

std::string data(const std::string& Name) { return std::string(SDL_TEST_DATA_DIR) + "/" + Name; }

std::string export_Model(const std::string& Name, std::string& Warnings) {
  SysSpec Model;
  Model.load(data(Name + ".xml"));
  std::ostringstream Out;
  std::vector<std::string> List;
  std::string Error;
  EXPECT_TRUE(export_SDL92(Model, Out, List, Error)) << Error;
  for (const std::string& w : List) Warnings += w + "\n";
  return Out.str();
}

TEST(Sdl92Export, GoldenFilesReadBack) {
  for (const char* Name : {"example_model", "every_construct"}) {
    std::string Warnings, Text = export_Model(Name, Warnings);
    EXPECT_EQ(Text, read_file(data(std::string(Name) + ".pr"))) << Name;
    EXPECT_EQ(Warnings, read_file(data(std::string(Name) + ".warnings"))) << Name;
    EXPECT_EQ(sdl92_reader::Reader().check(Text), "") << Name;
  }
  // Through a file: the same text, and a path that cannot be written fails.
  SysSpec Model;
  Model.load(data("example_model.xml"));
  std::vector<std::string> Warnings;
  std::string Path = sdltest::temp_path("export.pr"), Error;
  EXPECT_TRUE(export_SDL92_File(Model, Path, Warnings, Error));
  EXPECT_EQ(read_file(Path), read_file(data("example_model.pr")));
  std::remove(Path.c_str());
  EXPECT_FALSE(export_SDL92_File(Model, "/nonexistent-dir/x.pr", Warnings, Error));
  EXPECT_EQ(Error.rfind("cannot write \"/nonexistent-dir/x.pr\": ", 0), 0u) << Error;
}

TEST(Sdl92Export, ReaderFindsFaults) {
  std::string Warnings, Good = export_Model("every_construct", Warnings);
  const char* const Faults[][2] = {
      {"    ENDSTATE;\n", ""},                       {"/* CIF TASK", "/* CIF OUTPUT"},
      {"grst12:", "grst13:"},                       {"NEXTSTATE x_2nd;", "NEXTSTATE 2nd;"},
      {"NEXTSTATE x_state;", "NEXTSTATE busy;"},    {"    ENDCHANNEL;\n", ""},
      {"DCL n Integer;", "/* counter */"},          {"(true):", "ELSE:"},
      {"CALL x_Reset(n);", "CALL Reset(n);"},       {"CONNECT c1 AND r1, r2, r3;", "CONNECT c1 AND;"},
      {"SIGNAL done;", "SIGNAL done"},              {"(100, 40) */\n                INPUT go", "*/\n INPUT go"},
  };
  for (const auto& Fault : Faults) {
    std::string Bad = Good;
    ASSERT_NE(Bad.find(Fault[0]), std::string::npos) << Fault[0];
    Bad.replace(Bad.find(Fault[0]), std::string(Fault[0]).size(), Fault[1]);
    EXPECT_NE(sdl92_reader::Reader().check(Bad), "") << Fault[0];
  }
}

TEST(Sdl92Export, NamesAndLists) {
  const char* const Names[][2] = {{"Idle", "Idle"},    {" wait here ", "wait_here"}, {"2nd", "x_2nd"},
                                  {"state", "x_state"}, {"Reset", "x_Reset"},         {"_a", "x__a"},
                                  {"a-b.c", "a_b_c"},   {"", ""}};
  for (const auto& Name : Names) {
    EXPECT_EQ(SDL92_Text::make_ValidName(Name[0]), Name[1]);
    EXPECT_EQ(SDL92_Text::is_ValidName(Name[0]), std::string(Name[0]) == Name[1] && *Name[0]);
  }
  using List = std::vector<std::string>;
  EXPECT_EQ(SDL92_Text::split_List(" , "), List{});
  EXPECT_EQ(SDL92_Text::split_List(" a , ,b(1, 2) /* c, d */"), (List{"a", "b(1, 2)"}));
  EXPECT_EQ(SDL92_Text::split_Declarations("SIGNAL a;/* x; y */ DCL s Charstring := 'a;b'\n;;"),
            (List{"SIGNAL a", "DCL s Charstring := 'a;b'"}));
}

}  // namespace
