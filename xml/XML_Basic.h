#ifndef VEMRA_XML_BASIC_H
#define VEMRA_XML_BASIC_H

#include <string>

namespace Vemra {

// Element names (TN_), attribute names (AN_) and attribute values (AV_) of the
// model file, shared by the writer and the reader.
class ClsXML_Basic {
public:
  static const std::string TN_SYSSPEC;
  static const std::string TN_SYSDIA;
  static const std::string TN_BLKDIA;
  static const std::string TN_PRODIA;
  static const std::string TN_PROCEDUREDIA;
  static const std::string TN_DIANAME;
  static const std::string TN_FORMAL_PARAMETERS;
  static const std::string TN_RECSYM_TEXTSYM;
  static const std::string TN_RECSYM_BLK_INST_REF;
  static const std::string TN_RECSYM_BLK_TYPE_REF;
  static const std::string TN_RECSYM_PRO_INST_REF;
  static const std::string TN_RECSYM_PRO_TYPE_REF;
  static const std::string TN_RECSYM_PROCEDURE_INST_REF;
  static const std::string TN_STATE_MA_SYM_START;
  static const std::string TN_STATE_MA_SYM_STATE;
  static const std::string TN_STATE_MA_SYM_OUTPUT;
  static const std::string TN_STATE_MA_SYM_INPUT;
  static const std::string TN_STATE_MA_SYM_CONDITION;
  static const std::string TN_STATE_MA_SYM_STOP;
  static const std::string TN_STATE_MA_SYM_TASK;
  static const std::string TN_STATE_MA_SYM_DECISION;
  static const std::string TN_STATE_MA_SYM_CREATE_PRO;
  static const std::string TN_STATE_MA_SYM_CALL_PROCEDURE;
  static const std::string TN_STATE_MA_SYM_PROCEDURE_START_STATE;
  static const std::string TN_STATE_MA_SYM_PROCEDURE_RETURN;
  static const std::string TN_NORMAL_FLOWLINE;
  static const std::string TN_DECISION_FLOWLINE;
  static const std::string TN_FLOWLINE_SOURCE_ID;
  static const std::string TN_FLOWLINE_DESTINATION_ID;
  static const std::string TN_CHANNEL;
  static const std::string TN_CHANNEL_SOURCE_ID;
  static const std::string TN_CHANNEL_DESTINATION_ID;
  static const std::string TN_CHANNEL_COMP_NAME;
  static const std::string TN_CHANNEL_COMP_SOURCE_SIG;
  static const std::string TN_CHANNEL_COMP_SOURCE_CON;
  static const std::string TN_CHANNEL_COMP_DEST_SIG;
  static const std::string TN_CHANNEL_COMP_DEST_CON;
  static const std::string TN_COORDS;
  static const std::string TN_PAGE;
  static const std::string TN_PAGEFRAME;
  static const std::string TN_PAS;
  static const std::string TN_WIDTH;
  static const std::string TN_HEIGHT;
  static const std::string TN_CONTENT;

  static const std::string AN_ID;
  static const std::string AN_ID_REF;
  static const std::string AN_PARENT_PAGE_ID;
  static const std::string AN_X_LEFT_UP;
  static const std::string AN_Y_LEFT_UP;
  static const std::string AN_WIDTH;
  static const std::string AN_HEIGHT;
  static const std::string AN_DIRECTION_TYPE;
  static const std::string AV_DIRECTION_TYPE_BOTH;
  static const std::string AV_DIRECTION_TYPE_FROM_SOURCE;
  static const std::string AV_DIRECTION_TYPE_FROM_DESTINATION;
  static const std::string AN_DELAY_TYPE;
  static const std::string AV_DELAY_TYPE_DELAY;
  static const std::string AV_DELAY_TYPE_NO_DELAY;
  static const std::string AN_CHANNEL_SOURCE_IS_ENV;
  static const std::string AV_CHANNEL_SOURCE_IS_ENV_TRUE;
  static const std::string AV_CHANNEL_SOURCE_IS_ENV_FALSE;
  static const std::string AN_CHANNEL_DESTINATION_IS_ENV;
  static const std::string AV_CHANNEL_DESTINATION_IS_ENV_TRUE;
  static const std::string AV_CHANNEL_DESTINATION_IS_ENV_FALSE;
};

}  // namespace Vemra

#endif
