#pragma once
// Scanners and cameras, through SANE: the sources offered, and the acquisition of one
// picture in colour or in grey. SANE is opened on first use and closed at the program's
// end. Tests put a scanner of their own in place to make an acquisition fail or be cancelled.
#include <QImage>
#include <QList>
#include <QString>
#include <deque>

namespace Scanner {

// A source: the name to open it by, and what the user is shown of it.
struct Source {
    QString nom;
    QString description;
};

enum class Mode { Couleur, Gris };

// One acquisition: the picture, or why there is none (cancelled by the user or the
// device, or failed with a reason).
struct Resultat {
    QImage image;
    bool annule = false;
    QString erreur;
    bool reussi() const { return !image.isNull(); }
};

// The sources found; an empty list with the reason when SANE cannot start.
QList<Source> sources(QString* raison = nullptr);
// Acquires one picture (a whole page, or every frame of a three-pass device) from a source.
Resultat acquerir(const QString& nom, Mode mode);
// Closes SANE; the next call opens it again.
void fermer();

// What stands behind the functions above.
class Pilote {
public:
    virtual ~Pilote() = default;
    virtual QList<Source> sources(QString* raison) = 0;
    virtual Resultat acquerir(const QString& nom, Mode mode) = 0;
};

// While one is alive, it answers in SANE's place: its sources, then each acquisition the
// next result queued (a failure when none is left), recording what was asked.
class Simule : public Pilote {
public:
    Simule();
    ~Simule() override;
    Simule(const Simule&) = delete;
    Simule& operator=(const Simule&) = delete;

    QList<Source> liste;
    std::deque<Resultat> resultats;
    struct Demande {
        QString nom;
        Mode mode;
    };
    QList<Demande> demandes;

    QList<Source> sources(QString* raison) override;
    Resultat acquerir(const QString& nom, Mode mode) override;

private:
    Pilote* precedent_ = nullptr;
};

} // namespace Scanner
