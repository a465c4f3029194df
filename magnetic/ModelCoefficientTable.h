// The International Geomagnetic Reference Field 1995 (epoch 1995.0), compiled into the
// program: main-field Gauss coefficients to degree and order 10 and the 1995-2000
// secular-variation rates to degree and order 8.
#pragma once

#include <cstddef>

namespace magnetic {

// One (n, m) term. The order m is stored before the degree n.
struct ModelCoefficientRow {
    double m;
    double n;
    double g;     // Schmidt quasi-normalised, nT
    double h;     // 0 where m = 0
    double gDot;  // nT per year; 0 for n = 9 and 10
    double hDot;
};
static_assert(sizeof(ModelCoefficientRow) == 48, "six 64-bit numbers per row");
static_assert(offsetof(ModelCoefficientRow, n) == 8 && offsetof(ModelCoefficientRow, hDot) == 40);

inline constexpr double ModelEpoch = 1995.0;
inline constexpr int ModelMainFieldDegree = 10;
inline constexpr int ModelSecularVariationDegree = 8;

// One row per (n, m) with n = 1..10 and m = 0..n, n ascending, m ascending within n.
inline constexpr int ModelCoefficientRowCount = 65;
extern const ModelCoefficientRow ModelCoefficientTable[ModelCoefficientRowCount];

}  // namespace magnetic
