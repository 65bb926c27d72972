#include "grid/grille_affichage.h"

#include "base/messages.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "platform/prompts.h"

namespace Gen {

void Couleur_grille() {
    const long vert = CouleurGrille;
    for (int c = 1; c < GrilleRef.Cols(); ++c)
        for (int r = 1; r < GrilleRef.Rows(); ++r) GrilleRef.setCellBackColorAt(r, c, vert);
}

QString Texte_cellule(short row, short col) {
    GrilleRef.setRow(row);
    GrilleRef.setCol(col);
    return GrilleRef.Text();
}

} // namespace Gen

namespace Mstat {

void Recopie_Grille(short derniere) {
    if (NumFonction == 0) return;
    const int colonnes = std::min(GrilleRef.Cols(), MGrille.Cols());
    for (int c = 0; c < colonnes; ++c) MGrille.setTextMatrix(0, c, GrilleRef.TextMatrix(0, c));
    const int k = derniere - MGrille.Rows();
    for (int r = 1; r < MGrille.Rows(); ++r) {
        const int source = k < 0 ? r : k + 1 + r;
        // A row the grid does not have stops the copy; what was copied stays.
        if (source < 0 || source >= GrilleRef.Rows()) {
            Prompts::msgBox(Lib_Langue[101] + QStringLiteral("107") + QStringLiteral(" erreur grille  ") +
                                QString::number(r),
                            Prompts::OkOnly);
            return;
        }
        for (int c = 0; c < colonnes; ++c) MGrille.setTextMatrix(r, c, GrilleRef.TextMatrix(source, c));
    }
}

} // namespace Mstat
