#pragma once
// The pure reader of the calibration file "Tavl.Cal": lines in, the saved calibrations
// out. It touches no state, so it runs on its own.
#include <QString>
#include <QStringList>
#include <vector>

#include "base/analyse.h"

namespace FichierCalibrage {

// One line holding "=": a comment, the first "=", then the coefficient.
struct Entree {
    int ligne = 0;             // 1-based line of the file
    QString texte;             // the line as read, as the list shows it
    QString valeurTexte;       // what follows the first "=", without the blanks around it
    bool valable = false;      // that text is wholly a coefficient (Gen::Coefficient_valable)
    double valeur = 0;         // the number, when valable
};

struct Lecture {
    std::vector<Entree> entrees;        // in the file's order; blank lines and lines without "=" skipped
    Analyse::Problemes problemes;       // the entries whose value is no coefficient
};

// The comment and value of one line (the value part is everything after the first "=",
// so a second "=" makes it no number). A value is read with a comma or a point as the
// decimal separator, whatever the locale, and must be a coefficient the program takes.
Entree Analyse_entree(const QString& ligne);
// Reads the lines of the file.
Lecture Analyse_fichier(const QStringList& lignes);

} // namespace FichierCalibrage
