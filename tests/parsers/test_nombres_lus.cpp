// The strict number reader that files, pasted cells and typed boxes share: either
// decimal separator, the exponent letters, blanks around; anything else refused.
#include <cmath>

#include "base/gen.h"
#include "tests/parsers/aide_parsers.h"

namespace {

std::optional<double> lu(const char* texte) {
    double v = 0;
    if (!Gen::Nombre_lu(QString::fromUtf8(texte), v)) return std::nullopt;
    return v;
}

std::optional<long long> entier(const char* texte, double min = -32768, double max = 32767) {
    long long v = 0;
    if (!Gen::Entier_lu(QString::fromUtf8(texte), min, max, v)) return std::nullopt;
    return v;
}

TEST(NombreLu, EitherSeparatorExponentsAndBlanks) {
    EXPECT_EQ(lu("12,5"), 12.5);
    EXPECT_EQ(lu("12.5"), 12.5);
    EXPECT_EQ(lu("  -3,5E2 \t"), -350.0);
    EXPECT_EQ(lu("1D3"), 1000.0);
    EXPECT_EQ(lu("2,5d-1"), 0.25);
    EXPECT_EQ(lu("+,25"), 0.25);
    EXPECT_EQ(lu(".5"), 0.5);
    EXPECT_EQ(lu("5,"), 5.0);
    EXPECT_EQ(lu("007"), 7.0);
    // The closest double to 0.1, the same under both separators.
    EXPECT_EQ(lu("0,1"), 0.1);
    EXPECT_EQ(lu("0.1"), 0.1);
}

TEST(NombreLu, AnyOtherTextIsNoNumber) {
    for (const char* t : {"", "   ", ",", ".", "-", "+e5", "e5", "1e", "1e+", "1,2,3", "1.2.3", "1 2", "12abc",
                          "x1", "&H1F", "0x10", "1,5;", "inf", "-inf", "nan", "NaN", "infinity", "1e400", "-1e400",
                          "1e-400", "١٢", "１２"}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(lu(t), std::nullopt);
    }
}

TEST(NombreLu, WholeNumbersRoundHalfToEvenWithinTheirRange) {
    EXPECT_EQ(entier("2,5"), 2);
    EXPECT_EQ(entier("3.5"), 4);
    EXPECT_EQ(entier("-2,5"), -2);
    EXPECT_EQ(entier("32767"), 32767);
    EXPECT_EQ(entier("32767,4"), 32767);
    EXPECT_EQ(entier("32767,5"), std::nullopt);
    EXPECT_EQ(entier("-32768"), -32768);
    EXPECT_EQ(entier("-32768,6"), std::nullopt);
    EXPECT_EQ(entier("1e3", 64, 256), std::nullopt);
    EXPECT_EQ(entier("1,28E2", 64, 256), 128);
    EXPECT_EQ(entier("2147483647", -2147483648.0, 2147483647.0), 2147483647);
    EXPECT_EQ(entier("1e300", -1e300, 1e300), std::nullopt);  // no whole number holds it
    EXPECT_EQ(entier("douze"), std::nullopt);
}

} // namespace
