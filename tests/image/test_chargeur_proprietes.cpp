// Random sequences of what a user does with the loader (open, cancel, select, block add,
// group buttons, multilayer mode, purge, clear, a new calibration in force, the calibration
// handed to the group), driven through the window's handlers with every prompt predicted,
// against a plain model of the pictures: paths, calibrations, group and the image shown
// stay on the same pictures after every step.
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

#include "tests/image/aide_chargeur.h"

namespace {

using namespace AideChargeur;

struct Photo {
    QString chemin;
    double calibrage;
};

// What the loader should hold, told in pictures.
struct Modele {
    std::vector<Photo> chargeur;
    QStringList groupe;
    QString montree;         // the loader's picture shown, empty when none
    double en_vigueur = 1.0;
    bool mode_mc = false;
    QString dossier;         // the image folder

    int index(const QString& p) const {
        for (size_t i = 0; i < chargeur.size(); ++i)
            if (chargeur[i].chemin == p) return int(i);
        return -1;
    }
};

class Proprietes : public ChargeurTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void SetUp() override {
        ChargeurTest::SetUp();
        for (int i = 1; i <= 6; ++i) pool_ << Image(QStringLiteral("p/%1.png").arg(i), i == 4 ? 80 : 64, 48);
        for (int i = 1; i <= 5; ++i) pool_ << Image(QStringLiteral("q/%1.png").arg(i));
        // A file named like a picture that holds none: the open refuses it, the block adds it.
        abime_ = chemin(QStringLiteral("p/abime.png"));
        QFile f(abime_);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("rien");
        m_.dossier = dir_.path();
    }

    int Hasard(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Pile() { return Hasard(2) == 0; }

    void Ouvre_au_hasard() {
        const bool abime = Hasard(8) == 0, annule = Hasard(10) == 0;
        const QString p = abime ? abime_ : pool_[Hasard(int(pool_.size()))];
        const bool demande = !m_.chargeur.empty(), oui = demande && Hasard(4) == 0;
        Prompts::Script script;
        if (demande) script.message(Question_vider(), oui ? Prompts::Yes : Prompts::No);
        script.open(annule ? std::nullopt : std::optional<QString>(p));
        if (!annule) {
            m_.dossier = QFileInfo(p).absolutePath();
            if (abime) {
                script.message(QStringLiteral("Problème de chargement du fichier image"));
                m_.montree.clear();
            } else {
                if (oui) {
                    m_.chargeur.clear();
                    m_.groupe.clear();
                }
                const int i = m_.index(p);
                if (i >= 0) {
                    script.message(QStringLiteral("cette image a été traitée"));
                    m_.en_vigueur = m_.chargeur[size_t(i)].calibrage;
                } else {
                    m_.chargeur.push_back({p, m_.en_vigueur});
                    if (m_.mode_mc) m_.groupe << p;
                }
                m_.montree = p;
            }
        }
        tav.MnuFIC_Click(1);
        EXPECT_EQ(script.remaining(), 0);
    }

    void Selectionne_au_hasard() {
        if (m_.chargeur.empty()) return;
        const int i = Hasard(int(m_.chargeur.size()));
        ListIMGchar.setListIndex(i);
        tav.ListIMGchar_DblClick();
        if (m_.chargeur[size_t(i)].chemin == abime_) return;  // it cannot show: nothing changes
        m_.montree = m_.chargeur[size_t(i)].chemin;
        m_.en_vigueur = m_.chargeur[size_t(i)].calibrage;
    }

    void Bloc_au_hasard() {
        tav.MnuCharg_Click(1);
        for (int k = 0; k < tav.ListRep.ListCount(); ++k) {
            const bool choisi = Hasard(3) == 0;
            tav.ListRep.setSelected(k, choisi);
            const QString p = Chargeur::Chemin_dans(m_.dossier, tav.ListRep.List(k));
            if (choisi && m_.index(p) < 0) m_.chargeur.push_back({p, m_.en_vigueur});
        }
        tav.cmdRep_Click(0);
        tav.cmdRep_Click(2);
    }

    void Groupe_au_hasard() {
        const int bouton = Hasard(4);
        if (bouton == 0) {
            bool fin = false;
            for (int i = 0; i < ListIMGchar.ListCount(); ++i) {
                const bool choisi = Pile();
                ListIMGchar.setSelected(i, choisi);
                if (!choisi || fin) continue;
                if (m_.groupe.contains(m_.chargeur[size_t(i)].chemin)) fin = true;
                else m_.groupe << m_.chargeur[size_t(i)].chemin;
            }
        } else if (bouton == 1) {
            const int k = Hasard(int(m_.groupe.size()) + 1) - 1;
            ListImgMC.setListIndex(k);
            if (k >= 0) m_.groupe.removeAt(k);
        } else if (bouton == 2) {
            m_.groupe.clear();
            for (const Photo& p : m_.chargeur) m_.groupe << p.chemin;
        } else {
            m_.groupe.clear();
        }
        tav.BoutMC_Click(short(bouton));
    }

    void Purge_au_hasard() {
        tav.MnuCharg_Click(2);
        QStringList inutilisees;
        if (!m_.mode_mc)
            for (const Photo& p : m_.chargeur)
                if (p.chemin != m_.montree) inutilisees << p.chemin;
        EXPECT_EQ(tav.ListRep.ListCount(), inutilisees.size());
        for (int k = 0; k < tav.ListRep.ListCount() && k < inutilisees.size(); ++k) {
            const bool choisi = Pile();
            tav.ListRep.setSelected(k, choisi);
            if (!choisi) continue;
            m_.chargeur.erase(m_.chargeur.begin() + m_.index(inutilisees[k]));
            m_.groupe.removeAll(inutilisees[k]);
        }
        tav.cmdRep_Click(0);
        tav.cmdRep_Click(2);
    }

    void Efface_au_hasard() {
        const bool oui = Pile();
        Prompts::Script script;
        script.message(Question_vider(), oui ? Prompts::Yes : Prompts::No);
        tav.MnuCharg_Click(3);
        if (oui) {
            m_.chargeur.clear();
            m_.groupe.clear();
            m_.montree.clear();
        }
    }

    void Calibrage_au_hasard() {
        m_.en_vigueur = (1 + Hasard(999)) / 1000.0;
        Calibrage_en_vigueur(QString::number(m_.en_vigueur).replace('.', ','));
    }

    void Calibrage_vers_groupe_au_hasard() {
        if (!m_.mode_mc) return;  // the menu item is off
        Prompts::Script script;
        const int montree = m_.index(m_.montree);
        if (m_.groupe.isEmpty()) {
            script.message(QStringLiteral("Le chargeur MC est vide"));
        } else if (montree >= 0) {
            const bool oui = Pile();
            script.message(QStringLiteral("Appliquer le calibrage"), oui ? Prompts::Yes : Prompts::No);
            if (oui)
                for (const QString& p : m_.groupe) m_.chargeur[size_t(m_.index(p))].calibrage = m_.chargeur[size_t(montree)].calibrage;
        }
        tav.Mntool_Click(6);
        EXPECT_EQ(script.remaining(), 0);
    }

    void Verifie(int pas) {
        SCOPED_TRACE(pas);
        QStringList chemins;
        for (const Photo& p : m_.chargeur) chemins << p.chemin;
        ASSERT_EQ(ListIMGchar.items(), chemins);
        for (size_t i = 0; i < m_.chargeur.size(); ++i) EXPECT_EQ(CalibrageImage[i + 1], m_.chargeur[i].calibrage) << i;
        EXPECT_EQ(ListImgMC.items(), m_.groupe);
        for (int k = 0; k < m_.groupe.size(); ++k) EXPECT_EQ(ListImgIdx.List(k), QString::number(m_.index(m_.groupe[k])));
        for (size_t i = 0; i < m_.chargeur.size(); ++i)
            EXPECT_EQ(ImageMC[i], m_.groupe.contains(m_.chargeur[i].chemin) ? -1 : 0) << i;
        EXPECT_EQ(Chargeur::Incoherence(), QString());
        EXPECT_EQ(IndexImageActive, m_.index(m_.montree) + 1);
        if (!m_.montree.isEmpty()) {
            EXPECT_EQ(NomImageActive, m_.montree);
        }
        plus_grand_chargeur_ = std::max(plus_grand_chargeur_, m_.chargeur.size());
        plus_grand_groupe_ = std::max(plus_grand_groupe_, qsizetype(m_.groupe.size()));
        EXPECT_EQ(CalibrageActuel, m_.en_vigueur);
        EXPECT_EQ(RepImage, m_.dossier);
    }

    std::mt19937 rng_;
    size_t plus_grand_chargeur_ = 0;
    qsizetype plus_grand_groupe_ = 0;
    QStringList pool_;
    QString abime_;
    Modele m_;
};

TEST_P(Proprietes, ChaqueTableSuitSesImages) {
    rng_.seed(GetParam());
    for (int pas = 0; pas < 80; ++pas) {
        switch (Hasard(10)) {
        case 0: case 1: case 2: Ouvre_au_hasard(); break;
        case 3: Selectionne_au_hasard(); break;
        case 4: Bloc_au_hasard(); break;
        case 5: Groupe_au_hasard(); break;
        case 6:
            m_.mode_mc = !m_.mode_mc;
            Coche_MC(0, m_.mode_mc);
            break;
        case 7: Purge_au_hasard(); break;
        case 8: Hasard(3) == 0 ? Efface_au_hasard() : Calibrage_au_hasard(); break;
        default: Calibrage_vers_groupe_au_hasard(); break;
        }
        Verifie(pas);
        if (HasFailure()) return;
    }
    // The sequence went somewhere worth checking.
    EXPECT_GE(plus_grand_chargeur_, 4u);
    EXPECT_GE(plus_grand_groupe_, 2);
}

INSTANTIATE_TEST_SUITE_P(Graines, Proprietes, ::testing::Range(1u, 13u));

} // namespace
