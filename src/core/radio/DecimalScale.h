#pragma once
// Exact decimal arithmetic for typed frequencies and tones.
//
// A typed 446.00625 is not exactly representable in binary; multiplying the
// double by 100000 and truncating can land one unit low. Both operands are
// therefore taken as the decimals they were typed as (at most 15 significant
// digits, which every double round-trips through), multiplied exactly, and
// only the exact product is rounded back to a double.

// The double nearest to the exact product of x and factor, each first rounded
// to 15 significant decimal digits. A non-finite operand gives x * factor; a
// product beyond the double range gives a signed infinity, one below it a
// signed zero.
double DecimalScale(double x, double factor);

// Truncates toward zero, saturating at the limits of long long; NaN gives 0.
// Converting an out-of-range double straight to an integer is undefined.
long long TruncateToInteger(double value);
