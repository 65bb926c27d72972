#include "base/declarations.h"

#include "base/messages.h"
#include "platform/prompts.h"

namespace Declarations {

void Init_TableFonctions() {
    // Segment, spores and cystidia with 3 measures: their titles follow the language.
    TitresFonctions[1] = Lib_Langue[146];
    LargeursFonctions[1] = QStringLiteral("4$550$200$1500$");
    TitresFonctions[2] = Lib_Langue[147];
    LargeursFonctions[2] = QStringLiteral(" 7$550$550$350$500$220$1500$");
    TitresFonctions[3] = Lib_Langue[148];
    LargeursFonctions[3] = QStringLiteral("8$550$550$550$350$350$220$1500$");
    TitresFonctions[4] = Lib_Langue[141];
    LargeursFonctions[4] = QStringLiteral(" 6$550$550$550$220$1500$");

    TitresFonctions[5] = QStringLiteral("mesure Cystide 4$7$Long.$L.base$L.col$L+$img $comment$");
    LargeursFonctions[5] = QStringLiteral(" 7$550$550$550$550$220$1500$");
    TitresFonctions[6] = QStringLiteral("mesure Cystide 5$8$Long.$L.base$L.col$L+$L++$img $comment$");
    LargeursFonctions[6] = QStringLiteral(" 8$550$550$550$550$550$220$1500$");

    // Counting.
    TitresFonctions[10] = QStringLiteral("Comptage-1$4$NB1$img $comment$");
    LargeursFonctions[10] = QStringLiteral("4$550$200$1500$");
    TitresFonctions[11] = QStringLiteral("Comptage-2$6$A$B$A+2B$img $comment$");
    LargeursFonctions[11] = QStringLiteral("6$550$550$550$200$1500$");

    // Densities: the widths, not the titles, give the column count (7).
    TitresFonctions[13] = QStringLiteral("Densité/Ellipse$6$S$Nb$Nb/S$Nb/L$img $comment$");
    LargeursFonctions[13] = QStringLiteral("7$750$300$550$450$200$1500$");
    TitresFonctions[14] = QStringLiteral("Densité/rectangle$6$S$Nb$Nb/S$Nb/L$img $comment$");
    LargeursFonctions[14] = QStringLiteral("7$750$300$550$450$200$1500$");

    // Surfaces.
    TitresFonctions[15] = QStringLiteral("Triangle$4$Surf$peri.$angle$img $comment$");
    LargeursFonctions[15] = QStringLiteral("6$500$500$500$500$1450$");
    TitresFonctions[16] = QStringLiteral("Polygone$5$Surf$peri.$Rm$F$img $comment$");
    LargeursFonctions[16] = QStringLiteral("7$500$500$500$500$500$1450$");

    // Colour; its widths descriptor has no final "$".
    TitresFonctions[20] = QStringLiteral("brastel $10$R$V$B$L$a$b$zone$S$comment$");
    LargeursFonctions[20] = QStringLiteral(" 10$500$500$500$500$500$500$350$250$1500");

    QuestionsFonctions[1] = Lib_Langue[190] + Lib_Langue[188] + QStringLiteral(" ?");
    QuestionsFonctions[2] = Lib_Langue[111];
}

QStringList Champs(const QString& descripteur) {
    QStringList champs = descripteur.split(QLatin1Char('$'));
    // The text after a final "$" is not a field; an empty descriptor has none.
    if (champs.last().isEmpty()) champs.removeLast();
    return champs;
}

int NombreColonnes(short fonction) {
    if (fonction < 0 || fonction >= 26) return 0;
    const QStringList champs = Champs(LargeursFonctions[fonction]);
    return champs.isEmpty() ? 0 : champs.first().trimmed().toInt();
}

bool Confirme_changement() {
    Init_TableFonctions();
    return Prompts::msgBox(QuestionsFonctions[1], Prompts::YesNo | Prompts::IconQuestion) == Prompts::Yes;
}

} // namespace Declarations
