#include "tclext/AppVars.h"

namespace Vemra {

ClassAppVars::ClassAppVars() : Appl_Inst_Path("."), pSysSpec(nullptr) {
  DefaultProjectsDir = Appl_Inst_Path + "/projects";
  DebugDir = Appl_Inst_Path + "/debug/";
  Dummy_XML_File = Appl_Inst_Path + "/dtd/dummy.xml";
}

__attribute__((visibility("default"))) ClassAppVars AppVars;

}  // namespace Vemra
