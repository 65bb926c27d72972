#include "app/etat.h"

#include <QCoreApplication>

#include "app/aide.h"
#include "app/disposition.h"
#include "app/etat_demarrage.h"
#include "app/etat_programme.h"
#include "app/messages.h"
#include "app/parametres.h"
#include "colour/etat_couleur.h"
#include "grid/commentaires.h"
#include "grid/etat_grille.h"
#include "grid/grilles.h"
#include "grid/rapport.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"

QString Dossier_application() {
    return DossierApplication.isEmpty() ? QCoreApplication::applicationDirPath() : DossierApplication;
}

namespace {
template <class T, size_t N>
void vider(T (&tableau)[N]) {
    for (auto& x : tableau) x = T{};
}
} // namespace

namespace Etat {

void Valeurs_de_chargement() {
    // Settings given by the start-up.
    StatDef = 0; CodeLangue.clear(); FormatDecimal.clear(); InitFaite = 0; ModeCalibrage = 0;
    MemoClesAffiche = 0; AvertissementAccepte = 0; FichierSource.clear(); ExtExport.clear();
    ModePoly = 0; vider(CouleursTrace); TailleGrille = 0; ToucheZoom = 0; ToucheDeplacement = 0;
    ZoomActif = 0; LoupeFigee = 0; ModeComptage = 0; LoupeVisible = 0; ModeDeplace = 0;
    ToucheAlt = 0; KZoomCal = 0; IndResolution = 0; OrigineX = 0; OrigineY = 0; TolClic = 0;
    RapportZoom = 0; PasZoom = 0; NiveauZoom = 0; FacteurZoom = 0; ToucheV = 0; SautLigne.clear();
    LargeurVignette = 0; TailleLoupeEcran = 0; DemiLoupeEcran = 0; ZoneLoupe = 0; DemiZoneLoupe = 0;
    TraceOrigine = TraceEnCours = TraceLargeur = TraceSecondPoint = 0; ModeDeuxAxes = 0;
    AutoRetrace = 0; ModePalmer = 0; DemiGuideDefaut = 0; DemiGuide = 0; CalibrageActuel = 0;
    ImageRestauree = 0; PositionPanneau = 0; IllusTexte = 0; SauveAuto = 0; AutoPdms = 0;
    IllusReference = 0; FicNuancier.clear(); FicEtalon.clear(); FicScanner.clear();
    IndexZoneCouleur = 0; CorrectionPrete = 0; FichierCSVImporte.clear(); ReferenceSurImage = 0;
    ImageRefPrete = 0; TabExtImage.clear(); FormatImage = 0; LargeurRefAbsente = 0;

    // Start-up routine.
    RepImage.clear(); RepData.clear(); RepProg.clear(); NomUtilisateur.clear();
    DiviseurEchelle = 0; ToucheModeVue = 0; ModeStatSeul = 0; ActivationFaite = 0; DocPdfPrete = 0;

    // Grid counters, records and extract.
    NumFonction = 0; NbLignesGrille = 0; EtapeMesure = 0; PointEnCours = 0; NbValeursLigne = 0;
    CapacitePoints = 0; NbColonnesStat = 0; FinClicDroit = 0; LigneDerniereMesure = 0;
    EtapeDerniereMesure = 0; vider(ValeursLigne); vider(TableMesures); ExtraitListe.clear();
    vider(ValeursEtapes); NomFonction.clear();
    vider(EffectifCol); vider(Decile1Col); vider(MedianeCol); vider(Decile9Col);
    GrilleRef = Grille();
    GrilleRefP = Grille();
    MGrille = Grille();

    // Image handling.
    NomImageActive.clear(); IndexImageActive = 0; EchelleAffichage = 0; vider(ImageMC);
    RepAncien.clear(); ListIMGchar.Clear(); ListImgAff.Clear(); ListImgIdx.Clear(); ListImgMC.Clear();

    // Measuring.
    vider(CalibrageImage); TypeCalibrage = 0; NbMesuresCalibrage = 0; ModeDensite = 0;
    ChoixPopSegment = 0; PolygoneCercles = 0; LongueurPixels = 0; ModePolygone = 0;

    // Colour.
    FicCoulRef.clear(); SauveNuancier = 0; SauveScanner = 0; vider(RVBMesure); vider(LabCouleur);
    TailleZone = 0;

    // Message tables.
    vider(Lib_Langue); vider(Lib_Stat); vider(Lib_MenuStat); vider(Lib_Menu); vider(Lib_Couleur);

    // Settings file, help texts, layout and menus.
    FonctionDemarrage = 0; DecimalesAuto = 0; AutoRetraceParam = 0; AvertissementAffiche = 0;
    RapportVue = 0; LargeurVueInitiale = 0; LargeurVueCourante = 0;
    EtalonCouleur = 0; NbMesuresEtalon = 0; NbMesuresScanner = 0;
    ModeTriangle = 0; ComptageEnCours = 0; ClicArme = 0; EpaisseurTrait = 0; FonctionRep = 0;

    // Comment frame and results report.
    ModeCommentaire = 0; SaisieCommentaire = 0; FichierResultats.clear();
}

} // namespace Etat
