// The language files shipped with the program, against the built-in tables: the English
// file names every text the program shows, its joined messages keep their words apart, and
// the French file gives back the built-in French.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include "base/etat_programme.h"
#include "app/langue.h"
#include "base/messages.h"
#include "base/tav.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

struct Table {
    const char* section;
    QString* entrees;
    int taille;
};
const Table kTables[] = {
    {"MNU", Lib_Menu.data(), 256},         {"MSG", Lib_Langue.data(), 256}, {"MSTAT", Lib_Stat.data(), 256},
    {"MNUSTAT", Lib_MenuStat.data(), 121}, {"BRASTEL", Lib_Couleur.data(), 256},
};

// The entries a file names in each table section, by number, as written in the file.
using Entrees = QMap<QString, QMap<int, QString>>;

class FichiersLangue : public EtatPropre {
protected:
    // Copies a file shipped beside the program into the program's folder.
    void installe(const QString& nom) {
        const QString source = QCoreApplication::applicationDirPath() + '/' + nom;
        ASSERT_TRUE(QFile::exists(source)) << s(source);
        ASSERT_TRUE(QFile::copy(source, chemin(nom)));
    }
    // Reads the table sections of a shipped file with the plain layout the files keep:
    // a header "KEY ; rest", entry lines "#n;text", each section ended by "#*;".
    static Entrees sections(const QString& nom) {
        QStringList lignes;
        EXPECT_TRUE(TextFile::readLines(QCoreApplication::applicationDirPath() + '/' + nom, lignes));
        Entrees e;
        QString section;
        static const QRegularExpression entree(QStringLiteral("^#(\\d+);(.*)$"));
        for (const QString& brute : lignes) {
            const QString l = brute.trimmed();
            if (l.isEmpty()) continue;
            if (!l.startsWith('#')) {
                section = l.section(';', 0, 0).trimmed().toUpper();
                continue;
            }
            const auto m = entree.match(l);
            if (m.hasMatch()) e[section][m.captured(1).toInt()] = m.captured(2).trimmed();
        }
        return e;
    }
    void charge(const QString& code) {
        Prompts::Script script;  // a shipped file reads without any message
        CodeLangue = code;
        Messages::Charge_Langue();
    }
};

// A text made only of signs ("<=", "<   >") needs no translation.
bool Symbole(const QString& t) {
    for (QChar c : t)
        if (c.isLetter()) return false;
    return true;
}

TEST_F(FichiersLangue, EnglishNamesEveryBuiltInText) {
    const Entrees en = sections(QStringLiteral("Tavl2_en.lng"));
    for (const Table& t : kTables) {
        for (int i = 0; i < t.taille; ++i) {
            const QString& fr = t.entrees[i];
            if (fr.trimmed().isEmpty() || Symbole(fr)) continue;
            EXPECT_TRUE(en.value(QString::fromLatin1(t.section)).contains(i))
                << t.section << " " << i << " \"" << s(fr) << "\" has no English text";
        }
    }
    // And names nothing the statistics window's captions would miss: its file reads whole.
    installe(QStringLiteral("Tavl2_en.lng"));
    charge(QStringLiteral("en"));
    EXPECT_EQ(s(Lib_MenuStat[12]), "Scatter plot");
    EXPECT_EQ(s(Lib_MenuStat[69]), "Ellipse");  // the last entry of the section was reached
    EXPECT_EQ(s(Lib_Couleur[36]), "corrected data");
}

TEST_F(FichiersLangue, EnglishJoinedMessagesKeepTheirWordsApart) {
    installe(QStringLiteral("Tavl2_en.lng"));
    charge(QStringLiteral("en"));
    // Texts are trimmed when read: where the program joins two entries, or an entry and a
    // value, the English is worded so that the join still reads.
    struct Cas {
        QString joint;
        const char* attendu;
    };
    const Cas cas[] = {
        // Clearing the grid, asked by the function switch and by the grid's buttons.
        {Lib_Langue[190] + Lib_Langue[188] + QStringLiteral(" ?"), "clear the grid ?"},
        {Lib_Langue[190] + ' ' + Lib_Langue[188] + QStringLiteral(" & ") + Lib_Langue[189] + QStringLiteral(" ? "),
         " clear the grid & the image list ? "},
        // The prompts of the counting functions.
        {Lib_Langue[202] + Lib_Langue[203], "mark the inner bumps"},
        {Lib_Langue[202] + Lib_Langue[204], "mark the outer bumps"},
        {Lib_Langue[202] + Lib_Langue[205], "mark the desired element"},
        {Lib_Langue[101] + QStringLiteral("97"), "alert:97"},
        {QStringLiteral("x.jpg") + Lib_Langue[209], "x.jpg: not found"},
        {Lib_Menu[5] + Lib_Menu[20] + Lib_Menu[21], "Choose the image folder"},
        // Refusals of the statistics.
        {Lib_Stat[1] + Lib_Stat[2], "incorrect data"},
        {Lib_Stat[1] + Lib_Stat[3], "insufficient data"},
        // The comparison of means and the Student table.
        {Lib_Stat[42] + QStringLiteral("4.55 %"), "P-value=4.55 %"},
        {Lib_Stat[25] + QStringLiteral("5 % ") + Lib_Stat[26], "At type I risk alpha=5 % the hypothesis H0 is rejected"},
        {Lib_Stat[40] + QStringLiteral("5 % ,") + Lib_Stat[27], "At risk alpha=5 % ,the hypothesis H0 is not rejected"},
        {Lib_Stat[41] + QStringLiteral("20.00 %"), "Type II risk beta=20.00 %"},
        {Lib_Stat[43] + QStringLiteral("80 %"), "Power of the test=80 %"},
        {Lib_Stat[32] + Lib_Stat[34], "Note: the power of the test is low."},
        {Lib_Stat[32] + Lib_Stat[33] + Lib_Stat[34], "Note: the power of the test is low, very low."},
        {Lib_Stat[5] + QStringLiteral("0.95"), "risk=0.95"},
        {Lib_Stat[13] + QStringLiteral("=0.1"), "Standard error of the mean=0.1"},
    };
    for (const Cas& c : cas) EXPECT_EQ(s(c.joint), c.attendu);
}

TEST_F(FichiersLangue, FrenchGivesBackTheBuiltInTexts) {
    Tav& tav = *Tav::instance();
    const QString dessin[] = {tav.MnuChrt(5).Caption, tav.MnuChrt(6).Caption, tav.MnuChrt(8).Caption,
                              tav.Illus(5).Caption};
    QMap<QString, QStringList> integre;
    for (const Table& t : kTables)
        for (int i = 0; i < t.taille; ++i) integre[QString::fromLatin1(t.section)] << t.entrees[i];

    installe(QStringLiteral("Tavl2_fr.lng"));
    charge(QStringLiteral("fr"));
    const Entrees fr = sections(QStringLiteral("Tavl2_fr.lng"));
    int vus = 0;
    for (const Table& t : kTables) {
        const QString section = QString::fromLatin1(t.section);
        for (auto it = fr[section].cbegin(); it != fr[section].cend(); ++it) {
            const int i = it.key();
            QString attendu = integre[section][i];
            // The file gives the window's caption where the table holds a placeholder.
            if (attendu.endsWith(QLatin1String("***"))) attendu.chop(3);
            attendu = attendu.trimmed();
            const QString lu = t.entrees[i];
            // Colour-chart items 5, 6 and 8 and the drawing menu's font item: the table's
            // entry is empty, unaccented or names another item; the file gives the item's
            // own caption, checked below.
            if (section == QLatin1String("MNU") && (i == 60 || i == 61 || i == 63 || i == 70)) continue;
            ++vus;
            EXPECT_EQ(s(lu), s(attendu)) << t.section << " " << i;
        }
    }
    EXPECT_GT(vus, 20);
    EXPECT_EQ(s(tav.MnuChrt(5).Caption), s(dessin[0].trimmed()));
    EXPECT_EQ(s(tav.MnuChrt(6).Caption), s(dessin[1].trimmed()));
    EXPECT_EQ(s(tav.MnuChrt(8).Caption), s(dessin[2].trimmed()));
    EXPECT_EQ(s(tav.Illus(5).Caption), s(dessin[3].trimmed()));
    EXPECT_EQ(s(tav.MnuChrt(7).Caption), "Charger un fichier scanner");  // the table's, less its marker
}

TEST_F(FichiersLangue, FrenchCaptionsAreTheWindowsOwn) {
    // The measuring window's captions as it is laid out, then as the French file gives
    // them: the same texts, but for blanks the file cannot keep.
    Tav& tav = *Tav::instance();
    Messages::Legendes_initiales();
    struct Tableau {
        const char* section;
        TableauControles Tav::*controles;
    };
    const Tableau tableaux[] = {
        {"MNUFONC", &Tav::MnuFonc}, {"MNUEDIT", &Tav::MnuEDit}, {"MNUFIC", &Tav::MnuFIC},
        {"MNUOPT", &Tav::MnuOpt},   {"MNUTLS", &Tav::Mntool},   {"BOUTONS", &Tav::bout},
        {"CHK", &Tav::Check},       {"OPTN", &Tav::Optn},       {"CADR", &Tav::Frame},
    };
    QMap<QString, QMap<int, QString>> avant;
    for (const Tableau& t : tableaux)
        for (int i = 0; i <= 44; ++i)
            if ((tav.*(t.controles)).existe(i)) avant[t.section][i] = (tav.*(t.controles))(i).Caption;

    installe(QStringLiteral("Tavl2_fr.lng"));
    charge(QStringLiteral("fr"));
    const Entrees fr = sections(QStringLiteral("Tavl2_fr.lng"));
    for (const Tableau& t : tableaux) {
        const QString section = QString::fromLatin1(t.section);
        for (auto it = fr[section].cbegin(); it != fr[section].cend(); ++it) {
            const QString attendu = avant[section].value(it.key()).trimmed();
            EXPECT_EQ(s((tav.*(t.controles))(it.key()).Caption), s(attendu)) << t.section << " " << it.key();
        }
    }
}

} // namespace
