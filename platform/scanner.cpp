// The scanner layer over SANE: opened on first use, closed at the program's end; a source
// is opened for each acquisition, set to colour or grey, read frame by frame and closed.
#include "platform/scanner.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <sane/sane.h>
#include <sane/saneopts.h>
}

namespace Scanner {
namespace {

bool ouvert = false;

QString Texte_etat(SANE_Status s) { return QString::fromLocal8Bit(sane_strstatus(s)); }

bool Ouvre_sane(QString* raison) {
    if (ouvert) return true;
    SANE_Int version = 0;
    const SANE_Status s = sane_init(&version, nullptr);
    if (s != SANE_STATUS_GOOD) {
        if (raison) *raison = Texte_etat(s);
        return false;
    }
    ouvert = true;
    static const bool fin_prevue = [] { return std::atexit(&fermer) == 0; }();
    (void)fin_prevue;
    return true;
}

// The source's scan mode set to colour or grey, when it offers that mode.
void Choisit_mode(SANE_Handle h, Mode mode) {
    SANE_Int nombre = 0;
    if (!sane_get_option_descriptor(h, 0) ||
        sane_control_option(h, 0, SANE_ACTION_GET_VALUE, &nombre, nullptr) != SANE_STATUS_GOOD)
        return;
    const char* voulu = mode == Mode::Couleur ? SANE_VALUE_SCAN_MODE_COLOR : SANE_VALUE_SCAN_MODE_GRAY;
    for (SANE_Int i = 1; i < nombre; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(h, i);
        if (!d || !d->name || std::strcmp(d->name, SANE_NAME_SCAN_MODE) != 0) continue;
        if (d->type != SANE_TYPE_STRING || d->constraint_type != SANE_CONSTRAINT_STRING_LIST ||
            !SANE_OPTION_IS_ACTIVE(d->cap) || !SANE_OPTION_IS_SETTABLE(d->cap))
            return;
        for (const SANE_String_Const* v = d->constraint.string_list; v && *v; ++v) {
            if (std::strcmp(*v, voulu) != 0) continue;
            std::vector<char> valeur(std::max<size_t>(size_t(std::max(d->size, 0)), std::strlen(voulu) + 1), '\0');
            std::strcpy(valeur.data(), voulu);
            SANE_Int info = 0;
            sane_control_option(h, i, SANE_ACTION_SET_VALUE, valeur.data(), &info);
            return;
        }
        return;
    }
}

// One frame as the device sent it.
struct Trame {
    SANE_Parameters p;
    QByteArray donnees;
    int lignes() const { return p.bytes_per_line > 0 ? int(donnees.size() / p.bytes_per_line) : 0; }
};

// Sample i of a row, on the 0-255 scale; a 1-bit grey sample of 1 is black.
int Echantillon(const uchar* ligne, int i, const SANE_Parameters& p) {
    switch (p.depth) {
    case 1: {
        const int bit = (ligne[i >> 3] >> (7 - (i & 7))) & 1;
        return p.format == SANE_FRAME_GRAY ? (bit ? 0 : 255) : (bit ? 255 : 0);
    }
    case 16: {
        quint16 v;
        std::memcpy(&v, ligne + 2 * i, 2);  // the host's byte order
        return v >> 8;
    }
    default:
        return ligne[i];
    }
}

// The frames as one 32-bit RGB picture: one grey or RGB frame, or three single-colour ones.
QImage Image_des_trames(const std::vector<Trame>& trames, QString& erreur) {
    if (trames.empty()) return QImage();
    const int largeur = trames.front().p.pixels_per_line;
    int hauteur = trames.front().lignes();
    for (const Trame& t : trames) hauteur = std::min(hauteur, t.lignes());
    if (largeur <= 0 || hauteur <= 0) {
        erreur = QStringLiteral("the device sent no picture");
        return QImage();
    }
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    if (image.isNull()) {
        erreur = QStringLiteral("not enough memory for the picture");
        return image;
    }
    image.fill(Qt::black);
    for (const Trame& t : trames) {
        if (t.p.depth != 1 && t.p.depth != 8 && t.p.depth != 16) {
            erreur = QStringLiteral("samples of %1 bits are not read").arg(t.p.depth);
            return QImage();
        }
        for (int y = 0; y < hauteur; ++y) {
            const uchar* ligne = reinterpret_cast<const uchar*>(t.donnees.constData()) + qint64(y) * t.p.bytes_per_line;
            QRgb* sortie = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < largeur; ++x) {
                QRgb& c = sortie[x];
                switch (t.p.format) {
                case SANE_FRAME_GRAY: {
                    const int g = Echantillon(ligne, x, t.p);
                    c = qRgb(g, g, g);
                    break;
                }
                case SANE_FRAME_RGB:
                    c = qRgb(Echantillon(ligne, 3 * x, t.p), Echantillon(ligne, 3 * x + 1, t.p),
                             Echantillon(ligne, 3 * x + 2, t.p));
                    break;
                case SANE_FRAME_RED:
                    c = qRgb(Echantillon(ligne, x, t.p), qGreen(c), qBlue(c));
                    break;
                case SANE_FRAME_GREEN:
                    c = qRgb(qRed(c), Echantillon(ligne, x, t.p), qBlue(c));
                    break;
                case SANE_FRAME_BLUE:
                    c = qRgb(qRed(c), qGreen(c), Echantillon(ligne, x, t.p));
                    break;
                }
            }
        }
    }
    return image;
}

// Reads every frame of one acquisition from an open source.
Resultat Lit(SANE_Handle h) {
    Resultat r;
    std::vector<Trame> trames;
    std::vector<SANE_Byte> tampon(1 << 16);
    const auto arret = [&r](SANE_Status s) {
        if (s == SANE_STATUS_CANCELLED) r.annule = true;
        else r.erreur = Texte_etat(s);
        return r;
    };
    for (;;) {
        SANE_Status s = sane_start(h);
        if (s != SANE_STATUS_GOOD) return arret(s);
        Trame t{};
        s = sane_get_parameters(h, &t.p);
        if (s != SANE_STATUS_GOOD) return arret(s);
        // A hand scanner does not know its height (-1): the rows come until the end.
        if (t.p.lines > 0 && t.p.bytes_per_line > 0) t.donnees.reserve(qint64(t.p.lines) * t.p.bytes_per_line);
        for (;;) {
            SANE_Int lus = 0;
            s = sane_read(h, tampon.data(), SANE_Int(tampon.size()), &lus);
            if (lus > 0) t.donnees.append(reinterpret_cast<const char*>(tampon.data()), lus);
            if (s == SANE_STATUS_EOF) break;
            if (s != SANE_STATUS_GOOD) return arret(s);
        }
        const bool derniere = t.p.last_frame;
        trames.push_back(std::move(t));
        if (derniere || trames.size() >= 3) break;
    }
    r.image = Image_des_trames(trames, r.erreur);
    return r;
}

class PiloteSane : public Pilote {
public:
    QList<Source> sources(QString* raison) override {
        QList<Source> liste;
        if (!Ouvre_sane(raison)) return liste;
        const SANE_Device** appareils = nullptr;
        const SANE_Status s = sane_get_devices(&appareils, SANE_FALSE);
        if (s != SANE_STATUS_GOOD) {
            if (raison) *raison = Texte_etat(s);
            return liste;
        }
        for (int i = 0; appareils && appareils[i]; ++i) {
            const SANE_Device* a = appareils[i];
            const auto texte = [](const char* c) { return c ? QString::fromLocal8Bit(c) : QString(); };
            liste.append({texte(a->name), (texte(a->vendor) + QLatin1Char(' ') + texte(a->model) +
                                           QStringLiteral(" (") + texte(a->type) + QLatin1Char(')')).trimmed()});
        }
        return liste;
    }

    Resultat acquerir(const QString& nom, Mode mode) override {
        Resultat r;
        if (!Ouvre_sane(&r.erreur)) return r;
        SANE_Handle h = nullptr;
        const QByteArray n = nom.toLocal8Bit();
        const SANE_Status s = sane_open(n.constData(), &h);
        if (s != SANE_STATUS_GOOD) {
            r.erreur = Texte_etat(s);
            return r;
        }
        Choisit_mode(h, mode);
        r = Lit(h);
        // Ends the acquisition, whole or broken off, before the source is closed.
        sane_cancel(h);
        sane_close(h);
        return r;
    }
};

PiloteSane pilote_sane;
Pilote* pilote = &pilote_sane;

} // namespace

QList<Source> sources(QString* raison) { return pilote->sources(raison); }

Resultat acquerir(const QString& nom, Mode mode) { return pilote->acquerir(nom, mode); }

void fermer() {
    if (!ouvert) return;
    sane_exit();
    ouvert = false;
}

Simule::Simule() : precedent_(pilote) { pilote = this; }
Simule::~Simule() { pilote = precedent_; }

QList<Source> Simule::sources(QString*) { return liste; }

Resultat Simule::acquerir(const QString& nom, Mode mode) {
    demandes.append({nom, mode});
    if (resultats.empty()) return {QImage(), false, QStringLiteral("no answer left")};
    Resultat r = std::move(resultats.front());
    resultats.pop_front();
    return r;
}

} // namespace Scanner
