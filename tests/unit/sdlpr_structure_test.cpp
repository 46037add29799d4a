// Document layout, structure definitions, channels, errors and the label
// bookkeeping of the SDL/PR generator.
#include <map>
#include <random>

#include "tests/unit/sdlpr_support.h"

using namespace sdlpr_test;

// The three-level example: system Demo, block B1, process P1.
TEST(SdlPrDocument, ExampleInBothLayouts) {
  PrModel m;
  m.name_sys("Demo");
  m.sym(m.sys(), EnumSym::TEXT_SYM, "SIGNAL s1, s2;");
  int B1sym = m.sym(m.sys(), EnumSym::BLK_INST_REF_SYM, "B1");
  m.chan(m.sys(), {"c1", "s1", "", "", "", 1, 1, ENV, B1sym});
  int P1sym = m.sym(m.dia_of(B1sym), EnumSym::PRO_INST_REF_SYM, "P1");
  m.chan(m.dia_of(B1sym), {"c2", "s1", "", "s2", "c1", 0, 0, ENV, P1sym});
  m.graph(m.dia_of(P1sym), {{SM::START, ""}, {SM::STATE, "Idle"}}, {{0, 1}});
  EXPECT_EQ(m.generate(false),
            "SYSTEM Demo;\nSIGNAL s1, s2;\nCHANNEL c1 NODELAY\nFROM ENV TO B1 WITH s1;\nENDCHANNEL c1;\n"
            "BLOCK B1 REFERENCED;\nENDSYSTEM Demo;\nBLOCK B1;\nCHANNEL c2 DELAY\nFROM ENV TO P1 WITH s1;\n"
            "FROM P1 TO ENV WITH s2;\nENDCHANNEL c2;\nCONNECT c1 AND c2;\nPROCESS P1 REFERENCED;\nENDBLOCK B1;\n"
            "PROCESS P1;\nSTART ;\nNEXTSTATE Idle;\nSTATE Idle;\nENDPROCESS P1;\n");
  EXPECT_EQ(m.generate(true),
            "SYSTEM Demo;\nSIGNAL s1, s2;\nCHANNEL c1 NODELAY\nFROM ENV TO B1 WITH s1;\nENDCHANNEL c1;\n"
            "BLOCK B1;\nCHANNEL c2 DELAY\nFROM ENV TO P1 WITH s1;\nFROM P1 TO ENV WITH s2;\nENDCHANNEL c2;\n"
            "CONNECT c1 AND c2;\nPROCESS P1;\nSTART ;\nNEXTSTATE Idle;\nSTATE Idle;\nENDPROCESS P1;\nENDBLOCK B1;\n"
            "ENDSYSTEM Demo;\n");
}

TEST(SdlPrDocument, TextsAreWrittenVerbatim) {
  PrModel m;
  EXPECT_EQ(m.generate(false), "SYSTEM ROOT;\nENDSYSTEM ROOT;\n");
  m.name_sys("");
  m.sym(m.sys(), EnumSym::TEXT_SYM, "line one\n");
  m.sym(m.sys(), EnumSym::TEXT_SYM, "  {x}; \"y\"");
  EXPECT_EQ(m.generate(true), "SYSTEM ;\nline one\n\n  {x}; \"y\"\nENDSYSTEM ;\n");
}

TEST(SdlPrDocument, SymbolsAreTakenPageByPageAndKindByKind) {
  PrModel m;
  int page2 = m.new_page(m.sys());
  m.sym(m.sys(), EnumSym::PRO_INST_REF_SYM, "Pa", page2);
  m.sym(m.sys(), EnumSym::TEXT_SYM, "t2", page2);
  m.sym(m.sys(), EnumSym::BLK_INST_REF_SYM, "Bb", page2);
  m.sym(m.sys(), EnumSym::BLK_TYPE_REF_SYM, "BT");
  m.sym(m.sys(), EnumSym::PRO_TYPE_REF_SYM, "PT");
  m.sym(m.sys(), EnumSym::PRO_INST_REF_SYM, "Pb");
  m.sym(m.sys(), EnumSym::TEXT_SYM, "t1");
  m.ref(m.ref(m.sys(), EnumSym::BLK_INST_REF_SYM, "Ba"), EnumSym::PRO_INST_REF_SYM, "Pc");
  // Type reference symbols are not visited; block references come before
  // process references, each page by page; each block's definitions follow it.
  EXPECT_EQ(m.generate(false),
            "SYSTEM ROOT;\nt1\nt2\nBLOCK Ba REFERENCED;\nBLOCK Bb REFERENCED;\nPROCESS Pb REFERENCED;\n"
            "PROCESS Pa REFERENCED;\nENDSYSTEM ROOT;\n"
            "BLOCK Ba;\nPROCESS Pc REFERENCED;\nENDBLOCK Ba;\nPROCESS Pc;\nENDPROCESS Pc;\n"
            "BLOCK Bb;\nENDBLOCK Bb;\nPROCESS Pb;\nENDPROCESS Pb;\nPROCESS Pa;\nENDPROCESS Pa;\n");
}

TEST(SdlPrDocument, ProcessAndProcedureFrames) {
  BodyModel m;
  m.sym(m.P, EnumSym::TEXT_SYM, "DCL x INTEGER;");
  int Proc = m.ref(m.P, EnumSym::PROCEDURE_INST_REF_SYM, "Pr");
  m.ref(m.P, EnumSym::PRO_INST_REF_SYM, "Q");
  m.chan(m.P, {"pc", "", "", "", "", 0, 2});
  m.Model.modify_ProcedureDiaFormalParameters(Proc, "", m.Info);  // an empty text still ends its line
  m.sym(Proc, EnumSym::TEXT_SYM, "DCL y;");
  m.ref(Proc, EnumSym::PROCEDURE_INST_REF_SYM, "Inner");  // not visited inside a procedure
  m.graph(Proc, {{SM::PROCEDURE_START_STATE, ""}, {SM::PROCEDURE_RETURN, ""}, {SM::TASK, "y := 1"}}, {{0, 2}, {2, 1}});
  const std::string head = "PROCESS P;\nDCL x INTEGER;\nCHANNEL pc DELAY\nFROM ENV TO ENV WITH ;\nENDCHANNEL pc;\n";
  const std::string Q = "PROCESS Q;\nENDPROCESS Q;\n";
  const std::string Pr = "PROCEDURE Pr;\n;\nDCL y;\nSTART ;\nTASK y := 1;\nRETURN ;\nENDPROCEDURE Pr;\n";
  EXPECT_EQ(m.generate(false), "SYSTEM ROOT;\nPROCESS P REFERENCED;\nENDSYSTEM ROOT;\n" + head +
                                   "PROCESS Q REFERENCED;\nPROCEDURE Pr REFERENCED;\nENDPROCESS P;\n" + Q + Pr);
  EXPECT_EQ(m.generate(true), "SYSTEM ROOT;\n" + head + Q + Pr + "ENDPROCESS P;\nENDSYSTEM ROOT;\n");
}

TEST(SdlPrDocument, SecondGenerationStartsAfresh) {
  BodyModel m;
  m.graph(m.P, {{SM::START, ""}, {SM::STATE, "S"}}, {{0, 1}, {0, 1}});
  ClsSDL_PR_Writer w;  // one writer for both generations: labels count from zero again
  std::string a = temp_Path("a.pr"), b = temp_Path("b.pr");
  w.write_SysSpec(&m.Model, a, false);
  w.write_SysSpec(&m.Model, b, false);
  EXPECT_EQ(read_File(a), read_File(b));
  EXPECT_EQ(read_File(b), m.wrap("START ;\ngrst1 :\nNEXTSTATE S;\nSTATE S;\nJOIN grst1;\n"));
  std::remove(a.c_str());
  std::remove(b.c_str());
}

TEST(SdlPrChannels, DirectionsAndConnections) {
  PrModel m;
  int B = m.ref(m.sys(), EnumSym::BLK_INST_REF_SYM, "B");
  int X = m.sym(B, EnumSym::PRO_INST_REF_SYM, "X");
  int Y = m.sym(B, EnumSym::PRO_INST_REF_SYM, "Y");
  m.chan(B, {"xy", "a", "unused", "b", "", 0, 0, X, Y});  // between two symbols: no CONNECT
  m.chan(B, {"out", "", "sc", "z", "dc", 0, 2, Y, ENV});  // to the environment: the source connection text
  m.chan(B, {"ee", "", "sc2", "", "dc2", 0, 1});          // environment to environment: one line, destination text
  EXPECT_EQ(m.generate(true),
            "SYSTEM ROOT;\nBLOCK B;\n"
            "CHANNEL xy DELAY\nFROM X TO Y WITH a;\nFROM Y TO X WITH b;\nENDCHANNEL xy;\n"
            "CHANNEL out DELAY\nFROM ENV TO Y WITH z;\nENDCHANNEL out;\n"
            "CHANNEL ee DELAY\nFROM ENV TO ENV WITH ;\nENDCHANNEL ee;\n"
            "CONNECT sc AND out;\nCONNECT dc2 AND ee;\n"
            "PROCESS X;\nENDPROCESS X;\nPROCESS Y;\nENDPROCESS Y;\nENDBLOCK B;\nENDSYSTEM ROOT;\n");
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
    expect(m.Info, ClsMoAccessInfo::MODIFY_OK);
    m.Model.modify_Chan_DirectionType(C, static_cast<ClsChannel::e_DirectionType>(c.Direction), m.Info);
    expect(m.Info, ClsMoAccessInfo::MODIFY_OK);
    if (c.LoseEnd) {
      m.Model.delete_Symbol(B, m.Info);
      expect(m.Info, ClsMoAccessInfo::DELETE_OK);
    }
    EXPECT_EQ(m.outcome().Type, UNSPECIFIED) << c.Delay << c.Direction << c.LoseEnd;
    EXPECT_EQ(m.Written, c.Written);
  }
}

TEST(SdlPrErrors, FileProblemsAndMisuse) {
  PrModel m;
  int P = m.ref(m.sys(), EnumSym::PRO_INST_REF_SYM, "P");
  ClsSDL_PR_Writer w;
  EXPECT_THROW(w.write_SysSpec(&m.Model, "/nonexistent-dir/x.pr", false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(w.write_SysSpec(&m.Model, ::testing::TempDir(), false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(w.write_SysSpec(nullptr, temp_Path("null.pr"), false), ClsSDL_PR_Writer_UnspecifiedError);
  // Only instance diagrams are written, also while a stream is open.
  std::string path = temp_Path("kinds.pr");
  w.write_SysSpec(&m.Model, path, false);
  EXPECT_THROW(w.write_HL_InstDia(m.Model.get_Diagram(P, m.Info), false), ClsSDL_PR_Writer_UnspecifiedError);
  std::remove(path.c_str());
  // A full device fails on a write or at the close: the stream's own failure.
  if (std::ifstream("/dev/full").good()) {
    m.sym(m.sys(), EnumSym::TEXT_SYM, std::string(1 << 20, 'x'));
    EXPECT_THROW(w.write_SysSpec(&m.Model, "/dev/full", false), std::ios_base::failure);
  }
  // Writing outside a generation has no stream.
  ClsSDL_PR_Writer fresh;
  EXPECT_THROW(fresh.write_StringBlockToFile("x", true), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(fresh.write_HL_InstDia(m.Model.get_SysDia(), false), ClsSDL_PR_Writer_UnspecifiedError);
}

TEST(SdlPrHelper, LabelsCountFromZeroPerGeneration) {
  ClsSDL_PR_WriterHelper h;
  EXPECT_EQ(h.get_Label(7), "LabelError");
  EXPECT_TRUE(h.set_StateMaSym_written(7));
  EXPECT_FALSE(h.set_StateMaSym_written(7));
  EXPECT_TRUE(h.set_StateMaSym_written(3));
  EXPECT_TRUE(h.StateMaSym_written(7));
  EXPECT_FALSE(h.StateMaSym_written(4));
  EXPECT_EQ(h.get_Label(7), "grst0");
  EXPECT_EQ(h.get_Label(3), "grst1");
  h.reset_Helper();
  EXPECT_FALSE(h.StateMaSym_written(7));
  EXPECT_TRUE(h.set_StateMaSym_written(3));
  EXPECT_EQ(h.get_Label(3), "grst0");
}

TEST(SdlPrHelper, ErrorTexts) {
  const std::pair<int, const char*> texts[] = {{SMError::SMS_ILLEGAL_START_STATE, "sms_illegal_start_state"},
                                               {SMError::SMS_TRANSITION_NOT_COMPLETE, "sms_transition_not_complete"},
                                               {SMError::SMS_NONE, "sms_none"},
                                               {9, "sms_none"}};  // out of range
  for (const auto& t : texts)
    EXPECT_EQ(SMError::get_StateMaErrorText(static_cast<SMError::e_StateMaErrorType>(t.first)), t.second);
}

// ---- depth and the recursive layout definition ------------------------------

namespace {

// The layout rules written recursively, for diagrams that hold only
// reference symbols: nested, the children's definitions in place; else their
// REFERENCED lines, and their definitions after the end line.
void reference_Layout(const Diagram* d, bool Nested, std::string& out) {
  static const std::map<EnumDia::Type, std::string> kw{{EnumDia::SYS_DIA, "SYSTEM"}, {EnumDia::BLK_DIA, "BLOCK"},
                                                       {EnumDia::PRO_DIA, "PROCESS"},
                                                       {EnumDia::PROCEDURE_DIA, "PROCEDURE"}};
  static const std::map<EnumSym::Type, std::string> refKw{{EnumSym::BLK_INST_REF_SYM, "BLOCK"},
                                                          {EnumSym::PRO_INST_REF_SYM, "PROCESS"},
                                                          {EnumSym::PROCEDURE_INST_REF_SYM, "PROCEDURE"}};
  const std::string& k = kw.at(d->get_DiagramType());
  out += k + " " + d->name_ref() + ";\n";
  std::vector<EnumSym::Type> kinds{EnumSym::BLK_INST_REF_SYM, EnumSym::PRO_INST_REF_SYM};
  if (d->get_DiagramType() == EnumDia::PRO_DIA) kinds = {EnumSym::PRO_INST_REF_SYM, EnumSym::PROCEDURE_INST_REF_SYM};
  if (d->get_DiagramType() == EnumDia::PROCEDURE_DIA) {
    out += static_cast<const ClsProcedureDia*>(d)->get_FormalParameters() + ";\n";
    kinds.clear();
  }
  std::vector<const Diagram*> children;
  std::list<int> pages;
  d->get_IDsOfPages(pages);
  for (EnumSym::Type kind : kinds)
    for (int p : pages) {
      std::list<const Symbol*> syms;
      ClsMoAccessInfo Info;
      d->get_Syms(kind, p, syms, Info);
      for (const Symbol* s : syms) {
        if (Nested) reference_Layout(s->get_referenced_Diagram(), true, out);
        else out += refKw.at(kind) + " " + s->content_ref() + " REFERENCED;\n";
        children.push_back(s->get_referenced_Diagram());
      }
    }
  out += "END" + k + " " + d->name_ref() + ";\n";
  if (!Nested)
    for (const Diagram* c : children) reference_Layout(c, false, out);
}

}  // namespace

TEST(SdlPrDepth, RandomTreesMatchTheRecursiveLayout) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    PrModel m;
    std::vector<int> structure{m.sys()}, process;
    for (int i = 0; i < 25; ++i) {
      // A block or process in a structure diagram, a process or procedure in a process.
      bool kind = rng() % 2, inStructure = process.empty() || rng() % 2;
      const std::vector<int>& parents = inStructure ? structure : process;
      EnumSym::Type type = kind ? (inStructure ? EnumSym::BLK_INST_REF_SYM : EnumSym::PRO_INST_REF_SYM)
                                : (inStructure ? EnumSym::PRO_INST_REF_SYM : EnumSym::PROCEDURE_INST_REF_SYM);
      int d = m.ref(parents[rng() % parents.size()], type, "D" + std::to_string(i));
      if (type == EnumSym::BLK_INST_REF_SYM) structure.push_back(d);
      if (type == EnumSym::PRO_INST_REF_SYM) process.push_back(d);
    }
    for (bool nested : {false, true}) {
      std::string expected;
      reference_Layout(m.Model.get_SysDia(), nested, expected);
      EXPECT_EQ(m.generate(nested), expected) << "seed " << seed << " nested " << nested;
    }
  }
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
