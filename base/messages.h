#pragma once
// The five message tables: every text shown at run time, addressed by number only.
// The built-in French texts are written by Messages::Init_Messages; language files
// replace entries by number.
#include "base/etat_struct.h"

using TableMessages = TableauFixe<QString, 256>;
using TableMessagesStat = TableauFixe<QString, 121>;

#define CHAMPS_TABLES_MESSAGES(X)                                                                \
    X(TableMessages, Lib_Langue)         /* general messages, prompts, function descriptors */    \
    X(TableMessages, Lib_Stat)           /* statistics results and tests */                       \
    X(TableMessagesStat, Lib_MenuStat)   /* statistics window captions */                         \
    X(TableMessages, Lib_Menu)           /* measuring window captions, tool tips and prompts */   \
    X(TableMessages, Lib_Couleur)        /* colour part */

ETAT_GROUPE(TablesMessages, tables_messages, CHAMPS_TABLES_MESSAGES)
#define ETAT_INSTANCE_COURANTE tables_messages
CHAMPS_TABLES_MESSAGES(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

namespace Messages {
// Empties the five tables and writes every built-in French entry.
void Init_Messages();
} // namespace Messages
