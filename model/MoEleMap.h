#ifndef VEMRA_MOELEMAP_H
#define VEMRA_MOELEMAP_H

#include <vector>

#include "model/Geometry.h"
#include "model/MoAccessInfo.h"

namespace Vemra {

class Diagram;

// Hands out model IDs and knows, for every registered ID, its kind and the
// diagram that holds it (for a diagram: the diagram itself). Pages take IDs
// but are never registered.
class ClsMoEleMap {
public:
  enum e_MoEleBasicType {
    BASIC_NONE,
    BASIC_DIAGRAM,
    BASIC_SYMBOL,
    BASIC_STATEMACHINESYMBOL,
    BASIC_CHANNEL,
    BASIC_FLOWLINE
  };

  enum EnumAccessType : int { ACCESS_INSERT, ACCESS_GET_DIAGRAM, ACCESS_GET_ELEMENT, ACCESS_DELETE, ACCESS_MODIFY };

  class ClsMoEleInfo {
  public:
    ClsMoEleInfo() : BasicType(BASIC_NONE), MoEleType(ClsMoEleType::Undefined), pDiagram(nullptr) {}
    ClsMoEleInfo(ClsMoEleType::e_MoEle Type, Diagram* pDia);

    ClsMoEleType::e_MoEle get_MoEleType() const { return MoEleType; }
    e_MoEleBasicType get_MoEleBasicType() const { return BasicType; }
    Diagram* get_Diagram() const;
    Diagram* get_EnclosingDiagram() const;

  private:
    e_MoEleBasicType BasicType;
    ClsMoEleType::e_MoEle MoEleType;
    Diagram* pDiagram;
  };

  ClsMoEleMap() : IDCounter(0) {}

  int get_ID();
  bool ID_exists_in_Map(int ID) const;
  void add_MoEle(const ClsObjectWithModel_ID* element, Diagram* diagram);
  void delete_MoEle(int ID, ClsMoAccessInfo& Info);
  Diagram* find_MoEle(int ID, EnumAccessType Access, ClsMoAccessInfo& Info) const;
  void print_Map() const;

  // Number of registered entries.
  std::size_t size() const { return Count; }

private:
  const ClsMoEleInfo* lookup(int ID) const;
  void store(int ID, const ClsMoEleInfo& info);

  // IDs come from the counter, so they are dense: a vector indexed by ID
  // holds the entries, ascending by ID.
  std::vector<ClsMoEleInfo> Entries;
  std::size_t Count = 0;
  int IDCounter;
};

}  // namespace Vemra

#endif
