// Measurement files and reports damaged at random (fixed seed): cut at every line, lines
// dropped or doubled, bytes changed, numbers out of any range, counts that lie, both
// encodings. Whatever the file, the reader must not crash, must not invent rows and must
// leave the grid's counters within the grid.
#include <QFile>
#include <QRegularExpression>
#include <random>

#include "app/etat.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/tav.h"
#include "grid/deciles.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "grid/import_csv.h"
#include "grid/fichier_trm.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/common/fixture.h"
#include "tests/grid/aide_fichiers.h"
#include "base/etat_partage.h"
#include "colour/etat_couleur.h"

namespace {

using Lignes = QList<QByteArray>;

QByteArray Joint(const Lignes& l) {
    QByteArray o;
    for (const QByteArray& x : l) o += x + "\r\n";
    return o;
}

Lignes Coupe(const QByteArray& octets) {
    Lignes l = octets.split('\n');
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    for (QByteArray& x : l)
        if (x.endsWith('\r')) x.chop(1);
    return l;
}

class FichiersAleatoires : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
        // Damaged files are meant to be reported: the messages are counted, not scripted.
        Prompts::Script::setFailureHook([this](const QString& quoi) { messages << quoi; });
    }
    void TearDown() override {
        Prompts::Script::setFailureHook([](const QString& quoi) { ADD_FAILURE() << quoi.toStdString(); });
        EtatPropre::TearDown();
    }
    void Recommence() {
        Etat::Demarrage_test(dir_.path());
        Redimensionne_vue_a(9000);
        Tav::instance()->picbase.Width = 15000;
        EchelleAffichage = 1.0;
    }
    QByteArray Golden(const char* nom) {
        QByteArray o = Octets(Donnees(QString::fromLatin1(nom)));
        EXPECT_FALSE(o.isEmpty()) << nom;
        return o.replace("@DOSSIER@", dir_.path().toUtf8());
    }
    static QList<QStringList> Cellules() {
        QList<QStringList> g;
        for (int r = 0; r < NbLignesGrille; ++r) {
            QStringList x;
            for (int c = 0; c < GrilleRef.Cols(); ++c) x << GrilleRef.TextMatrix(r, c);
            g << x;
        }
        return g;
    }
    // Reads the bytes as a file and checks what any file must leave; a measurement file
    // read without a reported fault must also come back the same once saved.
    void Lit_et_verifie(const QByteArray& octets, bool csv, const std::string& quoi) {
        SCOPED_TRACE(quoi);
        Recommence();
        const QString p = chemin(csv ? QStringLiteral("x.csv") : QStringLiteral("x.trm"));
        {
            QFile f(p);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(octets);
        }
        messages.clear();
        {
            Prompts::Script s;
            short statut = 0;
            if (csv) Gen::Lit_csv(p, statut); else Gen::Lit_trame(p, statut);
            if (statut == 1) return;
        }
        const bool sain = !messages.join(QString()).contains(QLatin1String("erreur fichier")) &&
                          !messages.join(QString()).contains(QLatin1String("corrigée"));
        // Rows a file can bring: its non-blank lines after the key that opens them.
        const Lignes l = Coupe(octets);
        int possibles = 0;
        bool ouvert = false;
        for (const QByteArray& x : l) {
            const QByteArray t = x.trimmed().toUpper();
            if (ouvert && !t.isEmpty()) ++possibles;
            if (csv ? x.startsWith("LISTE") : (t.startsWith("TRAME") && t.contains('='))) ouvert = true;
        }
        if (csv) possibles = std::max(possibles - 1, 0);   // the title row
        ASSERT_GE(NbLignesGrille, 1);
        ASSERT_LE(NbLignesGrille, GrilleRef.Rows() - 1);
        ASSERT_LE(NbLignesGrille, TailleGrille);
        ASSERT_LE(NbLignesGrille - 1, possibles);
        for (int r = NbLignesGrille; r < GrilleRef.Rows(); ++r)
            for (int c = 1; c < GrilleRef.Cols(); ++c)
                ASSERT_TRUE(GrilleRef.TextMatrix(r, c).isEmpty()) << "row " << r << " col " << c;

        if (!csv && sain) {
            const QList<QStringList> avant = Cellules();
            const short fonction = NumFonction;
            const QString q = chemin(QStringLiteral("copie.trm"));
            ASSERT_TRUE(Gen::Ecrit_trame(q));
            Recommence();
            Prompts::Script s;
            short statut = 0;
            Gen::Lit_trame(q, statut);
            ASSERT_EQ(NumFonction, fonction);
            ASSERT_EQ(Cellules(), avant);
        }

        // The statistics of whatever was loaded are numbers or nothing.
        Tav::instance()->Calcul_stat();
        Gen::Calcule_deciles();
        for (const Grille* g : {&GrilleRef, &GrilleRefP})
            for (int r = 1; r < g->Rows(); ++r)
                for (int c = 1; c < g->Cols() - 2; ++c) {
                    const QString t = g->TextMatrix(r, c);
                    EXPECT_FALSE(t.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
                                 t.contains(QLatin1String("nan"), Qt::CaseInsensitive))
                        << "cell " << r << "," << c << ": " << t.toStdString();
                }
    }
    QStringList messages;
};

// One random change of the lines.
void Mute(Lignes& l, std::mt19937& h) {
    auto au_hasard = [&h](int n) { return int(std::uniform_int_distribution<int>(0, std::max(n - 1, 0))(h)); };
    static const char* const nombres[] = {"1e308", "-1e308", "99999999999999999999", "2147483648", "-2147483649",
                                          "32768", "-32769", "1e-320", "-0", "0", "-5", "300", "1000", "1,5e400",
                                          "65535", "-1"};
    static const char* const comptes[] = {"-5", "-1", "0", "255", "256", "300", "1000", "1e9", "32767", "64", "128"};
    if (l.isEmpty()) return;
    const int i = au_hasard(int(l.size()));
    switch (au_hasard(8)) {
    case 0: l.removeAt(i); break;
    case 7: l.swapItemsAt(i, au_hasard(int(l.size()))); break;
    case 1: l.insert(i, l[i]); break;
    case 2: {  // bytes of any value, line breaks and separators included
        QByteArray& x = l[i];
        for (int k = au_hasard(4) + 1; k > 0; --k) {
            const char c = char(au_hasard(256));
            if (x.isEmpty()) x += c; else x[au_hasard(int(x.size()))] = c;
        }
        break;
    }
    case 3: {  // a number of the line replaced by one out of range
        static const QRegularExpression nombre(QStringLiteral("-?\\d+([.,]\\d+)?"));
        QString x = QString::fromLatin1(l[i]);
        const auto trouves = nombre.globalMatch(x);
        QList<QRegularExpressionMatch> m;
        for (auto it = trouves; it.hasNext();) m << it.next();
        if (m.isEmpty()) break;
        const QRegularExpressionMatch& choisi = m[au_hasard(int(m.size()))];
        x.replace(choisi.capturedStart(), choisi.capturedLength(),
                  QString::fromLatin1(nombres[au_hasard(int(std::size(nombres)))]));
        l[i] = x.toLatin1();
        break;
    }
    case 4: {  // a count that lies
        static const char* const cles[] = {"NBLIGNES= ", "NBIMAGES= ", "NBLGMAX ="};
        const char* cle = cles[au_hasard(3)];
        for (QByteArray& x : l)
            if (x.startsWith(cle)) x = QByteArray(cle) + comptes[au_hasard(int(std::size(comptes)))];
        break;
    }
    case 5: l = l.mid(0, i); break;
    default: l[i].truncate(au_hasard(int(l[i].size()) + 1)); break;
    }
}

} // namespace

TEST_F(FichiersAleatoires, DamagedFilesNeverCrashNorInventRows) {
    const char* const trm[] = {"fonction01.trm", "fonction02.trm", "fonction03.trm", "fonction04.trm",
                               "fonction05.trm", "fonction06.trm", "fonction10.trm", "fonction11.trm",
                               "fonction13.trm", "fonction14.trm", "fonction15.trm", "fonction16.trm",
                               "fonction20.trm"};
    const char* const csv[] = {"rapport_segment.csv", "rapport_segment.txt", "rapport_cystides.csv"};
    std::vector<std::pair<QByteArray, bool>> sources;
    for (const char* n : trm) sources.emplace_back(Golden(n), false);
    for (const char* n : csv) sources.emplace_back(Golden(n), true);

    // 300 rows, more than the largest grid holds, in both kinds of file.
    {
        Lignes l = Coupe(Golden("fonction02.trm"));
        const qsizetype trame = l.indexOf("TRAME= ");
        Lignes t = l.mid(0, l.indexOf("COMMENT= ") + 1);
        t.replace(t.indexOf("NBLIGNES= 2"), "NBLIGNES= 300");
        t.replace(t.indexOf("NBLGMAX =128"), "NBLGMAX =256");
        for (int i = 1; i <= 300; ++i) t << QByteArray::number(i) + ";";
        t << "FIN" << "TRAME= ";
        for (int i = 1; i <= 300; ++i) t << l[trame + 1 + (i % 2)];
        sources.emplace_back(Joint(t), false);
        // A smaller size given after the function, or with no function line at all.
        t.replace(t.indexOf("NBLGMAX =256"), "NBLGMAX =64");
        t.move(t.indexOf("NBLGMAX =64"), t.indexOf("FONCTION= 2"));
        Lit_et_verifie(Joint(t), false, "size after function");
        t.removeAt(t.indexOf("FONCTION= 2"));
        Lit_et_verifie(Joint(t), false, "no function");
        Lignes c = Coupe(Golden("rapport_segment.csv"));
        const qsizetype liste = c.indexOf("LISTE=");
        Lignes u = c.mid(0, liste + 2);
        for (int i = 1; i <= 300; ++i) u << QByteArray::number(i) + "; " + QByteArray::number(i) + ",25; 1; ; ";
        sources.emplace_back(Joint(u), true);
    }

    // Values near the largest double: no statistic may overflow into "Inf", nor read 0.
    QByteArray enorme = "LISTE=\r\nN; L; img; c; \r\n";
    for (int i = 1; i <= 11; ++i) enorme += QByteArray::number(i) + (i == 6 ? "; 1e308; 1; ; \r\n" : "; 2,5; 1; ; \r\n");
    Lit_et_verifie(enorme, true, "1e308 among 2.5");
    EXPECT_EQ(GrilleRefP.TextMatrix(3, 1).left(4), QStringLiteral("1000"));
    EXPECT_EQ(GrilleRefP.TextMatrix(4, 1), QString());   // no sigma, rather than 0
    EXPECT_EQ(GrilleRefP.TextMatrix(8, 1), QStringLiteral("11"));
    // D9 at rank 9 · 12 / 10 = 10.8, between the 10th and 11th keys: 2.5 + 0.8 · (1e308 - 2.5).
    EXPECT_NEAR(Gen::Val_decimal(GrilleRefP.TextMatrix(11, 1)) / 8e307, 1.0, 1e-12);
    // A calibration beyond the doubles is no calibration (it would read as 0).
    QByteArray calibrage = Golden("fonction01.trm").replace(" 0,5 ", " 1e400 ");
    Lit_et_verifie(calibrage, false, "calibration 1e400");
    EXPECT_TRUE(messages.join(QString()).contains(QLatin1String("erreur fichier"))) << messages.join('|').toStdString();
    // The key of the image block lost: its paths are stray lines, and the file is not sound.
    Lit_et_verifie(Golden("fonction02.trm").replace("IMAGES= \r\n", ""), false, "no image key");
    EXPECT_TRUE(messages.join(QString()).contains(QLatin1String("ligne 11"))) << messages.join('|').toStdString();

    for (const bool kind : {false, true}) {
        // Files that hold nothing say so rather than leave an empty grid without a word.
        for (const QByteArray& rien : {QByteArray(), QByteArray("\r\n")}) {
            Lit_et_verifie(rien, kind, "empty or blank");
            EXPECT_TRUE(messages.join(QString()).contains(QLatin1String("erreur fichier")));
        }
    }
    std::mt19937 h(20250602);
    for (size_t i = 0; i < sources.size(); ++i) {
        // Cut at every line for files of several rows, at one line chosen at random for the
        // others; and the same file as UTF-8.
        const auto& [octets, kind] = sources[i];
        const Lignes l = Coupe(octets);
        const bool toutes = i == 1 || i == 11 || i == 15;
        for (int n = 0; n <= l.size(); ++n)
            if (toutes || std::uniform_int_distribution<int>(0, int(l.size()))(h) == 0)
                Lit_et_verifie(Joint(l.mid(0, n)), kind, "cut at line " + std::to_string(n) + " of source " + std::to_string(i));
        Lit_et_verifie(TextFile::decode1252(octets).toUtf8(), kind, "utf-8");
    }

    for (int essai = 0; essai < 150; ++essai) {
        const auto& [octets, kind] = sources[size_t(essai) % sources.size()];
        Lignes l = Coupe(octets);
        for (int k = std::uniform_int_distribution<int>(1, 3)(h); k > 0; --k) Mute(l, h);
        const QByteArray o = Joint(l);
        Lit_et_verifie(o, kind, "trial " + std::to_string(essai) + ":\n" + o.left(1500).toStdString());
        if (HasFatalFailure()) return;
    }
}
