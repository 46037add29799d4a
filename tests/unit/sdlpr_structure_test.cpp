// Document layout, structure definitions, channels, errors and the label
// bookkeeping of the SDL/PR generator.
#include <map>
#include <random>

#include "tests/unit/sdlpr_support.h"

using namespace sdlpr_test;

namespace {

// The three-level example: system Demo, block B1, process P1.
struct DemoModel : PrModel {
  DemoModel() {
    name_sys("Demo");
    sym(sys(), EnumSym::TEXT_SYM, "SIGNAL s1, s2;");
    int B1sym = sym(sys(), EnumSym::BLK_INST_REF_SYM, "B1");
    int B1 = dia_of(B1sym);
    ChanDef c1;
    c1.Name = "c1";
    c1.Delay = 1;
    c1.Direction = 1;
    c1.Dest = B1sym;
    c1.SourceSigs = "s1";
    chan(sys(), c1);
    int P1sym = sym(B1, EnumSym::PRO_INST_REF_SYM, "P1");
    int P1 = dia_of(P1sym);
    ChanDef c2;
    c2.Name = "c2";
    c2.Dest = P1sym;
    c2.SourceSigs = "s1";
    c2.DestSigs = "s2";
    c2.DestCon = "c1";
    chan(B1, c2);
    int start = sm(P1, SM::START, "");
    int idle = sm(P1, SM::STATE, "Idle");
    flow(P1, start, idle);
  }
};

}  // namespace

TEST(SdlPrDocument, ExampleInReferencedLayout) {
  DemoModel m;
  EXPECT_EQ(m.generate(false),
            "SYSTEM Demo;\nSIGNAL s1, s2;\nCHANNEL c1 NODELAY\nFROM ENV TO B1 WITH s1;\nENDCHANNEL c1;\n"
            "BLOCK B1 REFERENCED;\nENDSYSTEM Demo;\nBLOCK B1;\nCHANNEL c2 DELAY\nFROM ENV TO P1 WITH s1;\n"
            "FROM P1 TO ENV WITH s2;\nENDCHANNEL c2;\nCONNECT c1 AND c2;\nPROCESS P1 REFERENCED;\nENDBLOCK B1;\n"
            "PROCESS P1;\nSTART ;\nNEXTSTATE Idle;\nSTATE Idle;\nENDPROCESS P1;\n");
}

TEST(SdlPrDocument, ExampleInNestedLayout) {
  DemoModel m;
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
  ClsMoAccessInfo Info;
  m.Model.append_NewPage(m.sys(), Info);
  ClsPageManager::e_PageIndex Index;
  int page2 = m.Model.get_NextPageID(m.sys(), m.page(m.sys()), Index, Info);
  m.sym(m.sys(), EnumSym::PRO_INST_REF_SYM, "Pa", page2);
  m.sym(m.sys(), EnumSym::TEXT_SYM, "t2", page2);
  m.sym(m.sys(), EnumSym::BLK_INST_REF_SYM, "Bb", page2);
  m.sym(m.sys(), EnumSym::BLK_TYPE_REF_SYM, "BT");
  m.sym(m.sys(), EnumSym::PRO_TYPE_REF_SYM, "PT");
  m.sym(m.sys(), EnumSym::PRO_INST_REF_SYM, "Pb");
  m.sym(m.sys(), EnumSym::TEXT_SYM, "t1");
  int Ba = m.ref(m.sys(), EnumSym::BLK_INST_REF_SYM, "Ba");
  m.ref(Ba, EnumSym::PRO_INST_REF_SYM, "Pc");
  // Type reference symbols are not visited; block references come before
  // process references, each page by page; each block's definitions follow it.
  EXPECT_EQ(m.generate(false),
            "SYSTEM ROOT;\nt1\nt2\nBLOCK Ba REFERENCED;\nBLOCK Bb REFERENCED;\nPROCESS Pb REFERENCED;\n"
            "PROCESS Pa REFERENCED;\nENDSYSTEM ROOT;\n"
            "BLOCK Ba;\nPROCESS Pc REFERENCED;\nENDBLOCK Ba;\nPROCESS Pc;\nENDPROCESS Pc;\n"
            "BLOCK Bb;\nENDBLOCK Bb;\nPROCESS Pb;\nENDPROCESS Pb;\nPROCESS Pa;\nENDPROCESS Pa;\n");
}

TEST(SdlPrDocument, ProcessAndProcedureFrames) {
  PrModel m;
  int P = m.ref(m.sys(), EnumSym::PRO_INST_REF_SYM, "P");
  m.sym(P, EnumSym::TEXT_SYM, "DCL x INTEGER;");
  int Proc = m.ref(P, EnumSym::PROCEDURE_INST_REF_SYM, "Pr");
  m.ref(P, EnumSym::PRO_INST_REF_SYM, "Q");
  ChanDef c;
  c.Name = "pc";
  c.Direction = 2;
  c.DestSigs = "";
  m.chan(P, c);
  ClsMoAccessInfo Info;
  m.Model.modify_ProcedureDiaFormalParameters(Proc, "", Info);
  m.sym(Proc, EnumSym::TEXT_SYM, "DCL y;");
  // A procedure reference inside a procedure is not visited.
  m.ref(Proc, EnumSym::PROCEDURE_INST_REF_SYM, "Inner");
  int ps = m.sm(Proc, SM::PROCEDURE_START_STATE, "");
  int ret = m.sm(Proc, SM::PROCEDURE_RETURN, "");
  int task = m.sm(Proc, SM::TASK, "y := 1");
  m.flow(Proc, ps, task);
  m.flow(Proc, task, ret);
  EXPECT_EQ(m.generate(false),
            "SYSTEM ROOT;\nPROCESS P REFERENCED;\nENDSYSTEM ROOT;\n"
            "PROCESS P;\nDCL x INTEGER;\nCHANNEL pc DELAY\nFROM ENV TO ENV WITH ;\nENDCHANNEL pc;\n"
            "PROCESS Q REFERENCED;\nPROCEDURE Pr REFERENCED;\nENDPROCESS P;\n"
            "PROCESS Q;\nENDPROCESS Q;\n"
            "PROCEDURE Pr;\n;\nDCL y;\nSTART ;\nTASK y := 1;\nRETURN ;\nENDPROCEDURE Pr;\n");
  EXPECT_EQ(m.generate(true),
            "SYSTEM ROOT;\nPROCESS P;\nDCL x INTEGER;\nCHANNEL pc DELAY\nFROM ENV TO ENV WITH ;\nENDCHANNEL pc;\n"
            "PROCESS Q;\nENDPROCESS Q;\n"
            "PROCEDURE Pr;\n;\nDCL y;\nSTART ;\nTASK y := 1;\nRETURN ;\nENDPROCEDURE Pr;\n"
            "ENDPROCESS P;\nENDSYSTEM ROOT;\n");
}

TEST(SdlPrChannels, DirectionsAndConnections) {
  PrModel m;
  int B = m.ref(m.sys(), EnumSym::BLK_INST_REF_SYM, "B");
  int X = m.sym(B, EnumSym::PRO_INST_REF_SYM, "X");
  int Y = m.sym(B, EnumSym::PRO_INST_REF_SYM, "Y");
  ChanDef between;  // two symbols: no CONNECT
  between.Name = "xy";
  between.Source = X;
  between.Dest = Y;
  between.SourceSigs = "a";
  between.DestSigs = "b";
  between.SourceCon = "unused";
  m.chan(B, between);
  ChanDef out;  // to the environment: the source connection text
  out.Name = "out";
  out.Direction = 2;
  out.Source = Y;
  out.SourceCon = "sc";
  out.DestCon = "dc";
  out.DestSigs = "z";
  m.chan(B, out);
  ChanDef envenv;  // both ends at the environment: one line, destination text
  envenv.Name = "ee";
  envenv.Direction = 1;
  envenv.SourceCon = "sc2";
  envenv.DestCon = "dc2";
  m.chan(B, envenv);
  std::string text = m.generate(true);
  EXPECT_EQ(text,
            "SYSTEM ROOT;\nBLOCK B;\n"
            "CHANNEL xy DELAY\nFROM X TO Y WITH a;\nFROM Y TO X WITH b;\nENDCHANNEL xy;\n"
            "CHANNEL out DELAY\nFROM ENV TO Y WITH z;\nENDCHANNEL out;\n"
            "CHANNEL ee DELAY\nFROM ENV TO ENV WITH ;\nENDCHANNEL ee;\n"
            "CONNECT sc AND out;\nCONNECT dc2 AND ee;\n"
            "PROCESS X;\nENDPROCESS X;\nPROCESS Y;\nENDPROCESS Y;\nENDBLOCK B;\nENDSYSTEM ROOT;\n");
}

// An unknown delay kind is refused before the channel's header line, an
// unknown direction kind right after it.
TEST(SdlPrErrors, UnknownChannelKindsStopTheGeneration) {
  PrModel m;
  ChanDef c;
  c.Name = "c";
  int ID = m.chan(m.sys(), c);
  ClsMoAccessInfo Info;
  m.Model.modify_Chan_DirectionType(ID, static_cast<ClsChannel::e_DirectionType>(3), Info);
  EXPECT_THROW(m.generate(false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_EQ(m.Written, "SYSTEM ROOT;\nCHANNEL c DELAY\n");
  m.Model.modify_Chan_DelayType(ID, static_cast<ClsChannel::e_DelayType>(2), Info);
  expect(Info, ClsMoAccessInfo::MODIFY_OK);
  EXPECT_THROW(m.generate(false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_EQ(m.Written, "SYSTEM ROOT;\n");
}

TEST(SdlPrErrors, ChannelEndWithoutSymbolStopsTheGeneration) {
  PrModel m;
  int S = m.sym(m.sys(), EnumSym::BLK_INST_REF_SYM, "B");
  ChanDef c;
  c.Name = "c";
  c.Dest = S;
  m.chan(m.sys(), c);
  ClsMoAccessInfo Info;
  m.Model.delete_Symbol(S, Info);
  expect(Info, ClsMoAccessInfo::DELETE_OK);
  EXPECT_THROW(m.generate(false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_EQ(m.Written, "SYSTEM ROOT;\nCHANNEL c DELAY\n");
}

TEST(SdlPrErrors, FileProblemsAndMisuse) {
  PrModel m;
  ClsSDL_PR_Writer w;
  EXPECT_THROW(w.write_SysSpec(&m.Model, "/nonexistent-dir/x.pr", false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(w.write_SysSpec(&m.Model, ::testing::TempDir(), false), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(w.write_SysSpec(nullptr, temp_Path("null.pr"), false), ClsSDL_PR_Writer_UnspecifiedError);
  // A full device fails on a write or at the close: the stream's own failure.
  if (std::ifstream("/dev/full").good()) {
    m.sym(m.sys(), EnumSym::TEXT_SYM, std::string(1 << 20, 'x'));
    EXPECT_THROW(w.write_SysSpec(&m.Model, "/dev/full", false), std::ios_base::failure);
  }
  // Writing outside a generation has no stream.
  ClsSDL_PR_Writer fresh;
  EXPECT_THROW(fresh.write_StringBlockToFile("x", true), ClsSDL_PR_Writer_UnspecifiedError);
  EXPECT_THROW(fresh.write_HL_InstDia(m.Model.get_SysDia(), false),
               ClsSDL_PR_Writer_UnspecifiedError);
}

TEST(SdlPrErrors, OnlyInstanceDiagramsAreWritten) {
  PrModel m;
  int P = m.ref(m.sys(), EnumSym::PRO_INST_REF_SYM, "P");
  std::string path = temp_Path("kinds.pr");
  ClsSDL_PR_Writer w;
  w.write_SysSpec(&m.Model, path, false);  // opens a stream for the calls below
  ClsMoAccessInfo Info;
  EXPECT_THROW(w.write_HL_InstDia(m.Model.get_Diagram(P, Info), false), ClsSDL_PR_Writer_UnspecifiedError);
  std::remove(path.c_str());
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

TEST(SdlPrHelper, ErrorObjectsNameSymbolPageAndDiagram) {
  ProcessModel m;
  ClsMoAccessInfo Info;
  m.Model.append_NewPage(m.P, Info);
  int page2 = m.Model.get_LastPageID(m.P, Info);
  int out = m.sm(m.P, SM::OUTPUT, "o", page2);
  ClsSDL_PR_Writer_StateMaSymError e(&m.Model, m.Model.get_StateMachineSymbol(out, Info),
                                     ClsSDL_PR_Writer_StateMaSymError::SMS_TRANSITION_NOT_COMPLETE);
  EXPECT_EQ(e.get_ErrorType(), ClsSDL_PR_Writer_ErrorReporter::STATEMA_SYM_ERROR);
  EXPECT_EQ(e.get_Symbol_ID(), out);
  EXPECT_EQ(e.get_PageID(), page2);
  EXPECT_EQ(e.get_DiagramID(), m.P);
  EXPECT_EQ(ClsSDL_PR_Writer_UnspecifiedError().get_ErrorType(), ClsSDL_PR_Writer_ErrorReporter::UNSPECIFIED_ERROR);
  using E = ClsSDL_PR_Writer_StateMaSymError;
  EXPECT_EQ(E::get_StateMaErrorText(E::SMS_ILLEGAL_START_STATE), "sms_illegal_start_state");
  EXPECT_EQ(E::get_StateMaErrorText(E::SMS_TRANSITION_NOT_COMPLETE), "sms_transition_not_complete");
  EXPECT_EQ(E::get_StateMaErrorText(E::SMS_NONE), "sms_none");
  EXPECT_EQ(E::get_StateMaErrorText(static_cast<E::e_StateMaErrorType>(9)), "sms_none");
}

TEST(SdlPrDocument, SecondGenerationStartsAfresh) {
  ProcessModel m;
  int s = m.sm(m.P, SM::START, "");
  int st = m.sm(m.P, SM::STATE, "S");
  m.flow(m.P, s, st);
  m.flow(m.P, s, st);
  ClsSDL_PR_Writer w;
  std::string a = temp_Path("a.pr"), b = temp_Path("b.pr");
  w.write_SysSpec(&m.Model, a, false);
  w.write_SysSpec(&m.Model, b, false);
  EXPECT_EQ(read_File(a), read_File(b));
  EXPECT_EQ(read_File(b), ProcessModel::wrap("START ;\ngrst1 :\nNEXTSTATE S;\nSTATE S;\nJOIN grst1;\n"));
  std::remove(a.c_str());
  std::remove(b.c_str());
}

// ---- depth and the recursive layout definition ------------------------------

namespace {

// The layout rules written recursively, for diagrams that hold only
// reference symbols.
void reference_Layout(const Diagram* d, bool Nested, std::string& out) {
  static const std::map<EnumDia::Type, std::pair<std::string, std::string>> names{
      {EnumDia::SYS_DIA, {"SYSTEM", "ENDSYSTEM"}},
      {EnumDia::BLK_DIA, {"BLOCK", "ENDBLOCK"}},
      {EnumDia::PRO_DIA, {"PROCESS", "ENDPROCESS"}},
      {EnumDia::PROCEDURE_DIA, {"PROCEDURE", "ENDPROCEDURE"}}};
  const auto& kw = names.at(d->get_DiagramType());
  out += kw.first + " " + d->name_ref() + ";\n";
  std::vector<const Diagram*> children;
  if (d->get_DiagramType() == EnumDia::PROCEDURE_DIA) {
    out += static_cast<const ClsProcedureDia*>(d)->get_FormalParameters() + ";\n";
  } else {
    bool structure = d->get_DiagramType() != EnumDia::PRO_DIA;
    for (EnumSym::Type k : {structure ? EnumSym::BLK_INST_REF_SYM : EnumSym::PRO_INST_REF_SYM,
                            structure ? EnumSym::PRO_INST_REF_SYM : EnumSym::PROCEDURE_INST_REF_SYM}) {
      std::list<int> pages;
      d->get_IDsOfPages(pages);
      for (int p : pages) {
        std::list<const Symbol*> syms;
        ClsMoAccessInfo Info;
        d->get_Syms(k, p, syms, Info);
        for (const Symbol* s : syms) {
          if (Nested) {
            reference_Layout(s->get_referenced_Diagram(), true, out);
          } else {
            static const std::map<EnumSym::Type, std::string> kws{{EnumSym::BLK_INST_REF_SYM, "BLOCK"},
                                                                  {EnumSym::PRO_INST_REF_SYM, "PROCESS"},
                                                                  {EnumSym::PROCEDURE_INST_REF_SYM, "PROCEDURE"}};
            out += kws.at(k) + " " + s->content_ref() + " REFERENCED;\n";
            children.push_back(s->get_referenced_Diagram());
          }
        }
      }
    }
  }
  out += kw.second + " " + d->name_ref() + ";\n";
  for (const Diagram* c : children) reference_Layout(c, false, out);
}

}  // namespace

TEST(SdlPrDepth, RandomTreesMatchTheRecursiveLayout) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    PrModel m;
    std::vector<int> structure{m.sys()}, process;
    for (int i = 0; i < 25; ++i) {
      std::string name = "D" + std::to_string(i);
      bool inStructure = process.empty() || rng() % 2;
      if (inStructure) {
        int parent = structure[rng() % structure.size()];
        int kind = rng() % 2;
        int d = m.ref(parent, kind ? EnumSym::BLK_INST_REF_SYM : EnumSym::PRO_INST_REF_SYM, name);
        (kind ? structure : process).push_back(d);
      } else {
        int parent = process[rng() % process.size()];
        int kind = rng() % 2;
        int d = m.ref(parent, kind ? EnumSym::PRO_INST_REF_SYM : EnumSym::PROCEDURE_INST_REF_SYM, name);
        if (kind) process.push_back(d);
      }
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
  int d = m.sys();
  for (int i = 1; i <= depth; ++i) d = m.ref(d, EnumSym::BLK_INST_REF_SYM, "B" + std::to_string(i));
  std::string nested = "SYSTEM ROOT;\n", closing = "ENDSYSTEM ROOT;\n";
  std::string referenced = "SYSTEM ROOT;\nBLOCK B1 REFERENCED;\nENDSYSTEM ROOT;\n";
  for (int i = 1; i <= depth; ++i) {
    std::string n = "B" + std::to_string(i);
    nested += "BLOCK " + n + ";\n";
    closing = "ENDBLOCK " + n + ";\n" + closing;
    referenced += "BLOCK " + n + ";\n";
    if (i < depth) referenced += "BLOCK B" + std::to_string(i + 1) + " REFERENCED;\n";
    referenced += "ENDBLOCK " + n + ";\n";
  }
  EXPECT_EQ(m.generate(true), nested + closing);
  EXPECT_EQ(m.generate(false), referenced);
}
