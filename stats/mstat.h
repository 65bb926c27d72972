#pragma once
// The statistics library: sorting and descriptive statistics, the normal and Student
// laws with the incomplete beta function, the homogeneity and Shapiro-Wilk tests, the
// dominant value, and the grid column helpers.
#include "stats/fenstat.h"
#include "stats/fonctions_speciales.h"
#include "stats/loi_normale.h"
#include "stats/loi_student.h"
#include "stats/series.h"
#include "stats/shapiro_wilk.h"
#include "stats/test_serie.h"
#include "stats/valeur_dominante.h"
