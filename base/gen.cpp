#include "base/gen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/vb.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "platform/waits.h"

namespace Gen {

short Fichier_existe(const QString& path, const QString& message, short show) {
    QFile f(path);
    if (!path.isEmpty() && QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly)) return -1;
    if (show != 1) return 0;
    // A file that is there but cannot be read (another user's, a folder) is not missing:
    // the user is told so, with its path.
    if (!path.isEmpty() && QFileInfo::exists(path))
        Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + path, Prompts::OkOnly);
    else
        Prompts::msgBox(message.isEmpty() ? path + ' ' + Lib_Langue[177] : message, Prompts::OkOnly);
    return 0;
}

void Pause(double seconds) { Waits::pause(seconds); }

QString Dir_sur(const QString& pattern) {
    if (pattern.isEmpty()) return QString();
    QString p = pattern;
    p.replace('\\', '/');
    const QFileInfo info(p);
    QDir dir = info.dir();
    const QString mask = info.fileName();
    if (!mask.contains('*') && !mask.contains('?'))
        return info.isFile() ? info.fileName() : QString();
    // One short retry covers a folder that is still appearing (a copy in progress).
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QStringList found = dir.entryList({mask}, QDir::Files, QDir::Name);
        if (!found.isEmpty()) return found.first();
        if (dir.exists()) break;
        Waits::pause(1.0);
    }
    return QString();
}

void Prepare_doc_pdf() {
    DocPdfPrete = 0;
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString doc = temp + "/Doc_fr.pdf";  // where the help menu copies the document
    if (QFileInfo(doc).isFile()) DocPdfPrete = -1;
}

QString Document_aide(const QString& prefixe) {
    return Chemin_programme(prefixe + CodeLangue + QStringLiteral(".pdf"));
}

void Ouvre_aide_pdf() {
    const QString chemin = Document_aide(QStringLiteral("Tavl2_"));
    if (Fichier_existe(chemin, QString(), 1)) ShellOpen::open(chemin);
}

QString Chemin_donnees(const QString& name) {
    return QDir(RepData.isEmpty() ? RepProg : RepData).filePath(name);
}

QString Chemin_programme(const QString& name) { return QDir(RepProg).filePath(name); }

} // namespace Gen
