#include "base/etat_demarrage.h"

#include <QCoreApplication>

QString Dossier_application() {
    return DossierApplication.isEmpty() ? QCoreApplication::applicationDirPath() : DossierApplication;
}
