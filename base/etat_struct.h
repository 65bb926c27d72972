#pragma once
// Shared state grouped by owner. Each group is a plain struct whose default member
// initialisers are the start-up values; the reset assigns a default-built struct, so no
// variable can be forgotten. The fields keep their own names as global references, so
// the procedures read `NumFonction` as they always did.
//
// A group is written once as a list of fields, X(type, name, start-up value...), from
// which the struct, its references and its walk are all made:
/*
     #define CHAMPS_ETAT_GRILLE(X) \
         X(short, NumFonction, 0)  // current measurement function \
         X(TableauFixe<double, 7>, ValeursLigne)
     ETAT_GROUPE(EtatGrille, etat_grille, CHAMPS_ETAT_GRILLE)
*/
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class Liste;
class Grille;
struct Controle;
class TableauControles;
struct LigneTrame;
class BoiteImage;

// A fixed array indexed from 0 to its last index, both included (declare one element
// more than the last index).
template <class T, std::size_t N>
using TableauFixe = std::array<T, N>;

namespace Etat {

// The types a field of a group (or a control of the measuring window) may have; each
// has its own call in Visiteur. To add a type: declare it above (or include its header
// if it is small), then add X(its type) here. The compiler then names every visitor that
// must learn it, the reset test's (which changes and reads every field) among them.
// Fixed arrays of these types need nothing more: they are walked element by element.
#define ETAT_TYPES_CHAMPS(X)                                                                 \
    X(short) X(int) X(long) X(float) X(double) X(bool) X(QString) X(QStringList) X(Liste)   \
    X(Grille) X(Controle) X(TableauControles) X(LigneTrame) X(BoiteImage)

// Walks every field of a group: one call per field, arrays element by element.
class Visiteur {
public:
    virtual ~Visiteur() = default;
#define ETAT_CHAMP_VIRTUEL(T) virtual void champ(const char* nom, T& v) = 0;
    ETAT_TYPES_CHAMPS(ETAT_CHAMP_VIRTUEL)
#undef ETAT_CHAMP_VIRTUEL

    template <class T, std::size_t N>
    void champ(const char* nom, std::array<T, N>& tableau) {
        for (auto& element : tableau) champ(nom, element);
    }
};

// A visitor made of one generic callable, f(name, field&), called for every field
// whatever its type: a new type in ETAT_TYPES_CHAMPS then only needs an overload of f.
template <class F>
class VisiteurDe : public Visiteur {
public:
    explicit VisiteurDe(F f) : f_(std::move(f)) {}
    using Visiteur::champ;
#define ETAT_CHAMP_TRANSMIS(T) void champ(const char* nom, T& v) override { f_(nom, v); }
    ETAT_TYPES_CHAMPS(ETAT_CHAMP_TRANSMIS)
#undef ETAT_CHAMP_TRANSMIS
private:
    F f_;
};

// One group known to the reset.
struct Groupe {
    const char* nom;
    std::function<void()> reinitialiser;          // back to the start-up values
    std::function<void(Visiteur&)> visiter;       // every field
    std::function<bool()> est_au_depart;          // holds the start-up values
};

// Registers a group; every group defined with ETAT_GROUPE is registered before main.
bool enregistrer(Groupe groupe);
const std::vector<Groupe>& groupes();
// Every registered group back to its start-up values.
void Reinitialise_groupes();

} // namespace Etat

// A start-up value may name only the members that differ (.Width = 9000): the others
// keep their own defaults, which is what the missing-initialiser warning is about.
#define ETAT_DECLARE_CHAMP(type, nom, ...)                                                    \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wmissing-field-initializers\"") \
    type nom{__VA_ARGS__};                                                                  \
    _Pragma("GCC diagnostic pop")
#define ETAT_VISITE_CHAMP(type, nom, ...) v.champ(#nom, nom);
#define ETAT_REFERENCE_CHAMP(type, nom, ...) inline type& nom = ETAT_INSTANCE_COURANTE.nom;

// The struct `Type`, its one instance `instance`, its registration, and a global
// reference named after each field.
#define ETAT_GROUPE(Type, instance, CHAMPS)                                                  \
    struct Type {                                                                           \
        CHAMPS(ETAT_DECLARE_CHAMP)                                                          \
        void visiter(Etat::Visiteur& v) { CHAMPS(ETAT_VISITE_CHAMP) }                       \
        bool operator==(const Type&) const = default;                                       \
    };                                                                                      \
    inline Type instance;                                                                   \
    inline const bool instance##_enregistre = Etat::enregistrer(                            \
        {#Type, [] { instance = Type{}; }, [](Etat::Visiteur& v) { instance.visiter(v); },  \
         [] { return instance == Type{}; }});
