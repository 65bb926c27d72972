#pragma once
// The settings file "Tavl.dat" read as text: one setting per "KEY = value" line, each
// value checked against its setting's domain. Nothing here touches the settings; the
// reading of app/ applies what this gives, in file order, so the last of two lines wins.
#include <QStringList>
#include <vector>

#include "base/analyse.h"

namespace FichierParametres {

enum class Cle {
    Utilisateur, Langue, Calibrage, FonctionDemarrage, RepImage, RepData, Indpres, FDecimal,
    DecimAuto, Avert, AutoRetrace, Palmer, StatDef, Clic, TGrille, SavAuto, ExtImg, CoulRef,
    RefNuancier, ZoneCouleur, FicEtalon, FEtalonCouleur, FicScanner,
};

// A yes-or-no value as the file writes it: "VRAI", "FAUX" (in any case), or other text.
enum class OuiNon { Vrai, Faux, Autre };

struct Reglage {
    Cle cle = Cle::Utilisateur;
    int ligne = 0;
    QString texte;          // the value as written, trimmed (names, folders, patterns)
    double nombre = 0;      // Calibrage
    short entier = 0;       // FonctionDemarrage, StatDef, TGrille, SavAuto, ExtImg, ZoneCouleur;
                            // Clic: the tolerance in tenths
    OuiNon oui_non = OuiNon::Autre;  // Indpres, DecimAuto, Avert, AutoRetrace, Palmer, FEtalonCouleur
};

struct Lecture {
    std::vector<Reglage> reglages;
    // Values outside their setting's domain: their line is passed over.
    Analyse::Problemes problemes;
};

// Reads the lines of a settings file (without their line ends). A line without "=",
// a key of no setting (REPPROG, CORRECTIONRVB, ...) and a blank line give nothing.
Lecture Analyse_parametres(const QStringList& lignes);

} // namespace FichierParametres
