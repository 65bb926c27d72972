#pragma once
// What the grid asks of the picture side, which lies above it: the image handling, the
// measuring and the colour part each install their procedures here at start-up. Until
// then each does nothing (or hands back what it was given), so the grid and its files
// work on their own, with no picture.
#include <QString>
#include <functional>

#include "base/item_mesure.h"

class QImage;

namespace Rappels {

// --- the shell
// Lays the measuring window out for a window state (0 normal, 1 minimised, 2 maximised).
inline std::function<void(short)> Dispose_zone_image = [](short) {};
// Places the control panel at its position around the view.
inline std::function<void()> Position_panneau = [] {};

// --- image handling
// Shows the first picture of the image list with its own coefficient; when it has no name
// or cannot be shown, shows none (number 0, the coefficient of slot 0). True when shown.
inline std::function<bool()> Montre_premiere_image = [] { return false; };
// The stored path when the file exists, else the image folder + its name; replaces the argument.
inline std::function<QString(QString&)> Cherche_image = [](QString& chemin) { return chemin; };
// The display scale and the resolution factor that picture `numero` is measured with;
// they come in as those in force.
inline std::function<void(short, double&, double&)> Echelle_image = [](short, double&, double&) {};
// Repaints the view at a zoom level.
inline std::function<void(short&)> Affiche_vue = [](short&) {};

// --- measuring
inline std::function<void(short)> Retrace = [](short) {};
inline std::function<void(short)> PasCalibr = [](short) {};
inline std::function<void()> Restaure_image = [] {};
inline std::function<void()> RAZ_etats_trace = [] {};
// Whether a command runs while the user is in the middle of an item: refused with the
// flash " mesure inachevée", taken, or the item ended first (measure/item_en_cours.h).
inline std::function<bool(Item::Commande)> Commande_permise = [](Item::Commande) { return true; };
// Ends whatever item is under way; every clearing of the grid calls it.
inline std::function<void()> Termine_item = [] {};
// A length in image pixels in microns, and the distance between two points in image pixels.
inline std::function<double(int)> Pixels_en_microns = [](int) { return 0.0; };
inline std::function<double(int, int, int, int)> Distance_points = [](int, int, int, int) { return 0.0; };
// A press (1) or a release (0) on the picture: view point, button.
inline std::function<void(int, int, short&, short)> Clic_Mesure = [](int, int, short&, short) {};
inline std::function<void(int, int)> Croix_Image = [](int, int) {};

// --- statistics window
// Puts in `image` the picture of its diagram (context 2) or of its plot (3), for a copy of
// the work area; false when the window has none.
inline std::function<bool(float, QImage&)> Zone_statistiques = [](float, QImage&) { return false; };
// The name of the plot shown, "Histogramme." or "Nuage.", for a copy's default name.
inline std::function<QString()> Nom_trace_statistiques = [] { return QString(); };

// --- colour
inline std::function<void()> Init_Couleur = [] {};
inline std::function<void()> Ecrit_nuancier_scanner = [] {};
// A press on the picture while the chart frame is shown: the full-size picture of the view
// and the point in view units.
inline std::function<void(const QImage&, double, long)> Mesure_Zone = [](const QImage&, double, long) {};

} // namespace Rappels
