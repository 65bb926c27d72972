// The two comparisons of means (views 3 and 4): their boxes, buttons and result labels.
#include <QApplication>
#include <QPalette>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/vb.h"
#include "stats/fenstat.h"
#include "statwin/fenhisto.h"
#include "statwin/moyennes.h"
#include "statwin/tests_outils.h"
#include "platform/bip.h"

namespace {

// The warning of a weak test, appended after the power.
QString Avertissement_puissance(float puissance) {
    QString t;
    if (puissance < 0.8f) {
        t += Lib_Stat[32];
        if (puissance < 0.6f) t += Lib_Stat[33];
        t += Lib_Stat[34];
    }
    return t;
}

void Fond(QLineEdit& boite, const QColor& couleur) {
    QPalette pal = boite.palette();
    pal.setColor(QPalette::All, QPalette::Base, couleur);
    boite.setPalette(pal);
}

} // namespace

void PanneauTests::ChoixComp_Click(short index) {
    if (index == 0) {
        fen().Init_cadrage_frames(3);
        CompMoy_1();
    } else if (index == 1) {
        fen().Init_cadrage_frames(4);
        CompMoy_2();
    }
}

void PanneauTests::cmdCalcul_Click(short index) {
    if (index == 1) CompMoy_1();
    else if (index == 2) CompMoy_2();
}

void PanneauTests::cmdDonnes_Click(short index) {
    FenHisto& f = fen();
    if (index == 1) {
        Ctxt(2).setText(Vb::CStr(f.NbValeursDiag));
        Ctxt(0).setText(Vb::CStr(f.MoyenneDiag));
        Ctxt(6).setText(Vb::CStr(f.EcartTypeDiag));
    } else if (index == 0) {
        ctxt1(1).setText(Vb::CStr(f.NbValeursDiag));
        ctxt1(3).setText(Vb::CStr(f.MoyenneDiag));
        ctxt1(5).setText(Vb::CStr(f.EcartTypeDiag));
    }
}

void PanneauTests::COption1_Click(short index) {
    if (index != 0 && index != 1) return;
    COption1(index).setChecked(true);
    Fond(Ctxt(1), Qt::white);
    Fond(Ctxt(6), Qt::white);
    const QColor faceBouton = Ctxt(1).palette().color(QPalette::Button);
    if (index == 0) {
        Ctxt(6).setEnabled(false);
        Fond(Ctxt(6), faceBouton);
        Ctxt(1).setEnabled(true);
    } else {
        Fond(Ctxt(1), faceBouton);
        Ctxt(1).setEnabled(false);
        Ctxt(6).setEnabled(true);
    }
    CompMoy_1();
}

void PanneauTests::chkLoiNormale_Click() { CompMoy_1(); }

void PanneauTests::Copt_Click(short) { CompMoy_2(); }

void PanneauTests::Ctxt_Change(short index) {
    if (index != 3) return;
    const QString texte = Ctxt(3).text();
    if (texte.isEmpty()) return;
    const double v = Vb::Val_borne(texte, Gen::Val_decimal);
    if (v < 1 || v > 99) return;
    setValeur(CVScroll1(3), Vb::CInt(v));
    CompMoy_1();
}

void PanneauTests::Ctxt_Click(short index) { Ctxt_Change(index); }

void PanneauTests::ctxt1_Change(short index) {
    if (index != 10) return;
    const QString texte = ctxt1(10).text();
    if (texte.isEmpty()) return;
    const double v = Vb::Val_borne(texte, Gen::Val_decimal);
    if (v < 1 || v > 99) return;
    setValeur(CVScroll1(0), Vb::CInt(v));
    CompMoy_2();
}

void PanneauTests::CVScroll1_Change(short index) {
    if ((index == 0 || index == 1) && ctxt1.existe(index + 10) && CVScroll1.existe(index))
        setTexte(ctxt1(index + 10), QString::number(CVScroll1(index).value()));
    else if ((index == 3 || index == 4) && Ctxt.existe(index) && CVScroll1.existe(index))
        setTexte(Ctxt(index), QString::number(CVScroll1(index).value()));
}

void PanneauTests::CompMoy_1() {
    FenHisto& f = fen();
    const QString& SL = SautLigne;
    CLabel1->clear();
    lblMoyenne(5).setText(QStringLiteral("colonne ") + f.MText4->text());
    try {
        const double m = Saisie::Nombre(Ctxt(0).text());
        const double m0 = Saisie::Nombre(Ctxt(5).text());
        const int df = Saisie::Entier(Ctxt(2).text()) - 1;
        if (df == 0) {
            Bip::sonner();
            return;
        }
        const bool depuisEcart = COption1(1).isChecked();
        const double e = depuisEcart ? Saisie::Quotient(Saisie::Nombre(Ctxt(6).text()), Saisie::Racine(df))
                                     : Saisie::Nombre(Ctxt(1).text());
        const double alpha = Gen::Val_decimal(Vb::CStr(Saisie::Nombre(Ctxt(3).text()) / 100));
        const float alphaSimple = float(alpha);

        Clabel5(0).clear();
        Clabel5(1).clear();
        if (depuisEcart) Clabel5(1).setText(Lib_Stat[13] + QStringLiteral("=") + Fenstat::Format_resultat(e, QStringLiteral("##.####")) + SL);

        const Moyennes::Comparaison1 r =
            Moyennes::Compare_moyenne(m, m0, e, df, alpha, chkLoiNormale(0).isChecked());
        CLabel2->setText(QStringLiteral("Ho : ") + Lib_Stat[20] + QStringLiteral(" ; ") + SL + QStringLiteral("H1 : ") +
                         Lib_Stat[21] + QStringLiteral(" ") + (r.haut ? Lib_Stat[22] : Lib_Stat[23]) + SL);
        QString resultat = Lib_Stat[42] + Vb::Format(100 * r.P, QStringLiteral("##0.00")) + QStringLiteral(" %");
        QString verdict = Lib_Stat[25] + Vb::CStr_simple(100.0f * alphaSimple) + QStringLiteral(" % ") +
                          (r.P > alpha ? Lib_Stat[27] : Lib_Stat[26]) + QStringLiteral(" ; ") + SL + Lib_Stat[41] +
                          Vb::Format(100 * r.beta, QStringLiteral("##0.00")) + QStringLiteral(" %");
        // A risk of 0 or 100 % has no normal quantile: the alert joins the verdict.
        if (!r.alerte.isEmpty()) verdict += SL + r.alerte;
        CLabel3->setText(verdict);
        resultat += Lib_Stat[43] + Vb::Format(double(100.0f * r.puissance), QStringLiteral("#0")) +
                    QStringLiteral(" %") + SL + Avertissement_puissance(r.puissance);
        Clabel5(0).setText(resultat);
        if (Copt(4).isChecked()) CLabel1->setText(QStringLiteral(" t = ") + Fenstat::Format_resultat(r.t, QStringLiteral("##0.00000")));
    } catch (const std::exception&) {
        CLabel3->setText(Lib_Stat[1] + Lib_Stat[2]);
        CLabel4(0).clear();
        Clabel5(0).clear();
    }
}

void PanneauTests::CompMoy_2() {
    FenHisto& f = fen();
    const QString& SL = SautLigne;
    lblMoyenne(10).setText(QStringLiteral("colonne ") + f.MText4->text());
    CLabel6(11).clear();
    try {
        const float alpha = float(Saisie::Nombre(ctxt1(10).text()) / 100);
        const short n1 = Saisie::Entier(ctxt1(1).text());
        const short n2 = Saisie::Entier(ctxt1(2).text());
        const double m1 = Saisie::Nombre(ctxt1(3).text());
        const double m2 = Saisie::Nombre(ctxt1(4).text());
        const double s1 = Saisie::Nombre(ctxt1(5).text());
        const double s2 = Saisie::Nombre(ctxt1(6).text());
        const bool bilateral = Copt(2).isChecked();
        const bool welch = Copt(0).isChecked();
        const float alpha2 = bilateral ? alpha / 2 : alpha;

        const Moyennes::Comparaison2 r = Moyennes::Compare_deux_moyennes(n1, m1, s1, n2, m2, s2, alpha2, welch);
        const QString sens = bilateral ? QStringLiteral(" <> ") : r.haut ? QStringLiteral(" > ") : QStringLiteral(" < ");
        CLabel6(1).setText(QStringLiteral("Ho : ") + Lib_Stat[36] + QStringLiteral("=") + Lib_Stat[37] + SL +
                           QStringLiteral("H1 : ") + Lib_Stat[36] + sens + Lib_Stat[37] + SL);
        QString verdict = Lib_Stat[40] + Vb::CStr_simple(100 * alpha) + QStringLiteral(" % ,") +
                          (float(r.P) > alpha2 ? Lib_Stat[27] : Lib_Stat[26]) + SL + Lib_Stat[41] +
                          Vb::Format(100 * r.beta, QStringLiteral("##0.00")) + QStringLiteral(" %");
        if (!r.alerte.isEmpty()) verdict += SL + r.alerte;
        CLabel6(3).setText(verdict);
        QString puissance = Lib_Stat[43] + Vb::Format(double(100.0f * r.puissance), QStringLiteral("#0")) +
                            QStringLiteral(" %") + SL + Lib_Stat[42] +
                            Vb::Format((bilateral ? 200 : 100) * r.P, QStringLiteral("##0.00")) + QStringLiteral(" %") + SL;
        if (Copt(3).isChecked())
            CLabel6(11).setText(QStringLiteral(" nddl = ") + Fenstat::Format_resultat(r.df, QStringLiteral("##.000")) + SL +
                                QStringLiteral(" S=") + Fenstat::Format_resultat(r.S, QStringLiteral("##.00000")) + SL +
                                QStringLiteral(" t= ") + Fenstat::Format_resultat(r.t, QStringLiteral("##.00000")));
        puissance += Avertissement_puissance(r.puissance);
        if ((Saisie::Quotient(s1, s2) > 2 || Saisie::Quotient(s2, s1) > 2) && !welch)
            puissance += QStringLiteral(" EcT inégaux - voir options");
        CLabel6(4).setText(puissance);
    } catch (const std::exception&) {
        CLabel6(3).setText(Lib_Stat[1] + Lib_Stat[2]);
        CLabel6(4).clear();
    }
}
