// Clearing the grid, its statistics and the measurement records.
#include "grid/effacement.h"

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "platform/prompts.h"
#include "base/rappels.h"

namespace {

// Empties rows 1 to Rows - 1, columns 1 to Cols - 1: titles and row numbers stay.
void Vider_valeurs(Grille& g, bool peindre) {
    const long vert = CouleurGrille;
    for (int r = 1; r < g.Rows(); ++r)
        for (int c = 1; c < g.Cols(); ++c) {
            g.setTextMatrix(r, c, QString());
            if (peindre) g.setCellBackColorAt(r, c, vert);
        }
}

} // namespace

namespace Gen {

bool Grille_tient_donnees() {
    // A first row still being filled has no row counted yet, and a pasted table may
    // start with a blank cell: either one is data.
    if (NbLignesGrille > 1) return true;
    return GrilleRef.Rows() > 1 && GrilleRef.Cols() > 1 && !GrilleRef.TextMatrix(1, 1).isEmpty();
}

bool RAZ_grille(short sans_question) {
    if (sans_question == 0 && Grille_tient_donnees()) {
        const int r = Prompts::msgBox(Lib_Langue[190] + QLatin1Char(' ') + Lib_Langue[188] + QStringLiteral(" ? "),
                                      Prompts::YesNo | Prompts::IconQuestion);
        if (r != Prompts::Yes) {
            ModeCalibrage = 0;
            return false;
        }
    }
    Vider_valeurs(GrilleRef, true);
    Vider_valeurs(MGrille, false);
    RAZ_grille_stat();
    ExtraitListe.clear();  // the extract named rows of the table that goes
    EtapeMesure = 1;
    NbLignesGrille = 1;
    PointEnCours = 0;
    // Counts taken for a surface under way would be added to the next one.
    Tav::instance()->TBox(6).Text = QStringLiteral("0");
    // Nothing of the item under way outlives its grid: a point pending, a pointing armed.
    Rappels::Termine_item();
    return true;
}

void RAZ_grille_stat() {
    Vider_valeurs(GrilleRefP, false);
    RAZ_stats();
}

void RAZ_stats() {
    for (int i = 0; i <= 8; ++i) {
        EffectifCol[i] = 0;
        Decile1Col[i] = 0;
        MedianeCol[i] = 0;
        Decile9Col[i] = 0;
    }
}

void RAZ_ligne_trame(short ligne) {
    if (ligne < 0 || ligne > TableMesuresMax) return;
    Trame(ligne) = LigneTrame();
}

void RAZ_trame() {
    // Every record goes: clearing may follow a grid reset that has already set the row
    // counter back to 1, and a record left behind would be saved with the next rows.
    for (int i = 0; i <= TableMesuresMax; ++i) RAZ_ligne_trame(short(i));
    ExtraitListe.clear();
    NbLignesGrille = 1;
    EtapeMesure = 1;
    PointEnCours = 0;
    Rappels::Retrace(0);
}

} // namespace Gen
