#ifndef VEMRA_XML_RECORDS_H
#define VEMRA_XML_RECORDS_H

// Compact records of a model file, collected in one streaming pass and read
// afterwards to build the model. Each element is read completely when it is
// met; what reading it would report (an error, the entity expansion work
// spent) is kept with the record and takes effect only when the model build
// reaches that element, so that errors appear in the same order as if the
// elements were read one by one in reading order.

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/Channel.h"
#include "model/Geometry.h"
#include "xml/XML_ReaderError.h"

namespace Vemra {

// The outcome of reading one element: the entity expansion work spent and
// the error met, if any.
struct ClsXML_Outcome {
  std::size_t Work = 0;
  std::unique_ptr<ClsXML_Reader_ErrorReporter> Error;
  void fail(const ClsXML_Reader_ErrorReporter& E) { Error.reset(new ClsXML_Reader_ErrorReporter(E)); }
};

struct ClsXML_TextRec : ClsXML_Outcome {
  std::string Text;
};

struct ClsXML_PageRec : ClsXML_Outcome {
  int ID = 0, Width = 0, Height = 0, FrameX = 0, FrameY = 0, FrameWidth = 0, FrameHeight = 0;
};

// A structure symbol or a state-machine symbol.
struct ClsXML_SymbolRec : ClsXML_Outcome {
  int ID = 0, PageID = 0, RefID = 0, x = 0, y = 0, Width = 0, Height = 0;
  bool HasRef = false;
  std::string Content;
};

struct ClsXML_FlowLineRec : ClsXML_Outcome {
  int ID = 0, PageID = 0, SourceID = 0, DestID = 0;
  std::vector<int> Coords;
  ClsRecPaS PaS{0, 0, 0, 0};
  std::string Content;
};

struct ClsXML_ChannelRec : ClsXML_Outcome {
  int ID = 0, PageID = 0, SourceID = 0, DestID = 0;
  ClsChannel::e_DelayType Delay = ClsChannel::DELAY;
  ClsChannel::e_DirectionType Direction = ClsChannel::BOTH;
  bool SourceIsEnv = false, DestIsEnv = false;
  std::vector<int> Coords;
  std::array<std::string, 5> Texts;  // the components in file order
  std::array<ClsRecPaS, 5> Boxes{{{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}};
};

// The ID attribute of a diagram element.
struct ClsXML_IDRec : ClsXML_Outcome {
  bool Present = false;
  int Value = 0;
};

// One element named as a diagram, with its children sorted by kind, each
// list in document order.
struct ClsXML_DiagramRec {
  enum e_Name { SYSDIA = 0, BLKDIA = 1, PRODIA = 2, PROCEDUREDIA = 3 };
  e_Name Name = SYSDIA;
  bool Indexed = false;  // an element without namespace, found by ID
  ClsXML_IDRec ID;
  ClsXML_TextRec Title;  // the whole text of the first (system) or second (procedure) child element
  std::vector<ClsXML_PageRec> Pages;
  std::array<std::vector<ClsXML_SymbolRec>, 6> Symbols;        // by XML_Kinds::ALL_SYMBOLS
  std::array<std::vector<ClsXML_SymbolRec>, 12> StateMaSymbols;  // by XML_Kinds::STATE_MA_SYMBOLS
  std::array<std::vector<ClsXML_FlowLineRec>, 2> FlowLines;    // by XML_Kinds::FLOW_LINES
  std::vector<ClsXML_ChannelRec> Channels;
};

// A whole model file.
struct ClsXML_FileRecords {
  bool HasRoot = false;
  std::string RootName;
  // The root's first child that is not blank: its name, and its record when
  // it is named SYSDIA.
  bool HasFirstChild = false;
  std::string FirstChildName;
  int SysDia = -1;
  std::vector<ClsXML_DiagramRec> Diagrams;  // document order
};

}  // namespace Vemra

#endif
