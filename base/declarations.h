#pragma once
// The measurement-function table: for each function code, the "$"-separated title
// descriptor (title, a count, then each grid column title) and the widths descriptor
// (the grid's column count, then each column's width in twips), from which the grid
// headers are written.
#include "base/etat_struct.h"

namespace Declarations {

using DescripteursFonctions = TableauFixe<QString, 26>;
using Questions = TableauFixe<QString, 3>;

// QuestionsFonctions 1: the confirmation asked before a change of function clears the
// grid; 2: the notice that an image has already been processed.
#define CHAMPS_TABLE_FONCTIONS(X)                                                                \
    X(DescripteursFonctions, TitresFonctions)                                                     \
    X(DescripteursFonctions, LargeursFonctions)                                                   \
    X(Questions, QuestionsFonctions)

ETAT_GROUPE(TableFonctions, table_fonctions, CHAMPS_TABLE_FONCTIONS)
#define ETAT_INSTANCE_COURANTE table_fonctions
CHAMPS_TABLE_FONCTIONS(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

// Fills the rows of the functions that have one, and the two questions. Rows 1 to 4 and
// the questions come from the message tables, so refilling follows the current language.
void Init_TableFonctions();
// The question asked before a change of function empties a grid that holds rows, in the
// current language; true to go on.
bool Confirme_changement();

// The "$"-separated fields of a descriptor, each as stored: a final "$" ends the last
// field, and a last field without one still counts.
QStringList Champs(const QString& descripteur);

// The number of grid columns of a function, column 0 included; 0 when it has no row.
int NombreColonnes(short fonction);

} // namespace Declarations
