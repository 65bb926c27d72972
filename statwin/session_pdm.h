#pragma once
// The dominant-value session of the diagram view, without its widgets: the marking mode,
// the two limits clicked on the diagram, the range of sorted values they frame, and the
// table of the dominant values stored one range after another. The diagram's handlers
// call it and show what it returns; the diagram view holds it as a base, so that its
// form variables keep their names.
#include <QString>
#include <optional>
#include <vector>

class SessionPdm {
public:
    double PdmCourant = 0;              // dominant value of the series computed last
    float TablePdm[12] = {};            // 0 current dominant value, 1..11 stored ones
    short CompteurPdm = 0;              // slot of the next value stored
    short ModeMarquagePdm = 0;          // -1 while limits are marked
    short LimiteSuivante = 0;           // -1 when the next click gives the upper limit
    float LimiteBasse = 0, LimiteHaute = 0;
    int IndexBas = 0, IndexHaut = 0;    // the range's first and last positions in the sorted values

    // "PDMS": turns the marking on, keeping the current dominant value in slot 0, or
    // off. True when it is on.
    bool Bascule_marquage();

    // A click on the diagram at the value x: while marking, the lower limit, then the
    // upper one, in turn. Nothing outside the marking mode.
    enum class Limite { Basse, Haute };
    std::optional<Limite> Clic_limite(double x);

    // Among the sorted values at 1..n (element 0 unused), compared in single precision:
    // mode 0, the first position whose value reaches x; mode 1, n when the last value
    // does not pass x, else the position before the first value that reaches x. 0 when
    // there is none, or when a position lies outside the array.
    static int Cherche_Xi(const std::vector<double>& valeurs, int n, float x, short mode);

    // What "calcul" takes: the values between the limits (put in ascending order first)
    // among the sorted values at 1..n, as a series text, and the count with the density
    // of the range for its label. Nothing when no value lies between the limits.
    struct Plage {
        int n = 0;
        QString serie;     // "v;v;...;"
        QString compte;    // "10 pts # 50," or, for a range narrower than 0.001, "10 ::  * "
    };
    std::optional<Plage> Prend_plage(const std::vector<double>& valeurs, int n);

    // The refusal of "calcul" once ten values are stored, and of "Ok" and "Annule" once
    // eleven are; empty when the action may go on.
    QString Refus_calcul() const;
    QString Refus_table_pleine() const;

    // "Ok" stores the current dominant value in the counter's slot, "Annule" empties it.
    void Range(bool acceptee);
    // After "Ok": the next slot. Returns the marking button's caption.
    QString Suivant();
    // The marking button's caption for the counter.
    QString Legende_compteur() const;
    // Empties the stored values (slots 1 to 11).
    void Vide_table();
    // "Raz": empties the stored values and starts again at slot 1.
    void Efface();

    // The values "calcul" took, and those of the same sorted series outside the range.
    QString Valeurs_marquees() const { return serieMarquee_; }
    QString Valeurs_restantes() const;

    // The lines " PDMS i = ..." of the stored values. The slot of the value being marked
    // shows the current value; a slot "Ok" has just filled keeps what it stored.
    QString Liste_pdms();

private:
    bool pdmAccepte_ = false;               // "Ok" has stored the slot CompteurPdm
    QString serieMarquee_;                  // the values between the limits, as "calcul" took them
    std::vector<double> serieDesLimites_;   // the sorted values the limits were read on
};
