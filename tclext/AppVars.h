#ifndef VEMRA_APPVARS_H
#define VEMRA_APPVARS_H

#include <string>

namespace Vemra {

class SysSpec;

// Process-wide application variables: the fixed installation paths and the
// current system model (owned by the commands that install one).
class ClassAppVars {
public:
  ClassAppVars();
  std::string get_Appl_Inst_Path() const { return Appl_Inst_Path; }
  std::string get_DebugDir() const { return DebugDir; }
  std::string get_DefaultProjectsDir() const { return DefaultProjectsDir; }
  std::string get_Dummy_XML_File() const { return Dummy_XML_File; }
  SysSpec* get_SysSpec() const { return pSysSpec; }
  void set_SysSpec(SysSpec* p) { pSysSpec = p; }

private:
  std::string Appl_Inst_Path;
  std::string DebugDir;
  std::string DefaultProjectsDir;
  std::string Dummy_XML_File;
  SysSpec* pSysSpec;
};

extern ClassAppVars AppVars;

}  // namespace Vemra

#endif
