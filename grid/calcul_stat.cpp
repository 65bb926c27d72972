// The grid statistics: each value column of the measurement grid summarised into the
// statistics grid, its minimum and maximum marked by colour.
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "platform/prompts.h"

namespace {

QString entier(int n) { return QString::number(n); }

// A statistic that overflowed the doubles (values near the largest number a file can
// hold) has no value to show: its cell stays empty rather than read "Inf" or "NaN".
QString Texte_stat(double v, const QString& motif) { return std::isfinite(v) ? Vb::Format(v, motif) : QString(); }

// The mean spore's volume and its uncertainty by propagation of errors, from the
// statistics as displayed (so with their rounding).
void Volume_spore_moyenne() {
    auto lu = [](int r, int c) { return Gen::Val_decimal(GrilleRefP.TextMatrix(r, c)); };
    if (GrilleRef.Cols() - 3 < 3) return;
    const double L = lu(1, 1), l = lu(1, 2), e = lu(1, 3);
    const double sL = lu(4, 1), sl = lu(4, 2), se = lu(4, 3);
    ValeursLigne[0] = 3.14159 * L * l * e / 6;
    ValeursLigne[1] = 3.14159 / 6 *
        std::sqrt(std::pow(l * e * sL, 2) + std::pow(L * e * sl, 2) + std::pow(L * l * se, 2));
}

} // namespace

void Tav::Calcul_stat() {
    if (Check(3).Value != 1) return;
    const long vert = CouleurGrille;
    try {
        const int cols = GrilleRef.Cols();
        GrilleRef.setRow(0);
        GrilleRefP.setRow(0);
        if (GrilleRefP.Cols() != cols) GrilleRefP.setCols(cols);
        for (int c = 0; c <= cols - 3; ++c) GrilleRefP.setTextMatrix(0, c, GrilleRef.TextMatrix(0, c));
        GrilleRefP.setTextMatrix(0, cols - 1, QStringLiteral("index"));
        GrilleRef.setBackColor(vert);

        // The rows to read: the filled ones and the first empty one, never past the grid.
        const int derniere = std::min<int>(NbLignesGrille, GrilleRef.Rows() - 1);
        QString listeMin, listeMax;
        for (int c = 1; c <= cols - 3; ++c) {
            double s1 = 0, s2 = 0, s3 = 0, s4 = 0;
            int n = 0;
            double mini = 99999, maxi = 0;
            int ligneMin = 0, ligneMax = 0;
            for (int r = 1; r <= derniere; ++r) {
                GrilleRef.setCellBackColorAt(r, c, vert);
                const QString t = GrilleRef.TextMatrix(r, c);
                const double v = t.isEmpty() ? 0.0 : Gen::Val_decimal(t);
                s1 += v;
                s2 += v * v;
                s3 += v * v * v;
                s4 += v * v * v * v;
                if (v > maxi) { maxi = v; ligneMax = r; }
                if (v > 0 && v < mini) { mini = v; ligneMin = r; }
                if (v != 0) ++n;
            }
            double moyenne = 0, sigma = 0, m2 = 0, diss = 0, kurt = 0;
            if (n > 0) {
                m2 = s2 / n;
                moyenne = s1 / n;
                const double variance = m2 - moyenne * moyenne;
                // An overflowed sum of squares gives no variance, not a variance of 0.
                sigma = !std::isfinite(variance) ? NAN : variance > 0 ? std::sqrt(variance) : 0;
            }
            if (n >= 1 && sigma > 0.001) {
                const double m3 = s3 / n, m4 = s4 / n;
                const double mu3 = m3 - 3 * moyenne * m2 + 2 * std::pow(moyenne, 3);
                const double mu4 = m4 - 4 * moyenne * m3 + 6 * moyenne * moyenne * m2 - 3 * std::pow(moyenne, 4);
                diss = mu3 / std::pow(sigma, 3);
                kurt = mu4 / std::pow(sigma, 4);
            }
            if (std::isnan(sigma)) diss = kurt = NAN;
            const QString motif = (NumFonction == 2 && c == 4) ? QStringLiteral("###0.0") : FormatDecimal;
            const double valeurs[6] = {moyenne, mini, maxi, sigma, diss, kurt};
            for (int r = 0; r < 6; ++r) GrilleRefP.setTextMatrix(r + 1, c, Texte_stat(valeurs[r], motif));

            listeMax += entier(ligneMax) + QStringLiteral(" / ");
            listeMin += entier(ligneMin) + QStringLiteral(" / ");
            GrilleRef.setCellBackColorAt(ligneMin, c, CouleurMinimum);
            GrilleRef.setCellBackColorAt(ligneMax, c, CouleurMaximum);
            GrilleRef.setCellBackColorAt(0, c, vert);
            // A column without spread has no m/s: an empty cell, never a stale value.
            GrilleRefP.setTextMatrix(7, c, sigma > 0.001 ? Texte_stat(moyenne / sigma, FormatDecimal) : QString());
        }

        if (NumFonction == 3) Volume_spore_moyenne();

        static const char* titres[] = {"Moy", "Min", "Max", "Sigma", "Diss", "Kurt", "m/s"};
        for (int r = 0; r < 7; ++r) GrilleRefP.setTextMatrix(r + 1, 0, QString::fromLatin1(titres[r]));
        GrilleRefP.setTextMatrix(2, GrilleRefP.Cols() - 1, listeMin);
        GrilleRefP.setTextMatrix(3, GrilleRefP.Cols() - 1, listeMax);
        GrilleRefP.setBackColor(vert);
    } catch (const Vb::Erreur&) {
        if (NbLignesGrille >= GrilleRef.Rows()) Prompts::msgBox(Lib_Langue[174], Prompts::OkOnly);
    }
}
