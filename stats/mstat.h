#pragma once
// The statistics library: sorting and descriptive statistics, the normal and Student
// laws with the incomplete beta function, the homogeneity and Shapiro-Wilk tests, the
// dominant value, the grid column helpers, and the hooks the window layer sets.
#include "stats/fenstat.h"
#include "stats/fonctions_speciales.h"
#include "stats/loi_normale.h"
#include "stats/loi_student.h"
#include "stats/rappels_stat.h"
#include "stats/series.h"
#include "stats/shapiro_wilk.h"
#include "stats/test_serie.h"
#include "stats/valeur_dominante.h"
