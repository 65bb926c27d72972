#pragma once
// The five message tables: every text shown at run time, addressed by number only.
// The built-in French texts are written by Messages::Init_Messages; language files
// replace entries by number.
#include <QString>

inline QString Lib_Langue[256];     // general messages, prompts, function descriptors
inline QString Lib_Stat[256];       // statistics results and tests
inline QString Lib_MenuStat[121];   // statistics window captions
inline QString Lib_Menu[256];       // measuring window captions, tool tips and prompts
inline QString Lib_Couleur[256];    // colour part

namespace Messages {
// Empties the five tables and writes every built-in French entry.
void Init_Messages();
} // namespace Messages
