#ifndef VEMRA_XML_READER_H
#define VEMRA_XML_READER_H

#include <libxml/tree.h>

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "model/RenumberingHelper.h"
#include "model/SysSpec.h"
#include "xml/XML_DiagramIndex.h"
#include "xml/XML_NodeAccess.h"
#include "xml/XML_ReaderError.h"

namespace Vemra {

// Rebuilds a system model from a model file through the ordinary model
// operations, translating the file's IDs into new model IDs. Errors of the
// file throw ClsXML_Reader_ErrorReporter; a broken ID translation lets the
// ClsRenumberingHelper_ErrorReporter through.
class ClsXML_Reader {
public:
  static const std::string NOT_SPECIFIED;

  ClsXML_Reader();
  ~ClsXML_Reader();
  ClsXML_Reader(const ClsXML_Reader&) = delete;
  ClsXML_Reader& operator=(const ClsXML_Reader&) = delete;

  void read_SysSpec(const std::string& FileName, SysSpec* Target);
  // The same on a file's content already in memory.
  void read_SysSpecFromMemory(const std::string& Content, SysSpec* Target);
  // File ID <-> model ID pairs of the last read.
  const ClsRenumberingHelper& get_IDs() const { return IDs; }

private:
  // A diagram element being read: its structure symbols are read one by one
  // so that a referenced diagram can be read in between (see read_Document).
  struct DiagramFrame {
    xmlNode* Node;
    EnumDia::Type Kind;
    int DiagramID;                 // model ID
    std::vector<xmlNode*> Symbols;  // structure symbol elements in reading order
    std::size_t Next;
  };

  void read_Document(xmlDocPtr Document);
  void free_Document();

  DiagramFrame read_SysDia(xmlNode* Node);
  DiagramFrame start_ReferencedDiagram(xmlNode* Node, const Symbol* RefSym);
  DiagramFrame start_Diagram(xmlNode* Node, EnumDia::Type Kind);
  void finish_Diagram(const DiagramFrame& Frame);
  // Reads the next structure symbol of the frame; returns the diagram element
  // to be read next when the symbol references one, else null.
  const Symbol* read_NextRecSymbol(DiagramFrame& Frame, xmlNode*& RefNode);

  void read_ProcedureFormalParameters(xmlNode* Node, int DiagramID);
  void read_Pages(xmlNode* Node);
  void read_StateMaSyms(xmlNode* Node, int DiagramID, EnumDia::Type Kind);
  void read_FlowLines(xmlNode* Node, int DiagramID);
  void read_Channels(xmlNode* Node, int DiagramID);

  void get_Page_from_ElementNode(xmlNode* Node, int& ID, int& Width, int& Height, int& FrameX, int& FrameY,
                                 int& FrameWidth, int& FrameHeight);
  void get_PaS_from_ElementNode(xmlNode* Node, int& x, int& y, int& Width, int& Height);
  ClsRecPaS get_PaS_from_Child(xmlNode* Parent, int Position);
  void get_RecSym_from_ElementNode(xmlNode* Node, int& ID, int& PageID, bool& HasRef, int& RefDiagramID, int& x,
                                   int& y, int& Width, int& Height, std::string& Content);
  void get_StateMaSym_from_ElementNode(xmlNode* Node, int& ID, int& PageID, int& x, int& y, int& Width, int& Height,
                                       std::string& Content);
  void get_FlowLine_from_ElementNode(xmlNode* Node, int& ID, int& PageID, std::list<int>& Coords, int& SourceID,
                                     int& DestID);
  void get_Channel_from_ElementNode(xmlNode* Node, int& ID, int& PageID, ClsChannel::e_DelayType& Delay,
                                    ClsChannel::e_DirectionType& Direction, std::list<int>& Coords,
                                    bool& SourceIsEnv, int& SourceID, bool& DestIsEnv, int& DestID);
  int get_ChanEndID(xmlNode* Node, const std::string& Name, bool& IsEnv);
  void get_ChanComp(xmlNode* Node, const std::string& Name, std::string& Content, ClsRecPaS& PaS);

  xmlNode* get_DiagramElementNodeByID(int FileID);
  std::string get_StringContent_from_Element(xmlNode* Node, bool StripFirstLineBreak, bool StripLastLineBreak);
  std::string get_WholeText(xmlNode* Node);
  int get_IntText(xmlNode* Node);
  std::list<int> get_Coords(xmlNode* Node);
  int get_IntAttribute(xmlNode* Node, const std::string& Name);
  std::string get_Attribute(xmlNode* Node, const std::string& Name);
  xmlNode* get_Child(xmlNode* Node, int Position);
  int translate(int FileID) { return IDs.get_New_ID_from_Old_ID(FileID); }

  ClsRenumberingHelper IDs;
  SysSpec* pSpec;
  xmlDocPtr pDocument;
  std::unique_ptr<ClsXML_NodeAccess> pAccess;
  std::unique_ptr<ClsXML_DiagramIndex> pIndex;  // built at the first reference
};

}  // namespace Vemra

#endif
