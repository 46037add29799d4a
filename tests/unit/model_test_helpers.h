#ifndef SDL_TESTS_MODEL_TEST_HELPERS_H
#define SDL_TESTS_MODEL_TEST_HELPERS_H

// Small builders shared by the model tests: each inserts one element through
// the system model, checks that the insertion succeeded and returns its ID.

#include <gtest/gtest.h>

#include <list>
#include <string>

#include "model/SysSpec.h"

// The status that an operation reporting through `info` left behind:
//   EXPECT_EQ(STATUS(sysSpec.delete_Page(1, 2, info)), R::PAGE_DELETE_OK);
#define STATUS(call) ((void)(call), info.get_Info())

namespace model_test {

using R = Vemra::ClsMoAccessInfo;
using SM = Vemra::ClsStateMachineSymbol;

// A fresh system model (system diagram 1 with page 2) and a status holder.
struct ModelTest : testing::Test {
  Vemra::SysSpec sysSpec;
  Vemra::ClsMoAccessInfo info;
};

inline int add_symbol(Vemra::SysSpec& sysSpec, Vemra::EnumSym::Type kind, int dia, int page,
                      const std::string& text = "S") {
  Vemra::ClsMoAccessInfo info;
  int id = -1;
  EXPECT_EQ(STATUS(sysSpec.insert_Symbol(kind, dia, page, 10, 20, 100, 40, text, info, id)), R::INSERT_OK);
  return id;
}

inline int add_sm(Vemra::SysSpec& sysSpec, SM::e_StateMachineSymbolType kind, int dia, int page,
                  const std::string& text = "T") {
  Vemra::ClsMoAccessInfo info;
  int id = -1;
  EXPECT_EQ(STATUS(sysSpec.insert_StateMachineSymbol(kind, dia, page, 1, 2, 3, 4, text, info, id)), R::INSERT_OK);
  return id;
}

inline int add_flow(Vemra::SysSpec& sysSpec, int dia, int page, int from, int to) {
  Vemra::ClsMoAccessInfo info;
  int id = -1;
  std::list<int> coords{1, 2, 3, 4};
  EXPECT_EQ(STATUS(sysSpec.insert_FlowLine(dia, page, coords, from, to, info, id)), R::INSERT_OK);
  return id;
}

inline int add_decision_flow(Vemra::SysSpec& sysSpec, int dia, int page, int from, int to,
                             const std::string& answer = "yes") {
  Vemra::ClsMoAccessInfo info;
  int id = -1;
  std::list<int> coords{5, 6, 7, 8};
  EXPECT_EQ(STATUS(sysSpec.insert_DecisionFlowLine(dia, page, coords, from, to, answer,
                                                   Vemra::ClsRecPaS(1, 1, 20, 10), info, id)),
            R::INSERT_OK);
  return id;
}

// Inserts a channel and returns the status; the new ID goes to `id`.
inline R::e_ResultType try_channel(Vemra::SysSpec& sysSpec, int dia, int page, bool src_env, int src, bool dst_env,
                                   int dst, int& id) {
  using namespace Vemra;
  ClsMoAccessInfo info;
  std::list<int> coords{0, 0, 50, 50};
  ClsRecPaS box(0, 0, 10, 10);
  sysSpec.insert_Channel(dia, page, ClsChannel::NO_DELAY, ClsChanName("C", box), ClsChanSourceSigList("s1", box),
                         ClsChanSourceCon("sc", box), ClsChanDestSigList("s2", box), ClsChanDestCon("dc", box), coords,
                         src_env, src, dst_env, dst, info, id);
  return info.get_Info();
}

// Negative ends stand for the environment.
inline int add_channel(Vemra::SysSpec& sysSpec, int dia, int page, int src, int dst) {
  int id = -1;
  EXPECT_EQ(try_channel(sysSpec, dia, page, src < 0, src, dst < 0, dst, id), R::INSERT_OK);
  return id;
}

inline std::list<const Vemra::ClsChannel*> channels(const Vemra::SysSpec& sysSpec, int dia, int page) {
  Vemra::ClsMoAccessInfo info;
  std::list<const Vemra::ClsChannel*> chans;
  sysSpec.get_Channels(dia, page, chans, info);
  return chans;
}

// Appends a page to the diagram and returns its ID.
inline int add_page(Vemra::SysSpec& sysSpec, int dia) {
  Vemra::ClsMoAccessInfo info;
  EXPECT_EQ(STATUS(sysSpec.append_NewPage(dia, info)), R::PAGE_INSERT_OK);
  return sysSpec.get_LastPageID(dia, info);
}

inline int first_page(const Vemra::SysSpec& sysSpec, int dia) {
  Vemra::ClsMoAccessInfo info;
  return sysSpec.get_FirstPageID(dia, info);
}

// The diagram that a reference symbol stands for.
inline int ref_diagram(const Vemra::SysSpec& sysSpec, int symbol) {
  Vemra::ClsMoAccessInfo info;
  const Vemra::Symbol* sym = sysSpec.get_RecSymbol(symbol, info);
  return sym ? sym->get_referenced_Diagram_Model_ID() : -1;
}

// The model IDs of a list of elements, in list order.
template <class T>
std::list<int> ids_of(const std::list<T>& elements) {
  std::list<int> ids;
  for (const auto* e : elements) ids.push_back(e->get_Model_ID());
  return ids;
}

template <class F>
std::string stderr_of(F f) {
  testing::internal::CaptureStderr();
  f();
  return testing::internal::GetCapturedStderr();
}

}  // namespace model_test

#endif
