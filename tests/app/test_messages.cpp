// The built-in message tables and the measurement-function table built from them.
#include <gtest/gtest.h>

#include "base/declarations.h"
#include "base/messages.h"
#include "tests/common/fixture.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class Messages_ : public EtatPropre {};

TEST_F(Messages_, TextsKeepTheirBlanksAccentsAndMarkers) {
    EXPECT_EQ(s(Lib_Langue[1]), " à propos ...");
    EXPECT_EQ(s(Lib_Langue[8]), " Ctrl  : déplacer image");
    EXPECT_EQ(s(Lib_Langue[9]), " G déplacer grille");
    EXPECT_EQ(s(Lib_Langue[10]), " Eff.Arr.: efface dernier segment");
    EXPECT_EQ(s(Lib_Langue[70]), "Déplacer le carré sur la  zone à mesurer et cliquer à gauche***");
    EXPECT_EQ(s(Lib_Langue[74]), "texte à insérer***");
    EXPECT_EQ(s(Lib_Langue[108]), "Cal.=");
    EXPECT_EQ(s(Lib_Langue[157]), "Problème de chargement du fichier image  ");
    EXPECT_EQ(s(Lib_Langue[175]), "existe *** ");
    EXPECT_EQ(s(Lib_Langue[177]), " introuvable");
    EXPECT_EQ(s(Lib_Langue[179]), " mesure nulle");
    EXPECT_EQ(s(Lib_Langue[185]), "  La table actuelle contient des données");
    EXPECT_EQ(s(Lib_Langue[230]), " Fichier de référence ''");
    EXPECT_EQ(s(Lib_Langue[231]), "'' invalide");
    EXPECT_EQ(s(Lib_Langue[135]), "le commentaire ne doit pas contenir de signe ' = ");
    EXPECT_EQ(s(Lib_Langue[128]),
              "Fichiers images(*.bmp;*.jpg;*.gif;*.ico;*.dib;*.wmf)|*.bmp;*.jpg;*.gif;*.ico;*.dib;"
              "*.wmf,*.tif|Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|GIF (*.gif)|*.gif|Icon (*.ico)|"
              "*.ico|DIB (*.dib)|*.dib|Windows Meta File (*.wmf)|*.wmf");
    EXPECT_EQ(s(Lib_Stat[10]), "   classes de largeur  ");
    EXPECT_EQ(s(Lib_Stat[25]), "Au risque de 1ère espèce Alpha = ");
    EXPECT_EQ(s(Lib_MenuStat[14]), "comp.  m, s  / nb");
    EXPECT_EQ(s(Lib_MenuStat[69]), "Ellipse");
    EXPECT_EQ(s(Lib_Menu[19]), "Presser'Alt + G ' pour déplacer la grille ");
    EXPECT_EQ(s(Lib_Menu[87]), "Segments ***");
    EXPECT_EQ(s(Lib_Couleur[3]), "Aperçu");
    EXPECT_EQ(s(Lib_Couleur[36]), "données corrigées");
    // The texts are stored as characters, not as bytes of the source encoding.
    EXPECT_EQ(Lib_Langue[69].at(2), QChar(0x00B0));
    EXPECT_EQ(Lib_Langue[1].size(), 13);
}

TEST_F(Messages_, UnlistedEntriesAreEmptyAndTheFillEmptiesFirst) {
    EXPECT_TRUE(Lib_Langue[0].isEmpty());
    EXPECT_TRUE(Lib_Stat[0].isEmpty());
    EXPECT_TRUE(Lib_MenuStat[0].isEmpty());
    EXPECT_TRUE(Lib_Menu[0].isEmpty());
    EXPECT_EQ(s(Lib_Couleur[0]), "Retrace");
    EXPECT_TRUE(Lib_Menu[63].isEmpty());
    EXPECT_TRUE(Lib_Langue[12].isEmpty());
    EXPECT_TRUE(Lib_Langue[232].isEmpty());

    EXPECT_EQ(std::size(Lib_MenuStat), 121u);
    EXPECT_EQ(std::size(Lib_Langue), 256u);
    Lib_MenuStat[120] = "reste";
    Lib_Langue[255] = "reste";
    Lib_Menu[63] = "reste";
    Lib_Couleur[200] = "reste";
    Lib_Stat[0] = "reste";
    Lib_Langue[1] = "remplacé";
    Messages::Init_Messages();
    EXPECT_TRUE(Lib_MenuStat[120].isEmpty());
    EXPECT_TRUE(Lib_Langue[255].isEmpty());
    EXPECT_TRUE(Lib_Menu[63].isEmpty());
    EXPECT_TRUE(Lib_Couleur[200].isEmpty());
    EXPECT_TRUE(Lib_Stat[0].isEmpty());
    EXPECT_EQ(s(Lib_Langue[1]), " à propos ...");
}

TEST_F(Messages_, FunctionDescriptorsAreBuiltFromTheNames) {
    EXPECT_EQ(s(Lib_Langue[141]), "mesure Cystide 3 $6$Long.$L.base$L.col$img $comment$");
    EXPECT_EQ(s(Lib_Langue[142]), "mesure Cystide 4 $7$Long.$L.base$L.col$L+$img $comment$");
    EXPECT_EQ(s(Lib_Langue[143]), "mesure Cystide 5$8$Long.$L.base$L.col$L+$L++$img $comment$");
    EXPECT_EQ(s(Lib_Langue[144]), "erreur fichier");
    EXPECT_EQ(s(Lib_Langue[145]), "mesure nulle");
    EXPECT_EQ(s(Lib_Langue[146]), "mesure Segment$4$Longueur$img $comment$");
    EXPECT_EQ(s(Lib_Langue[147]), "mesure Spore 2D$7$Long.$Larg.$Q$V$img$comment$");
    EXPECT_EQ(s(Lib_Langue[148]), "mesure Spore 3D$8$long.$larg.$épais.$Q$L$img$comment$");
}

TEST_F(Messages_, ReplacingANameLaterLeavesItsDescriptor) {
    // As a language file does: entry 59 replaced, entry 141 not.
    Lib_Langue[59] = "measure Cystidia 3";
    Declarations::Init_TableFonctions();
    EXPECT_EQ(s(Lib_Langue[141]), "mesure Cystide 3 $6$Long.$L.base$L.col$img $comment$");
    EXPECT_EQ(s(Declarations::Champs(Declarations::TitresFonctions[4]).first()), "mesure Cystide 3 ");

    // A replaced descriptor is what the next filling of the function table takes.
    Lib_Langue[141] = "measure Cystidia 3$6$Len.$W.base$W.neck$img $comment$";
    Declarations::Init_TableFonctions();
    EXPECT_EQ(s(Declarations::TitresFonctions[4]), "measure Cystidia 3$6$Len.$W.base$W.neck$img $comment$");
}

using Declarations::Champs;
using Declarations::LargeursFonctions;
using Declarations::NombreColonnes;
using Declarations::QuestionsFonctions;
using Declarations::TitresFonctions;

TEST(Champs, SplitsOnDollarKeepingFieldsAsStored) {
    EXPECT_EQ(Champs("a$ b $c$"), QStringList({"a", " b ", "c"}));
    EXPECT_EQ(Champs("a$ b $c"), QStringList({"a", " b ", "c"}));
    EXPECT_EQ(Champs("a$$c$"), QStringList({"a", "", "c"}));
    EXPECT_EQ(Champs("seul"), QStringList({"seul"}));
    EXPECT_TRUE(Champs("").isEmpty());
    EXPECT_EQ(Champs("$"), QStringList({""}));
}

TEST_F(Messages_, FunctionRowsGiveTheGridColumns) {
    Declarations::Init_TableFonctions();

    // Segment: row number, "Longueur" 550, "img " 200, "comment" 1500.
    EXPECT_EQ(NombreColonnes(1), 4);
    EXPECT_EQ(Champs(LargeursFonctions[1]), QStringList({"4", "550", "200", "1500"}));
    EXPECT_EQ(Champs(TitresFonctions[1]), QStringList({"mesure Segment", "4", "Longueur", "img ", "comment"}));

    // A blank before the count is trimmed.
    EXPECT_EQ(s(LargeursFonctions[2]), " 7$550$550$350$500$220$1500$");
    EXPECT_EQ(NombreColonnes(2), 7);
    EXPECT_EQ(NombreColonnes(3), 8);
    EXPECT_EQ(NombreColonnes(4), 6);
    EXPECT_EQ(NombreColonnes(5), 7);
    EXPECT_EQ(NombreColonnes(6), 8);
    EXPECT_EQ(NombreColonnes(10), 4);
    EXPECT_EQ(NombreColonnes(11), 6);
    EXPECT_EQ(NombreColonnes(15), 6);
    EXPECT_EQ(NombreColonnes(16), 7);

    // Densities: the title says 6, the widths say 7, and the grid has 7 columns.
    EXPECT_EQ(NombreColonnes(13), 7);
    EXPECT_EQ(Champs(TitresFonctions[13]).at(1), "6");
    EXPECT_EQ(Champs(TitresFonctions[13]).mid(2), QStringList({"S", "Nb", "Nb/S", "Nb/L", "img ", "comment"}));
    EXPECT_EQ(Champs(LargeursFonctions[13]).size() - 1, 6);

    // Colour: no final "$", yet the last width (1500) is a field.
    EXPECT_FALSE(LargeursFonctions[20].endsWith('$'));
    EXPECT_EQ(NombreColonnes(20), 10);
    EXPECT_EQ(Champs(LargeursFonctions[20]),
              QStringList({" 10", "500", "500", "500", "500", "500", "500", "350", "250", "1500"}));
    EXPECT_EQ(Champs(TitresFonctions[20]),
              QStringList({"brastel ", "10", "R", "V", "B", "L", "a", "b", "zone", "S", "comment"}));

    // Codes without a row, 0 among them (a pasted or imported table).
    for (short f : {0, 7, 8, 9, 12, 17, 18, 19, 21, 22, 23, 24, 25}) {
        EXPECT_TRUE(TitresFonctions[f].isEmpty()) << f;
        EXPECT_TRUE(LargeursFonctions[f].isEmpty()) << f;
        EXPECT_EQ(NombreColonnes(f), 0) << f;
    }
    EXPECT_EQ(NombreColonnes(-1), 0);
    EXPECT_EQ(NombreColonnes(26), 0);
}

TEST_F(Messages_, QuestionsFollowTheMessageTable) {
    Declarations::Init_TableFonctions();
    EXPECT_EQ(s(QuestionsFonctions[1]), "effacer la grille  ?");
    EXPECT_EQ(s(QuestionsFonctions[2]), "cette image a été traitée");
    EXPECT_TRUE(QuestionsFonctions[0].isEmpty());

    Lib_Langue[190] = "clear";
    Lib_Langue[188] = " the grid";
    Declarations::Init_TableFonctions();
    EXPECT_EQ(s(QuestionsFonctions[1]), "clear the grid ?");
}

} // namespace
