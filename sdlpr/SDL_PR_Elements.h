#ifndef VEMRA_SDL_PR_ELEMENTS_H
#define VEMRA_SDL_PR_ELEMENTS_H

#include <list>

#include "model/Diagram.h"

namespace Vemra {
namespace SDL_PR_Elements {

// Calls f for every element that `query` lists, page by page in page order.
template <class T, class Query, class F>
void for_each_OnPages(const Diagram* Dia, Query query, F f) {
  std::list<int> Pages;
  Dia->get_IDsOfPages(Pages);
  std::list<const T*> Elements;
  for (int PageID : Pages) {
    Elements.clear();
    ClsMoAccessInfo Info;
    query(PageID, Elements, Info);
    for (const T* Element : Elements) f(Element);
  }
}

template <class F>
void for_each_Sym(const Diagram* Dia, EnumSym::Type Kind, F f) {
  for_each_OnPages<Symbol>(
      Dia, [&](int PageID, auto& Syms, auto& Info) { Dia->get_Syms(Kind, PageID, Syms, Info); }, f);
}

template <class F>
void for_each_Channel(const Diagram* Dia, F f) {
  for_each_OnPages<ClsChannel>(
      Dia, [&](int PageID, auto& Channels, auto& Info) { Dia->get_Channels(PageID, Channels, Info); }, f);
}

inline bool is_StateMaDiagram(EnumDia::Type Type) {
  return Type == EnumDia::PRO_DIA || Type == EnumDia::PROCEDURE_DIA;
}

}  // namespace SDL_PR_Elements
}  // namespace Vemra

#endif
