// The Student table (view 6), the normal-law calculator (view 5) and the copies of
// the results of views 2 to 6.
#include <QApplication>
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/vb.h"
#include "stats/loi_normale.h"
#include "stats/loi_student.h"
#include "statwin/fenhisto.h"
#include "statwin/tests_outils.h"
#include "platform/pressepapier.h"
#include "platform/bip.h"

namespace {
// The first and ninth deciles of the normal law lie 1.2815515655446004 standard
// deviations from the mean (the 0.9 quantile of the standard normal law).
constexpr double FacteurDecile = 1.2815515655446004;
} // namespace

void PanneauTests::StOptTInv_Click(short) {
    StLabel3(1).setText(QStringLiteral(" Nddl (N-1) = "));
    if (StOptTInv(0).isChecked()) {
        StLabel3(0).setText(QStringLiteral("t= "));
        StLabel3(2).setText(Lib_Stat[5]);
    } else {
        StLabel3(2).setText(QStringLiteral("t= "));
        StLabel3(0).setText(Lib_Stat[5]);
    }
    Calcul_Student();
}

void PanneauTests::StOption2_Click(short) {
    StlblLabel1->setText(StOption2(0).isChecked() ? QStringLiteral("p(T <= t)") : QStringLiteral("p(|T| <= t)"));
    Calcul_Student();
}

void PanneauTests::StText_Change(short) { Calcul_Student(); }

void PanneauTests::Calcul_Student() {
    const bool bilateral = StOption2(1).isChecked();
    try {
        if (StOptTInv(0).isChecked()) {
            const double t = Gen::Val_decimal(StText(1).text());
            const double df = Gen::Val_decimal(StText(2).text());
            // The two-sided probability P(|T| <= |t|) is symmetric in t.
            const double F = Mstat::Repartition_Student(bilateral ? std::fabs(t) : t, df);
            double q = 1 - F;
            if (bilateral) q = 2 * q;
            StLabel3(2).setText(Lib_Stat[5] + Vb::CStr(1 - q));
        } else if (StOptTInv(1).isChecked()) {
            double a = Saisie::Nombre(StText(1).text());
            const double df = Saisie::Nombre(StText(2).text());
            if (bilateral) a = a * 0.5;
            const double t = Mstat::Student_Inverse(1 - a, df);
            StLabel3(2).setText(QStringLiteral(" t = ") + Vb::CStr(t));
        }
    } catch (const std::exception&) {
        // A box being typed: the last result stays.
    }
}

void PanneauTests::LNOpt_Click(short) {
    LNLabel(3).setText(LNOpt(1).isChecked() ? QStringLiteral("X= ") : QStringLiteral("p= "));
    CalculS_LN();
}

void PanneauTests::LNTxt_Change(short index) {
    if (LNTxt(index).text().isEmpty()) {
        Bip::sonner();
        return;
    }
    CalculS_LN();
}

void PanneauTests::CalculS_LN() {
    const QString& SL = SautLigne;
    try {
        const double m = Saisie::Nombre(LNTxt(1).text());
        const double s = Saisie::Nombre(LNTxt(2).text());
        // A law of no spread has no u, no probabilities and no deciles.
        if (s == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero");
        if (LNOpt(1).isChecked()) {
            const double x = Saisie::Nombre(LNTxt(3).text());
            const double u = Saisie::Quotient(x - m, s);
            const double p = Mstat::Repartition_Normale(u);
            const QString X = Vb::CStr(x);
            // The two-sided probability is that of the interval m +- |x - m|.
            const double p2 = 2 * Mstat::Repartition_Normale(std::fabs(u)) - 1;
            LNLabel(7).setText(QStringLiteral(" u = ") + Vb::CStr(u) + SL +
                               QStringLiteral("p(X< ") + X + QStringLiteral(" ) = ") + Vb::CStr(p) + SL +
                               QStringLiteral("p(X > ") + X + QStringLiteral(" ) = ") + Vb::CStr(1 - p) + SL + SL +
                               QStringLiteral("p(|X| < ") + X + QStringLiteral(" ) = ") + Vb::CStr(p2) + SL);
        } else {
            const double p = Gen::Val_decimal(LNTxt(3).text());
            QString alerte;
            const double u = Mstat::Normale_Inverse(p, &alerte);
            if (!alerte.isEmpty()) {
                // A probability still being typed ("0" of "0,05"): said here, not in a box.
                LNLabel(7).setText(alerte + QStringLiteral(" : p = ") + Vb::CStr(p) + SL);
            } else {
                const double x = u * s + m;
                LNLabel(7).setText(QStringLiteral(" u = ") + Vb::CStr(u) + SL + QStringLiteral("X =") + Vb::CStr(x) +
                                   SL + QStringLiteral("p(X < ") + Vb::CStr(x) + QStringLiteral(")= ") +
                                   Vb::CStr(p) + SL);
            }
        }
        LNLabel(4).setText(QStringLiteral("Déciles: ") + SL + QStringLiteral("D1 = ") + Vb::CStr(m - FacteurDecile * s) +
                           SL + QStringLiteral("D9 = ") + Vb::CStr(m + FacteurDecile * s) + SL);
    } catch (const std::exception&) {
        LNLabel(7).clear();
        LNLabel(4).clear();
    }
}

void PanneauTests::Tblcopie_Click(short index) {
    FenHisto& f = fen();
    const QString& SL = SautLigne;
    QString texte;
    switch (index) {
    case 2:
        texte = f.Texte_MText1() + SL;
        break;
    case 3:
        texte = CLabel3->text() + SL + Clabel5(0).text();
        break;
    case 4:
        texte = CLabel6(3).text() + SL + CLabel6(4).text() + SL;
        break;
    case 5:
        texte = LNLabel(7).text() + SL + LNLabel(4).text() + SL;
        break;
    case 6:
        texte = StLabel3(2).text() + SL;
        break;
    default:
        break;
    }
    PressePapier::mettre_texte(texte);
}
