// The comment frame: commenting the grid row after row, a click on a comment cell, the
// report's comment, and the row controls on an empty grid.
#include <QFile>
#include <QFileInfo>

#include "base/etat_programme.h"
#include "base/tav.h"
#include "grid/commentaires.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "grid/rapport.h"
#include "image/etat_image.h"
#include "platform/prompts.h"
#include "platform/waits.h"
#include "tests/common/fixture.h"
#include "tests/grid/aide_fichiers.h"
#include "base/etat_partage.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

class Commentaires : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
        // Three segment rows measured on the first image of the list.
        Gen::Change_fonction();
        NumFonction = 1;
        PGr::Choix_fonction();
        for (int r = 1; r <= 3; ++r) {
            GrilleRef.setTextMatrix(r, 0, QString::number(r));
            GrilleRef.setTextMatrix(r, 1, QString::number(r) + QStringLiteral(",00"));
            GrilleRef.setTextMatrix(r, 2, QStringLiteral("1"));
        }
        GrilleRef.setTextMatrix(2, 3, QStringLiteral("hyphe"));
        NbLignesGrille = 4;
        NomImageActive = chemin(QStringLiteral("spores.jpg"));
        ListIMGchar.AddItem(NomImageActive);
        IndexImageActive = 1;
    }
    static Tav& tav() { return *Tav::instance(); }
    static QString commentaire(int r) { return GrilleRef.TextMatrix(r, 3); }
};

} // namespace

TEST_F(Commentaires, CommentingTheGridRowAfterRow) {
    tav().Text4.Text = QStringLiteral("1");
    tav().commenter_grille();
    EXPECT_EQ(ModeCommentaire, -1);
    EXPECT_TRUE(tav().Frame(10).Visible);

    tav().TBox(3).Text = QStringLiteral("première ligne");
    tav().Bout_dial_Click(28);
    EXPECT_EQ(commentaire(1), QStringLiteral("première ligne"));
    EXPECT_TRUE(tav().Frame(10).Visible);

    // The row box is clamped to the filled rows and loads that row's comment.
    tav().Text4.Text = QStringLiteral("0");
    tav().Text4_Change();
    EXPECT_EQ(tav().Text4.Text, QStringLiteral("1"));
    EXPECT_EQ(tav().TBox(3).Text, QStringLiteral("première ligne"));
    tav().Text4.Text = QStringLiteral("99");
    tav().Text4_Change();
    EXPECT_EQ(tav().Text4.Text, QStringLiteral("3"));

    // Moving the scroll bar from row 2 to row 3 keeps the text typed for row 2.
    tav().Text4.Text = QStringLiteral("2");
    tav().Text4_Change();
    EXPECT_EQ(tav().TBox(3).Text, QStringLiteral("hyphe"));
    tav().TBox(3).Text = QStringLiteral("hyphe bouclée");
    tav().VScroll2.Value = 3;
    tav().VScroll2_Change();
    EXPECT_EQ(commentaire(2), QStringLiteral("hyphe bouclée"));
    EXPECT_EQ(tav().Text4.Text, QStringLiteral("3"));
    EXPECT_EQ(tav().TBox(3).Text, QString());

    // "Raz commentaire" empties the box, not the cell.
    tav().Text4.Text = QStringLiteral("2");
    tav().Text4_Change();
    tav().Bout_dial_Click(30);
    EXPECT_EQ(tav().TBox(3).Text, QString());
    EXPECT_EQ(commentaire(2), QStringLiteral("hyphe bouclée"));

    tav().Bout_dial_Click(29);
    EXPECT_FALSE(tav().Frame(10).Visible);
    EXPECT_EQ(ModeCommentaire, 0);
}

TEST_F(Commentaires, ReportCommentAfterCommentingTheGrid) {
    // Once the grid was commented, "Export grille sous ..." writes the report with its
    // comment and leaves every row's comment as it was.
    tav().commenter_grille();
    tav().Bout_dial_Click(29);
    tav().labNomFic.Caption = NomImageActive;
    Gen::Ouvre_commentaire_grille();
    EXPECT_EQ(tav().Frame(10).Caption, QStringLiteral("Enregistrement grille"));
    EXPECT_EQ(SaisieCommentaire, -1);
    tav().TBox(3).Text = QStringLiteral("lot 12, exsiccatum");
    const QString rapport = chemin(QStringLiteral("spores.csv"));
    {
        // Cancel in the save dialog: no file, no message, the frame closed.
        Prompts::Script s;
        s.save(std::nullopt);
        tav().Bout_dial_Click(28);
    }
    EXPECT_FALSE(QFileInfo::exists(rapport));
    EXPECT_FALSE(tav().Frame(10).Visible);
    Gen::Ouvre_commentaire_grille();
    tav().TBox(3).Text = QStringLiteral("lot 12, exsiccatum");
    {
        Prompts::Script s;
        s.save(rapport);
        tav().Bout_dial_Click(28);
    }
    QFile f(rapport);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("\r\nlot 12, exsiccatum\r\n\r\n3 mesures\r\n"));
    EXPECT_EQ(FichierResultats, QStringLiteral("lot 12, exsiccatum"));
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(commentaire(r), r == 2 ? QStringLiteral("hyphe") : QString()) << r;
    EXPECT_EQ(SaisieCommentaire, 0);
}

TEST_F(Commentaires, ClickOnACommentCell) {
    GrilleRef.setRow(2);
    GrilleRef.setCol(3);
    tav().GrilleRef_Click();
    EXPECT_TRUE(tav().Frame(10).Visible);
    EXPECT_EQ(tav().Text4.Text, QStringLiteral("2"));
    EXPECT_EQ(tav().TBox(3).Text, QStringLiteral("hyphe"));
    EXPECT_EQ(tav().Frame(10).Caption, QStringLiteral("ligne :2--- img 1 : spores.jpg"));

    // The cursor moves on meanwhile: "Valider" still writes the row being edited.
    tav().TBox(3).Text = QStringLiteral("hyphe à boucle");
    GrilleRef.setRow(1);
    GrilleRef.setCol(1);
    tav().Bout_dial_Click(28);
    EXPECT_EQ(commentaire(2), QStringLiteral("hyphe à boucle"));
    EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("1,00"));
    EXPECT_FALSE(tav().Frame(10).Visible);

    // The title row, another column, or an empty row open nothing.
    for (auto [r, c] : {std::pair{0, 3}, {1, 1}, {5, 3}}) {
        GrilleRef.setRow(r);
        GrilleRef.setCol(c);
        tav().GrilleRef_Click();
        EXPECT_FALSE(tav().Frame(10).Visible) << r << " " << c;
    }
}

TEST_F(Commentaires, EmptyGridUnfinishedMeasureAndImageKey) {
    Waits::FakeClock horloge;
    // A key names the image of the row; an empty "img" cell names none.
    GrilleRef.setRow(1);
    {
        Prompts::Script s;
        s.message(QStringLiteral("image :") + NomImageActive);
        tav().GrilleRef_KeyDown(40, 0);
    }
    GrilleRef.setRow(5);
    tav().GrilleRef_KeyDown(40, 0);

    // A measure under way: the notice only.
    EtapeMesure = 2;
    Gen::Ouvre_commentaire_grille();
    EXPECT_EQ(tav().lblLabelflashx.Caption, QStringLiteral(" mesure inachevée"));
    EXPECT_FALSE(tav().Frame(10).Visible);
    EXPECT_EQ(SaisieCommentaire, 0);
    EtapeMesure = 1;

    // No row filled: nothing to comment, and the row controls do not bounce.
    Gen::RAZ_grille(1);
    tav().commenter_grille();
    EXPECT_FALSE(tav().Frame(10).Visible);
    EXPECT_EQ(ModeCommentaire, 0);
    tav().Text4.Text = QStringLiteral("0");
    tav().Text4_Change();
    tav().VScroll2.Value = 0;
    tav().VScroll2_Change();
    EXPECT_EQ(tav().Text4.Text, QStringLiteral("0"));

    NbLignesGrille = 0;
    Prompts::Script s;
    s.message(QStringLiteral("Il n'y a rien à exporter"));
    Gen::Ouvre_commentaire_grille();
}
