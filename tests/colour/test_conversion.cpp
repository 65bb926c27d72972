// RGB to L*a*b*: the program's constants, the cut to hundredths, and an outside library.
#include <gtest/gtest.h>

#include "base/etat_partage.h"
#include "colour/conversion.h"
#include "tests/colour/aide_couleur.h"

namespace {

// Black, white, red and mid grey after the cut to hundredths, worked by hand as below.
TEST_F(CouleurTest, ConversionQuatreCouleurs) {
    struct Cas {
        double r, v, b, L, a, bb;
    } cas[] = {{0, 0, 0, 0, 0, 0},
               {255, 255, 255, 100, 0.42, -0.99},
               {255, 0, 0, 53.23, 80.42, 66.97},
               {128, 128, 128, 53.59, 0.25, -0.59}};
    for (const Cas& c : cas) {
        Vistrane::RVB_Lab(c.r, c.v, c.b);
        EXPECT_FLOAT_EQ(LabCouleur[1], float(c.L)) << c.r << ' ' << c.v << ' ' << c.b;
        EXPECT_FLOAT_EQ(LabCouleur[2], float(c.a)) << c.r << ' ' << c.v << ' ' << c.b;
        EXPECT_FLOAT_EQ(LabCouleur[3], float(c.bb)) << c.r << ' ' << c.v << ' ' << c.b;
    }
}

// The constants worked by hand before the cut (numpy, the conversion's own constants):
//   c = where(c > 0.04045, ((c + 0.055) / 1.055) ** 2.4, c / 12.92) * 100
//   xyz = [[0.4124, 0.3576, 0.1805], [0.2126, 0.7152, 0.0722], [0.0193, 0.1192, 0.9505]] @ c
//         / [94.811, 100, 107.304]
//   f = where(xyz > 0.008856, cbrt(xyz), 7.787 * xyz + 16 / 116)
TEST_F(CouleurTest, ConstantesAvantLaCoupe) {
    const auto blanc = Vistrane::Lab_de_RVB(255, 255, 255);
    EXPECT_NEAR(blanc[0], 100.0, 1e-6);
    EXPECT_NEAR(blanc[1], 0.419782, 1e-6);
    EXPECT_NEAR(blanc[2], -0.986699, 1e-6);
    const auto rouge = Vistrane::Lab_de_RVB(255, 0, 0);
    EXPECT_NEAR(rouge[0], 53.232882, 1e-6);
    EXPECT_NEAR(rouge[1], 80.423121, 1e-6);
    EXPECT_NEAR(rouge[2], 66.965528, 1e-6);
}

TEST_F(CouleurTest, CoupeAuxCentiemesDemiVersLeHaut) {
    EXPECT_FLOAT_EQ(Vistrane::Coupe_centiemes(-0.125), -0.12f);
    EXPECT_FLOAT_EQ(Vistrane::Coupe_centiemes(0.125), 0.13f);
    EXPECT_FLOAT_EQ(Vistrane::Coupe_centiemes(53.232882), 53.23f);
    EXPECT_FLOAT_EQ(Vistrane::Coupe_centiemes(66.965528), 66.97f);
    EXPECT_FLOAT_EQ(Vistrane::Coupe_centiemes(-0.986699), -0.99f);
}

// scikit-image 0.19 (Debian python3-skimage), whose matrix and white have more decimals,
// before the cut:
//   rgb2lab(array([[c]]) / 255, illuminant='D65', observer='10')
TEST_F(CouleurTest, ConversionProcheDeScikitImage) {
    struct Cas {
        double r, v, b, L, a, bb;
    } cas[] = {{255, 255, 255, 100.0, 0.41440375, -0.97085515},
               {255, 0, 0, 53.24058794, 80.40790775, 66.94824677},
               {128, 128, 128, 53.58501345, 0.24858871, -0.58238766},
               {0, 255, 0, 87.73509949, -85.88209713, 82.71303869},
               {0, 0, 255, 32.29567257, 79.42516627, -108.7895457},
               {12, 200, 77, 70.8157446, -66.28703961, 48.38146611},
               {200, 150, 30, 65.11202168, 8.93201686, 63.43083846},
               {30, 60, 90, 24.46704543, -0.42319614, -21.74018831}};
    for (const Cas& c : cas) {
        const auto lab = Vistrane::Lab_de_RVB(c.r, c.v, c.b);
        EXPECT_NEAR(lab[0], c.L, 0.02) << c.r << ' ' << c.v << ' ' << c.b;
        EXPECT_NEAR(lab[1], c.a, 0.02) << c.r << ' ' << c.v << ' ' << c.b;
        EXPECT_NEAR(lab[2], c.bb, 0.02) << c.r << ' ' << c.v << ' ' << c.b;
    }
}

} // namespace
