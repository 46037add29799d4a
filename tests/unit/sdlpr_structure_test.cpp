// Document layout, structure definitions, channels, errors and the label
// bookkeeping of the SDL/PR generator.
#include "tests/unit/test_support.h"

using namespace sdltest;

// A model with texts, type references, several pages, channels of every
// direction, processes with procedures and a state machine, in both layouts.
TEST(SdlPrDocument, GoldenModelInBothLayouts) {
  PrModel m;
  m.Model.load(data_path("structure.xml"));
  EXPECT_EQ(m.generate(true), read_file(data_path("structure_nested.pr")));
  EXPECT_EQ(m.generate(false), read_file(data_path("structure_referenced.pr")));
}

TEST(SdlPrDocument, SecondGenerationStartsAfresh) {
  BodyModel m;
  m.graph(m.P, {{SM::START, ""}, {SM::STATE, "S"}}, {{0, 1}, {0, 1}});
  ClsSDL_PR_Writer w;  // one writer for both generations: labels count from zero again
  std::string a = temp_path("a.pr"), b = temp_path("b.pr");
  w.write_SysSpec(&m.Model, a, false);
  w.write_SysSpec(&m.Model, b, false);
  EXPECT_EQ(read_file(a), read_file(b));
  EXPECT_EQ(read_file(b), m.wrap("START ;\ngrst1 :\nNEXTSTATE S;\nSTATE S;\nJOIN grst1;\n"));
  std::remove(a.c_str());
  std::remove(b.c_str());
}

// A channel from the environment to block B, spoilt three ways. An unknown
// delay kind is refused before the channel's header line and wins over an
// unknown direction kind; an unknown direction kind or a lost end symbol is
// refused right after the header line.
TEST(SdlPrErrors, ChannelProblemsStopTheGeneration) {
  const struct {
    int Delay, Direction;
    bool LoseEnd;
    const char* Written;
  } cases[] = {
      {0, 3, false, "SYSTEM ROOT;\nCHANNEL c DELAY\n"},
      {2, 3, false, "SYSTEM ROOT;\n"},
      {0, 0, true, "SYSTEM ROOT;\nCHANNEL c DELAY\n"},
  };
  for (const auto& c : cases) {
    PrModel m;
    int B = m.sym(m.sys(), EnumSym::BLK_INST_REF_SYM, "B");
    int C = m.chan(m.sys(), {"c", "", "", "", "", 0, 0, ENV, B});
    m.Model.modify_Chan_DelayType(C, static_cast<ClsChannel::e_DelayType>(c.Delay), m.Info);
    ASSERT_EQ(m.Info.get_Info(), R::MODIFY_OK);
    m.Model.modify_Chan_DirectionType(C, static_cast<ClsChannel::e_DirectionType>(c.Direction), m.Info);
    ASSERT_EQ(m.Info.get_Info(), R::MODIFY_OK);
    if (c.LoseEnd) {
      m.Model.delete_Symbol(B, m.Info);
      ASSERT_EQ(m.Info.get_Info(), R::DELETE_OK);
    }
    EXPECT_EQ(m.outcome().Type, UNSPECIFIED) << c.Delay << c.Direction << c.LoseEnd;
    EXPECT_EQ(m.Written, c.Written);
  }
}

TEST(SdlPrErrors, FileProblemsAndMisuse) {
  PrModel m;
  m.ref(m.sys(), EnumSym::PRO_INST_REF_SYM, "P");
  ClsSDL_PR_Writer w;
  EXPECT_THROW(w.write_SysSpec(&m.Model, "/nonexistent-dir/x.pr", false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(w.write_SysSpec(&m.Model, ::testing::TempDir(), false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(w.write_SysSpec(nullptr, temp_path("null.pr"), false), ClsSDL_PR_Writer_UnspecifiedError);
  // A full device fails on a write or at the close: the stream's own failure.
  if (std::ifstream("/dev/full").good()) {
    m.sym(m.sys(), EnumSym::TEXT_SYM, std::string(1 << 20, 'x'));
    EXPECT_THROW(w.write_SysSpec(&m.Model, "/dev/full", false), std::ios_base::failure);
  }
  // Writing outside a generation has no stream.
  EXPECT_THROW(ClsSDL_PR_Writer().write_StringBlockToFile("x", true), ClsSDL_PR_Writer_UnspecifiedError);
}

TEST(SdlPrHelper, ErrorTexts) {
  const std::pair<int, const char*> texts[] = {{SMError::SMS_ILLEGAL_START_STATE, "sms_illegal_start_state"},
                                               {SMError::SMS_TRANSITION_NOT_COMPLETE, "sms_transition_not_complete"},
                                               {SMError::SMS_NONE, "sms_none"},
                                               {9, "sms_none"}};  // out of range
  for (const auto& t : texts)
    EXPECT_EQ(SMError::get_StateMaErrorText(static_cast<SMError::e_StateMaErrorType>(t.first)), t.second);
}

TEST(SdlPrDepth, TenThousandNestedBlocks) {
  const int depth = 10000;
  PrModel m;
  std::string nested = "SYSTEM ROOT;\n", closing = "ENDSYSTEM ROOT;\n";
  std::string referenced = "SYSTEM ROOT;\nBLOCK B1 REFERENCED;\nENDSYSTEM ROOT;\n";
  for (int i = 1, d = m.sys(); i <= depth; ++i) {
    std::string n = "B" + std::to_string(i);
    d = m.ref(d, EnumSym::BLK_INST_REF_SYM, n);
    nested += "BLOCK " + n + ";\n";
    closing = "ENDBLOCK " + n + ";\n" + closing;
    referenced += "BLOCK " + n + ";\n";
    if (i < depth) referenced += "BLOCK B" + std::to_string(i + 1) + " REFERENCED;\n";
    referenced += "ENDBLOCK " + n + ";\n";
  }
  EXPECT_EQ(m.generate(true), nested + closing);
  EXPECT_EQ(m.generate(false), referenced);
}
