#pragma once
// Helpers of the statistics tests.
#include <cmath>
#include <gtest/gtest.h>

// |got - ref| <= tol * |ref|, with the relative error in the failure message.
inline ::testing::AssertionResult ProcheRelatif(double got, double ref, double tol) {
    const double err = ref == 0 ? std::fabs(got) : std::fabs(got - ref) / std::fabs(ref);
    if (err <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got << ", expected " << ref << " (relative error " << err
                                         << " > " << tol << ")";
}
#define EXPECT_REL(got, ref, tol) EXPECT_TRUE(ProcheRelatif((got), (ref), (tol)))
