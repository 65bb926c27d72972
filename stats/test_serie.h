#pragma once
// The two one-sample tests of the statistics window's tests panel: the homogeneity test
// ("Test de Möls", code 2) and the Shapiro-Wilk normality test (code 3), with their
// common driver.
//
// The driver knows no window. The tests panel hands it what its controls hold (the
// series box MText3, the "Log-normale" option Option3(1), the risk box Ttxt2(3)) in an
// Entree_Test, and shows what comes back in the Sortie_Test: when Resultat_Change is
// true, the result label Tlabel1(code) takes Resultat; otherwise the label keeps its
// text (the series was refused, and the refusal reported through Signale).
#include <QString>
#include <vector>

namespace Mstat {

inline constexpr short Code_Homogeneite = 2;
inline constexpr short Code_Shapiro_Wilk = 3;

struct Entree_Test {
    short Code = 0;            // Code_Homogeneite or Code_Shapiro_Wilk
    QString Serie;             // values each followed by ";" (decimal comma or point)
    bool Log_Normale = false;  // Shapiro-Wilk on the natural logarithms of the values
    QString Risque;            // Shapiro-Wilk risk, in percent ("5")
};

struct Sortie_Test {
    bool Resultat_Change = false;
    QString Resultat;  // homogeneity: lines joined by CR LF; Shapiro-Wilk: by CR
};

// Reads the series (pieces after the last ";" and empty pieces are not values; a piece
// that is no number counts as 0), refuses 4 values or fewer with "nb de mesures
// insuffisant", and runs the test. A series the test cannot treat (all values equal,
// sums beyond the doubles, a value <= 0 under "Log-normale") gives the message "données
// incorrectes", and a Shapiro-Wilk risk outside 0..100 % the message "risque =", the
// risk and "données incorrectes"; either leaves the result label as it was.
Sortie_Test Lance_Test(const Entree_Test& entree);

// A Shapiro-Wilk risk as the risk box holds it: a number of percent strictly between 0
// and 100 (decimal comma or point).
bool Risque_valide(const QString& risque);

// The homogeneity test on x[1..n] (n the last index; x[0] is not read), which it sorts
// in place. Returns the result lines. All values equal raise Vb::Erreur.
QString Test_Homogeneite(std::vector<double>& x);

} // namespace Mstat
