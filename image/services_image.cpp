#include "image/services_image.h"

#include <cmath>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/etat_image.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"

namespace Gen {

QString Cherche_image(QString& chemin) {
    RepAncien = RepImage;
    if (!Fichier_existe(chemin)) {
        const QString autre = RepImage + '/' + Nom_fichier(chemin);
        if (!Fichier_existe(autre)) Prompts::msgBox(Nom_fichier(chemin) + Lib_Langue[209], Prompts::OkOnly);
        chemin = autre;
    }
    return chemin;
}

void Ouvre_image() {}
void Colle_image_presse_papier() {}

void Init_calibrages() {
    for (double& c : CalibrageImage) c = 1.0;
}

void Copie_ecran(const QString&, float) {}

} // namespace Gen

