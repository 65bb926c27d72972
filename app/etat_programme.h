#pragma once
// Shared settings given their start-up values by BGr::Init_programme. Flags are 16-bit
// integers holding 0 (False) or -1 (True), as every reader expects.
#include <QString>
#include <QStringList>

inline short StatDef = 0;            // default view of the statistics window (1 to 4)
inline QString CodeLangue;           // language code: fr, it, es, de, en
inline QString FormatDecimal;        // format pattern of measured values
inline short InitFaite = 0;          // the picture accepts measuring clicks
inline short ModeCalibrage = 0;      // calibration pointing under way
inline short MemoClesAffiche = 0;    // the key memo is shown
inline short AvertissementAccepte = 0;
inline QString FichierSource;        // last measurement file read
inline QString ExtExport;            // extension of results exports
inline short ModePoly = 0;           // a measure was started with the polygon check box
inline int CouleursTrace[2] = {0, 0};  // drawing colours, as 16-colour palette indexes
inline short TailleGrille = 0;       // capacity of the measurement grid: 64, 128 or 256
inline short ToucheZoom = 0;
inline short ToucheDeplacement = 0;
inline short ZoomActif = 0;          // the view follows zoom and offsets
inline short LoupeFigee = 0;
inline short ModeComptage = 0;       // count mode on
inline short LoupeVisible = 0;
inline short ModeDeplace = 0;
inline short ToucheAlt = 0;
inline double KZoomCal = 0;          // calibration scale factor
inline short IndResolution = 0;      // calibration independent of the image resolution
inline int OrigineX = 0, OrigineY = 0;  // offset of the displayed part of the image
inline short TolClic = 0;            // click tolerance, screen pixels
inline double RapportZoom = 0;       // zoom ratio per level
inline short PasZoom = 0;
inline short NiveauZoom = 0;
inline double FacteurZoom = 0;       // RapportZoom ^ NiveauZoom
inline short ToucheV = 0;
inline QString SautLigne;            // line end of every result text and written file
inline short LargeurVignette = 0, TailleLoupeEcran = 0, DemiLoupeEcran = 0;
inline short ZoneLoupe = 0, DemiZoneLoupe = 0;
inline short TraceOrigine = 0, TraceEnCours = 0, TraceLargeur = 0, TraceSecondPoint = 0;
inline short ModeDeuxAxes = 0;
inline short AutoRetrace = 0;
inline short ModePalmer = 0;         // 2: a width step follows the length; 1: length only
inline short DemiGuideDefaut = 0, DemiGuide = 0;
inline double CalibrageActuel = 0;   // microns per image pixel
inline short ImageRestauree = 0;
inline short PositionPanneau = 0;
inline short IllusTexte = 0;
inline short SauveAuto = 0;          // automatic save every 0, 10 or 20 measurements
inline short AutoPdms = 0;           // the diagram also computes the dominant value
inline short IllusReference = 0;
inline QString FicNuancier, FicEtalon, FicScanner;
inline short IndexZoneCouleur = 0;
inline short CorrectionPrete = 0;
inline QString FichierCSVImporte;
inline short ReferenceSurImage = 0;
inline short ImageRefPrete = 0;
inline QStringList TabExtImage;
inline short FormatImage = 0;
inline short LargeurRefAbsente = 0;
