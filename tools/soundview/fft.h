// An in-place radix-2 FFT.
#ifndef SOUNDVIEW_FFT_H
#define SOUNDVIEW_FFT_H

#include <complex>
#include <vector>

// `x.size()` must be a power of two.
void Fft(std::vector<std::complex<float>>& x);

#endif
