#pragma once
// Shared state grouped by owner. Each group is a plain struct whose default member
// initialisers are the start-up values; the reset assigns a default-built struct, so no
// variable can be forgotten. The fields keep their own names as global references, so
// the procedures read `NumFonction` as they always did.
//
// A group is written once as a list of fields, X(type, name, start-up value...), from
// which the struct, its references and its walk are all made:
//
//   #define CHAMPS_ETAT_GRILLE(X) \
//       X(short, NumFonction, 0)  /* current measurement function */ \
//       X(TableauFixe<double, 7>, ValeursLigne)
//   ETAT_GROUPE(EtatGrille, etat_grille, CHAMPS_ETAT_GRILLE)
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

// A fixed array indexed as the original's arrays were (declare one element more than
// the last index).
template <class T, std::size_t N>
using TableauFixe = std::array<T, N>;

namespace Etat {

// Walks every field of a group: one call per field, arrays element by element.
class Visiteur {
public:
    virtual ~Visiteur() = default;
    virtual void champ(const char* nom, short& v) = 0;
    virtual void champ(const char* nom, int& v) = 0;
    virtual void champ(const char* nom, long& v) = 0;
    virtual void champ(const char* nom, float& v) = 0;
    virtual void champ(const char* nom, double& v) = 0;
    virtual void champ(const char* nom, bool& v) = 0;
    virtual void champ(const char* nom, QString& v) = 0;
    virtual void champ(const char* nom, QStringList& v) = 0;
    virtual void champ(const char* nom, Liste& v) = 0;
    virtual void champ(const char* nom, Grille& v) = 0;
    virtual void champ(const char* nom, Controle& v) = 0;
    virtual void champ(const char* nom, TableauControles& v) = 0;
    virtual void champ(const char* nom, LigneTrame& v) = 0;
    virtual void champ(const char* nom, BoiteImage& v) = 0;

    template <class T, std::size_t N>
    void champ(const char* nom, std::array<T, N>& tableau) {
        for (auto& element : tableau) champ(nom, element);
    }
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

#define ETAT_DECLARE_CHAMP(type, nom, ...) type nom{__VA_ARGS__};
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
