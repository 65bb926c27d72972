#pragma once
// What the diagram view's tests share: a window opened on the diagram view, a series
// computed as the user computes typed text, and the summary's lines.
#include <QStringList>
#include <string>
#include <vector>

#include "base/etat_programme.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "statwin/fenhisto.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

class DiagrammeTest : public EtatPropre {
protected:
    void TearDown() override {
        FenHisto::decharger();
        EtatPropre::TearDown();
    }
    // The window loaded and activated on the diagram view.
    FenHisto& ouvrir() {
        StatDef = 3;
        FenHisto& f = *FenHisto::instance();
        f.Form_Activate();
        return f;
    }
    // Types a series and presses "Calcul" of the "texte" frame.
    static void calculer(FenHisto& f, const QString& serie) {
        f.MText3->setText(serie);
        f.MCommand3_Click(6);
    }
    // The summary's lines, without the date line.
    static QStringList resume(const FenHisto& f) {
        QStringList l = f.Texte_MText1().split(QStringLiteral("\r\n"));
        if (!l.isEmpty()) l.removeFirst();
        return l;
    }
    // The measurement grid with titled value columns 1.. and as many filled rows as the
    // longest column.
    static void grille(const QStringList& titres, const std::vector<QStringList>& colonnes) {
        GrilleRef.setCols(int(titres.size()) + 3);
        GrilleRef.setRows(std::max(TailleGrille + 1, 40));
        GrilleRef.Clear();
        int lignes = 0;
        for (int c = 0; c < int(titres.size()); ++c) {
            GrilleRef.setTextMatrix(0, c + 1, titres[c]);
            for (int r = 0; r < int(colonnes[size_t(c)].size()); ++r)
                GrilleRef.setTextMatrix(r + 1, c + 1, colonnes[size_t(c)][r]);
            lignes = std::max(lignes, int(colonnes[size_t(c)].size()));
        }
        NbLignesGrille = short(lignes + 1);
        NbColonnesStat = short(titres.size());
    }
};

// The built-in example series, and its 17 values once the one after the last ";" is dropped.
inline const QString Exemple = QStringLiteral("5,8;5,8;6;6;6;6;6;6,2;6,2;6,2;6,2;6,2;6,5;6,5;6,5;6,5;6,8;7,5");

// Texts as standard strings, so that a failure shows them readably.
inline std::string S(const QString& q) { return Vu_en_francais(q).toStdString(); }
inline std::vector<std::string> S(const QStringList& l) {
    std::vector<std::string> v;
    for (const QString& q : l) v.push_back(S(q));
    return v;
}
