// Number semantics (conversions, parsing, format patterns) and the small helpers.
#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>
#include <cmath>
#include <limits>

#include "base/gen.h"
#include "base/messages.h"
#include "base/vb.h"
#include "platform/prompts.h"
#include "platform/waits.h"
#include "tests/common/fixture.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

int numeroErreur(double x, bool longue) {
    try {
        if (longue) Vb::CLng(x); else Vb::CInt(x);
    } catch (const Vb::Erreur& e) {
        return e.numero;
    }
    return 0;
}

TEST(Conversions, RoundHalvesToEven) {
    EXPECT_EQ(Vb::CInt(0.5), 0);
    EXPECT_EQ(Vb::CInt(1.5), 2);
    EXPECT_EQ(Vb::CInt(2.5), 2);
    EXPECT_EQ(Vb::CInt(3.5), 4);
    EXPECT_EQ(Vb::CInt(-2.5), -2);
    EXPECT_EQ(Vb::CInt(-1.5), -2);
    EXPECT_EQ(Vb::CInt(2.5000001), 3);
    EXPECT_EQ(Vb::CInt(-0.4), 0);
    EXPECT_EQ(Vb::CLng(100000.5), 100000);
    EXPECT_EQ(Vb::CLng(100001.5), 100002);
    EXPECT_EQ(Vb::CLng(-7.5), -8);
}

TEST(Conversions, OverflowRaisesErrorSix) {
    EXPECT_EQ(Vb::CInt(32767.4), 32767);
    EXPECT_EQ(numeroErreur(32767.5, false), 6);   // rounds to the even 32768
    EXPECT_EQ(Vb::CInt(-32768.5), -32768);         // -32768 is even
    EXPECT_EQ(numeroErreur(-32769.0, false), 6);
    EXPECT_EQ(numeroErreur(std::nan(""), false), 6);
    EXPECT_EQ(Vb::CLng(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(numeroErreur(2147483647.5, true), 6);
    EXPECT_EQ(numeroErreur(1e10, true), 6);
    EXPECT_THROW(Vb::CInt(std::numeric_limits<double>::infinity()), Vb::Erreur);
}

TEST(Val, ReadsTheNumberTheTextBeginsWith) {
    EXPECT_DOUBLE_EQ(Vb::Val("  1 2 3"), 123.0);
    EXPECT_DOUBLE_EQ(Vb::Val("\t12\t.5 mm"), 12.5);
    EXPECT_DOUBLE_EQ(Vb::Val("1.234.5"), 1.234);
    EXPECT_DOUBLE_EQ(Vb::Val("1.5E2"), 150.0);
    EXPECT_DOUBLE_EQ(Vb::Val("2D3"), 2000.0);
    EXPECT_DOUBLE_EQ(Vb::Val("-1.5e-1"), -0.15);
    EXPECT_DOUBLE_EQ(Vb::Val("- 4"), -4.0);
    EXPECT_DOUBLE_EQ(Vb::Val("+7x"), 7.0);
    EXPECT_DOUBLE_EQ(Vb::Val(".25"), 0.25);
    EXPECT_DOUBLE_EQ(Vb::Val("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(Vb::Val("3E"), 3.0);
    EXPECT_DOUBLE_EQ(Vb::Val("&H1F"), 31.0);
    EXPECT_DOUBLE_EQ(Vb::Val("&HFFFF"), -1.0);   // a 16-bit constant
    EXPECT_DOUBLE_EQ(Vb::Val("&O17"), 15.0);
    EXPECT_EQ(Vb::Val("abc"), 0.0);
    EXPECT_EQ(Vb::Val("E5"), 0.0);
    EXPECT_EQ(Vb::Val(""), 0.0);
    EXPECT_EQ(Vb::Val("-"), 0.0);
    EXPECT_EQ(Vb::Val("3,5"), 3.0);   // only the point separates decimals
}

// Expected texts written by hand from the patterns' rules.
TEST(Format, FrenchLocaleWritesADecimalComma) {
    LocaleScope fr(QLocale::French, QLocale::France);
    EXPECT_EQ(s(Vb::Format(3.14159, "###0.00")), "3,14");
    EXPECT_EQ(s(Vb::Format(3.14159, "###0.0")), "3,1");
    EXPECT_EQ(s(Vb::Format(12.345678, "###0.0000")), "12,3457");
    EXPECT_EQ(s(Vb::Format(1.25, "00000.0000")), "00001,2500");
    EXPECT_EQ(s(Vb::Format(0.5, "0.000")), "0,500");
    EXPECT_EQ(s(Vb::Format(0.5, "###0.00")), "0,50");
    EXPECT_EQ(s(Vb::Format(-2.71828, "###0.00")), "-2,72");
    EXPECT_EQ(s(Vb::Format(-0.5, "00000.0000")), "-00000,5000");
    EXPECT_EQ(s(Vb::Format(-0.004, "###0.00")), "0,00");    // rounds to zero: no sign
    EXPECT_EQ(s(Vb::Format(-0.00004, "0.000")), "0,000");
    EXPECT_EQ(s(Vb::Format(99999, "###0.00")), "99999,00");
    EXPECT_EQ(s(Vb::Format(99999, "00000.0000")), "99999,0000");
    EXPECT_EQ(s(Vb::Format(123456.7, "00000.0000")), "123456,7000");
    EXPECT_EQ(s(Vb::Format(99999.99, "###0.0")), "100000,0");
    EXPECT_EQ(s(Vb::Format(0.5, "##.####")), ",5");         // no integer digit required
    EXPECT_EQ(s(Vb::Format(2.5, "0")), "3");                // the format rounds halves up
}

TEST(Format, EnglishLocaleWritesAPoint) {
    LocaleScope c(QLocale::C);
    EXPECT_EQ(s(Vb::Format(3.14159, "###0.00")), "3.14");
    EXPECT_EQ(s(Vb::Format(1.25, "00000.0000")), "00001.2500");
    EXPECT_EQ(s(Vb::Format(-2.71828, "0.000")), "-2.718");
    EXPECT_EQ(s(Vb::Format(-0.04, "###0.0")), "0.0");
    EXPECT_EQ(s(Vb::Format(99999, "###0.0000")), "99999.0000");
    LocaleScope en(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(s(Vb::Format(7.0, "###0.0")), "7.0");
}

TEST(ValDecimal, ACommaCountsAsTheDecimalSeparator) {
    EXPECT_DOUBLE_EQ(Gen::Val_decimal("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(Gen::Val_decimal("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(Gen::Val_decimal("1,234,5"), 1.234);
    EXPECT_DOUBLE_EQ(Gen::Val_decimal("-3,5E2"), -350.0);
    EXPECT_DOUBLE_EQ(Gen::Val_decimal(" 1 2,5"), 12.5);
    EXPECT_EQ(Gen::Val_decimal(""), 0.0);
    EXPECT_EQ(Gen::Val_decimal("abc"), 0.0);
}

TEST(NomsDeFichiers, NameAndExtension) {
    EXPECT_EQ(s(Gen::Nom_fichier("C:\\images\\spores\\lame 1.jpg")), "lame 1.jpg");
    EXPECT_EQ(s(Gen::Nom_fichier("lame.jpg")), "lame.jpg");
    EXPECT_EQ(s(Gen::Nom_fichier("C:\\images\\")), "");
    EXPECT_EQ(s(Gen::Nom_fichier("")), "");
    EXPECT_EQ(s(Gen::Nom_fichier("/tmp/images/lame.jpg")), "lame.jpg");

    EXPECT_EQ(s(Gen::Sans_extension("lame.2024.jpg")), "lame.2024");
    EXPECT_EQ(s(Gen::Sans_extension("TrameSav.trm")), "TrameSav");
    EXPECT_EQ(s(Gen::Sans_extension("sansextension")), "sansextension");
    EXPECT_EQ(s(Gen::Sans_extension(".jpg")), "");
}

TEST(PositionCaractere, FirstExactMatchFromOne) {
    EXPECT_EQ(Gen::Position_caractere("abcabc", "c"), 3);
    EXPECT_EQ(Gen::Position_caractere("abc", "a"), 1);
    EXPECT_EQ(Gen::Position_caractere("abc", "C"), 0);
    EXPECT_EQ(Gen::Position_caractere("", "a"), 0);
    EXPECT_EQ(Gen::Position_caractere("épais=2", "="), 6);
}

class FichierExiste : public EtatPropre {};

TEST_F(FichierExiste, TellsTheUserOnlyWhenAsked) {
    const QString present = chemin("lame.jpg");
    {
        QFile f(present);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    const QString absent = chemin("absente.jpg");

    {
        Prompts::Script script;   // no prompt expected
        EXPECT_EQ(Gen::Fichier_existe(present, QString(), 1), -1);
        EXPECT_EQ(Gen::Fichier_existe(absent, QString(), 0), 0);
        EXPECT_EQ(Gen::Fichier_existe(absent), 0);
        EXPECT_EQ(Gen::Fichier_existe(dir_.path(), QString(), 0), 0);   // a folder
        EXPECT_EQ(Gen::Fichier_existe(QString(), QString(), 0), 0);
        EXPECT_TRUE(script.seen().empty());
    }
    {
        Prompts::Script script;
        script.message("introuvable").message("Pas de lame");
        EXPECT_EQ(Gen::Fichier_existe(absent, QString(), 1), 0);
        EXPECT_EQ(Gen::Fichier_existe(absent, "Pas de lame", 1), 0);
        ASSERT_EQ(script.seen().size(), 2u);
        EXPECT_EQ(s(script.seen()[0].text), s(absent) + "  introuvable");
        EXPECT_EQ(s(script.seen()[1].text), "Pas de lame");
    }
    {
        Prompts::Script script;   // a show flag other than 1 shows nothing
        EXPECT_EQ(Gen::Fichier_existe(absent, "Pas de lame", 2), 0);
    }
}

TEST(Pause, EndsOnTheFakeClockWhileEventsRun) {
    Waits::FakeClock clock(0.05);
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    Gen::Pause(1.0);
    EXPECT_TRUE(ran);
    EXPECT_GE(clock.rounds(), 19);
    EXPECT_LE(clock.rounds(), 21);

    const int before = clock.rounds();
    Gen::Pause(0);
    Gen::Pause(-3);
    Gen::Pause(std::numeric_limits<double>::infinity());
    EXPECT_EQ(clock.rounds(), before);
}

} // namespace
