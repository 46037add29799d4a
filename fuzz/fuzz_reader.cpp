// libFuzzer entry: reads arbitrary bytes as a model file and, when they load,
// writes the model again. Any crash, leak or undefined behaviour is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/RenumberingHelper.h"
#include "model/SysSpec.h"
#include "xml/XML_Reader.h"
#include "xml/XML_Writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  Vemra::SysSpec Model;
  bool Loaded = true;
  try {
    Vemra::ClsXML_Reader Reader;
    Reader.read_SysSpecFromMemory(std::string(reinterpret_cast<const char*>(Data), Size), &Model);
  } catch (const Vemra::ClsXML_Reader_ErrorReporter&) {
    Loaded = false;
  } catch (const Vemra::ClsRenumberingHelper_ErrorReporter&) {
    Loaded = false;
  }
  if (Loaded) {
    Vemra::ClsXML_Writer Writer;
    Writer.write_SysSpec(Model.get_SysDia(), "/dev/null");
  }
  return 0;
}
