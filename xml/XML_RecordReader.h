#ifndef VEMRA_XML_RECORDREADER_H
#define VEMRA_XML_RECORDREADER_H

#include <string>

#include "xml/XML_Records.h"

namespace Vemra {

// The streaming pass over a model file: parses it with libxml2's streaming
// reader, reads every diagram element's children one at a time into records
// and lets the parser free them again, so that memory grows with the records,
// not with a document tree. The file is read through ordinary reads; a file
// that is no regular file, cannot be read, is not well-formed XML, or changes
// while it is read throws "An error occured during parsing\n ". Compressed
// files (gzip, xz) and names that libxml2's file input resolves to a regular
// file ("file:" URIs, %-escapes) are read through that input, as libxml2 reads
// any file it is asked to parse.
class ClsXML_RecordReader {
public:
  static void read_File(const std::string& FileName, ClsXML_FileRecords& Records);
  static void read_Memory(const std::string& Content, ClsXML_FileRecords& Records);
};

}  // namespace Vemra

#endif
