// The pure readers of the colour files: lines in, what they hold out, no state touched.
#include "base/gen.h"
#include "base/vb.h"
#include "colour/lecture_couleur_analyse.h"

namespace Vistrane {

namespace {

bool Vide(const QString& ligne) { return ligne.trimmed().isEmpty(); }

// "1" or any other non-zero number is True; so are the words "true" and "vrai" in any case.
bool Valeur_logique(const QString& texte) {
    const QString t = texte.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("vrai"), Qt::CaseInsensitive) == 0)
        return true;
    try {
        return Gen::Val_decimal(t) != 0;
    } catch (const Vb::Erreur&) {
        return true;  // a number beyond the doubles is no zero
    }
}

} // namespace

LectureNuancier Analyse_nuancier(const QStringList& lignes) {
    LectureNuancier l;
    qsizetype i = 0;
    // The header's notes are the user's text, "liste=" or "calibragecol=" included:
    // nothing between the NOTES key line and the line that is FINNOTES is read (a note
    // may name the word), unless that line was lost, when the header is read as a whole.
    for (const bool sauteNotes : {true, false}) {
        bool notes = false;
        for (i = 0; i < lignes.size(); ++i) {
            const QString& ligne = lignes[i];
            if (Vide(ligne)) continue;
            const QString cle = ligne.contains(QLatin1Char('=')) ? ligne.section(QLatin1Char('='), 0, 0).trimmed().toUpper() : QString();
            if (notes) {
                notes = ligne.trimmed().compare(QLatin1String("FINNOTES"), Qt::CaseInsensitive) != 0;
                continue;
            }
            if (sauteNotes && cle == QLatin1String("NOTES")) notes = true;
            if (ligne.contains(QLatin1String("CALIBRAGECOL="), Qt::CaseInsensitive)) {
                l.calibrageVu = true;
                l.calibrage = Valeur_logique(ligne.mid(ligne.indexOf(QLatin1Char('=')) + 1));
            }
            // Only the key line starts the list.
            if (cle == QLatin1String("LISTE")) {
                l.liste = true;
                ++i;
                break;
            }
        }
        if (l.liste || !notes) break;
        l = LectureNuancier();
    }
    if (!l.liste) return l;
    for (; i < lignes.size(); ++i) {
        if (Vide(lignes[i])) continue;
        const QStringList champs = lignes[i].split(QLatin1Char(';'));
        const qsizetype u = champs.size() - 1;
        if (u < 6 || l.nuances.size() >= NbCouleursMax) {
            l.lignesIgnorees.push_back(int(i + 1));
            continue;
        }
        NuanceLue n;
        try {
            for (int j = 1; j <= 6; ++j) n.valeurs[j] = float(Gen::Val_decimal(champs[j]));
        } catch (const Vb::Erreur&) {
            // A value beyond the doubles: no colour stands for the row.
            l.lignesIgnorees.push_back(int(i + 1));
            continue;
        }
        n.nom = champs[u - 1];
        l.nuances.push_back(n);
    }
    return l;
}

LectureRef Analyse_fichier_ref(const QStringList& lignes, short compte) {
    LectureRef l;
    l.nbMesures = compte;
    qsizetype i = 0;
    const qsizetype n = lignes.size();
    try {
        while (i < n) {
            const QString ligne = lignes[i++];
            if (Vide(ligne)) continue;
            const qsizetype egal = ligne.indexOf(QLatin1Char('='));
            if (egal < 0) continue;
            const QString cle = ligne.left(egal).trimmed().toUpper();
            const QString valeur = ligne.mid(egal + 1).trimmed();
            if (cle == QLatin1String("NBMESURES")) {
                l.nbMesures = Vb::CInt(Vb::Val(valeur));
                l.nbMesuresVu = true;
            } else if (cle == QLatin1String("LISTE")) {
                int f = 0;
                while (f < l.nbMesures && i < n) {
                    const QStringList champs = lignes[i++].split(QLatin1Char(';'));
                    const qsizetype u = champs.size() - 1;
                    if (u <= 1) break;
                    // Rows 1 to 255 and fields 0 to 9 fit the table; a file beyond is refused.
                    if (f + 1 > 255 || u > 10) throw Vb::Erreur(Vb::ErrIndice, "Subscript out of range");
                    LigneRef r;
                    r.ligne = ++f;
                    r.colonnes = int(u);
                    for (qsizetype j = 0; j < u; ++j) r.valeurs[j + 1] = Gen::Val_decimal(champs[j]);
                    r.valeurs[1] = f;
                    l.lignes.push_back(r);
                }
                l.lues = f;
            }
        }
    } catch (const Vb::Erreur&) {
        l.faute = true;
        l.lues = 0;
    }
    return l;
}

} // namespace Vistrane
