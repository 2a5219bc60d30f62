// Iterative Cooley-Tukey: bit-reversed order, then butterflies of growing span.
#include "fft.h"

#include <cmath>
#include <utility>

namespace {

void BitReverse(std::vector<std::complex<float>>& x)
{
    size_t n = x.size();
    for (size_t i = 1, j = 0; i < n; i++) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j |= bit;
        if (i < j) {
            std::swap(x[i], x[j]);
        }
    }
}

}  // namespace

void Fft(std::vector<std::complex<float>>& x)
{
    BitReverse(x);
    size_t n = x.size();
    for (size_t span = 2; span <= n; span <<= 1) {
        double angle = -2.0 * M_PI / (double)span;
        std::complex<float> step((float)std::cos(angle), (float)std::sin(angle));
        for (size_t start = 0; start < n; start += span) {
            std::complex<float> w(1.0f, 0.0f);
            for (size_t k = 0; k < span / 2; k++) {
                std::complex<float> a = x[start + k];
                std::complex<float> b = x[start + k + span / 2] * w;
                x[start + k] = a + b;
                x[start + k + span / 2] = a - b;
                w *= step;
            }
        }
    }
}
