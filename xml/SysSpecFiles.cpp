#include "model/SysSpec.h"
#include "xml/XML_Reader.h"
#include "xml/XML_Writer.h"

namespace Vemra {

bool SysSpec::store(const std::string& path) {
  ClsXML_Writer Writer;
  return Writer.write_SysSpec(pSysDia, path);
}

// A failed read leaves this system model reset (the empty system model).
void SysSpec::load(const std::string& path, ClsRenumberingHelper* fileIds) {
  ClsXML_Reader Reader;
  reset();
  try {
    Reader.read_SysSpec(path, this);
  } catch (...) {
    reset();
    throw;
  }
  if (fileIds) *fileIds = std::move(Reader.get_IDs());
}

}  // namespace Vemra
