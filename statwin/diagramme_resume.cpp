// The summary of the diagram's series: date, column, count, extremes, dominant
// values, deciles, median, mean, standard deviations and the two notation lines.
#include <QDateTime>
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/vb.h"
#include "stats/fenstat.h"
#include "statwin/diagramme_calcul.h"
#include "statwin/fenhisto.h"

void PanneauDiagramme::Msto_texte() {
    QString texte;
    try {
        const QDateTime maintenant = QDateTime::currentDateTime();
        texte = Vb::Date_courte(maintenant.date()) + QStringLiteral(" - ") +
                Vb::Heure(maintenant.time()) + SautLigne;
        texte += QStringLiteral("col ") + QString::number(colonneChargee_) + QStringLiteral(" : ") + NmColonne->text() +
                 SautLigne;
        const int n = NbValeursDiag;
        texte += Vb::CStr(n) + QStringLiteral(" données") + SautLigne;
        texte += QStringLiteral(" Minimum = ") + Vb::CStr(V(1)) + SautLigne;
        texte += QStringLiteral(" Maximum = ") + Vb::CStr(V(n)) + SautLigne;
        if (PremierTexte == -1) TexteResume[1] = texte;
        if (TablePdm[1] > 0)
            texte += Liste_pdms();
        else
            texte += QStringLiteral(" PDM ") + QStringLiteral(" = ") +
                     Fenstat::Format_resultat(TablePdm[0], QStringLiteral("###.##")) + SautLigne;

        Mcalcul_moy_ET();
        Decile1Diag = Decile9Diag = 0;
        SCdecile();
        // Below 11 values there are no deciles to show: their places stay blank.
        const QString d1 = decilesDiag_ ? Fenstat::Format_resultat(Decile1Diag, QStringLiteral("0.##")) : QString();
        const QString d9 = decilesDiag_ ? Fenstat::Format_resultat(Decile9Diag, QStringLiteral("0.##")) : QString();
        QString fin;
        fin += QStringLiteral(" D1 = ") + d1 + SautLigne;
        fin += QStringLiteral(" D9 = ") + d9 + SautLigne;
        fin += QStringLiteral(" Médiane = ") + Fenstat::Format_resultat(MedianeDiag, QStringLiteral("0.##")) + SautLigne;
        fin += QStringLiteral(" Moyenne = ") + Fenstat::Format_resultat(MoyenneDiag, QStringLiteral("0.##")) + SautLigne;
        fin += QStringLiteral(" Ecart-type vrai = ") + Fenstat::Format_resultat(EcartTypeDiag, QStringLiteral("0.####")) +
               SautLigne;
        if (n >= 2)
            fin += QStringLiteral(" Ecart-type estimé = ") +
                   Fenstat::Format_resultat(std::sqrt(double(n) / (n - 1)) * EcartTypeDiag, QStringLiteral("0.####")) +
                   SautLigne;
        const QString tete = NomVariable + QStringLiteral(" : ") + QStringLiteral("N=") + Vb::CStr(n) +
                             QStringLiteral("; (") + Vb::CStr(V(1)) + QStringLiteral(")") + d1 + QStringLiteral("-");
        const QString queue = d9 + QStringLiteral("(") + Vb::CStr(V(n)) + QStringLiteral(")") + SautLigne;
        fin += QStringLiteral("Notation D1,D9 ") + SautLigne + tete + queue;
        fin += QStringLiteral("Notation D1,PDM,D9 ") + SautLigne + tete +
               Fenstat::Format_resultat(TablePdm[0], QStringLiteral("###.##")) + QStringLiteral("-") + queue;
        if (PremierTexte == -1) {
            TexteResume[2] = fin;
            PremierTexte = 0;
        }
        texte += fin;
    } catch (const std::exception&) {
        // The summary stops where the fault arose.
    }
    setMText1(texte);
}

void PanneauDiagramme::Mcalcul_moy_ET() { Diagramme::Moyenne_ecart(ValeursDiag, MoyenneDiag, EcartTypeDiag); }

void PanneauDiagramme::SCdecile() {
    const Diagramme::Quantiles q = Diagramme::Calcul_quantiles(ValeursDiag);
    if (q.mediane_ok) MedianeDiag = q.mediane;
    decilesDiag_ = q.deciles_ok;
    if (q.deciles_ok) {
        Decile1Diag = q.d1;
        Decile9Diag = q.d9;
    }
}

void PanneauDiagramme::cmdResumeTout_Click() {
    QString texte = TexteResume[1];
    texte += Liste_pdms();
    texte += TexteResume[2];
    setMText1(texte);
    Statut(QStringLiteral("résultats relatif à l'ensemble des données"));
}
