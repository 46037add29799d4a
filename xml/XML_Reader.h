#ifndef VEMRA_XML_READER_H
#define VEMRA_XML_READER_H

#include <string>

#include "model/RenumberingHelper.h"
#include "xml/XML_ReaderError.h"

namespace Vemra {

class SysSpec;

// Rebuilds a system model from a model file through the ordinary model
// operations, translating the file's IDs into new model IDs. The file is
// first read in one streaming pass into compact records, then the model is
// built from them. Errors of the file throw ClsXML_Reader_ErrorReporter; a
// broken ID translation lets the ClsRenumberingHelper_ErrorReporter through.
class ClsXML_Reader {
public:
  static const std::string NOT_SPECIFIED;

  void read_SysSpec(const std::string& FileName, SysSpec* Target);
  // The same on a file's content already in memory.
  void read_SysSpecFromMemory(const std::string& Content, SysSpec* Target);
  // The pairs of file ID and model ID recorded while reading.
  ClsRenumberingHelper& get_IDs() { return IDs; }

private:
  ClsRenumberingHelper IDs;
};

}  // namespace Vemra

#endif
