// The synthesiser: band-limited oscillators, an envelope with attack, decay,
// sustain and release, pitch slide and vibrato, tremolo, two filters, stereo
// pan and a feed-forward echo.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

const double PI = 3.14159265358979323846;

// Smooths the step of a square or saw wave at a phase wrap (poly-BLEP).
double Blep(double phase, double increment)
{
    if (phase < increment) {
        double t = phase / increment;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - increment) {
        double t = (phase - 1.0) / increment;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

struct Oscillator {
    double phase = 0;
    uint32_t noise = 1;

    double Next(const Instrument& ins, double increment)
    {
        double value = 0;
        switch (ins.wave) {
        case WAVE_SINE:
            value = std::sin(2 * PI * phase);
            break;
        case WAVE_TRIANGLE:
            value = 4 * std::fabs(phase - 0.5) - 1;
            break;
        case WAVE_SQUARE: {
            // Less the mean of a pulse of this duty, so narrow pulses carry no DC.
            value = (phase < ins.duty ? 1.0 : -1.0) - (2 * ins.duty - 1);
            value += Blep(phase, increment);
            double shifted = std::fmod(phase + 1.0 - ins.duty, 1.0);
            value -= Blep(shifted, increment);
            break;
        }
        case WAVE_SAW:
            value = 2 * phase - 1 - Blep(phase, increment);
            break;
        case WAVE_NOISE:
            noise = noise * 1664525u + 1013904223u;
            value = (double)(noise >> 8) / (double)(1u << 23) - 1.0;
            break;
        }
        phase += increment;
        phase -= std::floor(phase);
        return value;
    }
};

double Envelope(const Instrument& ins, double t, double held)
{
    double level;
    double attack = std::max(ins.attack, 1e-4);
    double timeAtHold = std::min(t, held);
    if (timeAtHold < attack) {
        level = timeAtHold / attack;
    } else {
        double d = std::max(ins.decay, 1e-4);
        level = ins.sustain + (1 - ins.sustain) * std::exp(-(timeAtHold - attack) / d);
    }
    if (t > held) {
        double r = std::max(ins.release, 1e-4);
        level *= std::max(0.0, 1.0 - (t - held) / r);
    }
    return level;
}

// One-pole coefficient for a cut-off frequency.
double PoleCoefficient(double cutoff, int rate)
{
    return 1.0 - std::exp(-2 * PI * cutoff / rate);
}

struct Filters {
    double low1 = 0, low2 = 0, high = 0, lastIn = 0;

    double Apply(const Instrument& ins, double x, double lowCoef, double highCoef)
    {
        if (ins.highpass > 0) {
            high = (1 - highCoef) * (high + x - lastIn);
            lastIn = x;
            x = high;
        }
        if (ins.lowpass > 0) {
            low1 += lowCoef * (x - low1);
            low2 += lowCoef * (low1 - low2);
            x = low2;
        }
        return x;
    }
};

void RenderNote(const Instrument& ins, const Note& note, double beatSeconds, int rate, bool loop,
                std::vector<double>& mono, uint32_t seed)
{
    long frames = (long)mono.size();
    double held = note.beats * beatSeconds * ins.gate;
    long length = (long)((held + ins.release) * rate) + 1;
    long start = (long)std::llround(note.start * beatSeconds * rate);
    Oscillator osc[2];
    osc[0].noise = seed;
    osc[1].noise = seed * 7 + 3;
    osc[1].phase = 0.25;
    Filters filters;
    double lowCoef = PoleCoefficient(ins.lowpass, rate);
    double highCoef = 1.0 - PoleCoefficient(ins.highpass, rate);
    int oscillators = ins.detune != 0 ? 2 : 1;
    for (long i = 0; i < length; i++) {
        long at = start + i;
        if (at >= frames) {
            if (!loop) {
                break;
            }
            at %= frames;
        }
        double t = (double)i / rate;
        double semitones = ins.slide * std::min(1.0, t / std::max(ins.slideTime, 1e-4)) +
                           ins.vibratoDepth * std::sin(2 * PI * ins.vibratoRate * t);
        double frequency = note.frequency * std::pow(2.0, semitones / 12.0);
        double value = 0;
        for (int k = 0; k < oscillators; k++) {
            double cents = k == 0 ? 0 : ins.detune;
            double increment = std::min(0.45, frequency * std::pow(2.0, cents / 1200.0) / rate);
            value += osc[k].Next(ins, increment) / oscillators;
        }
        value = filters.Apply(ins, value, lowCoef, highCoef);
        double tremolo = 1 - ins.tremoloDepth * (0.5 + 0.5 * std::sin(2 * PI * ins.tremoloRate * t));
        mono[at] += value * Envelope(ins, t, held) * tremolo * note.velocity * ins.volume;
    }
}

// Three echoes, each quieter by the echo level, wrapped round in a loop.
void AddEcho(const Instrument& ins, int rate, bool loop, std::vector<double>& mono)
{
    if (ins.echoTime <= 0 || ins.echoLevel <= 0) {
        return;
    }
    std::vector<double> dry = mono;
    long frames = (long)mono.size();
    long delay = (long)(ins.echoTime * rate);
    double level = 1;
    for (int tap = 1; tap <= 3; tap++) {
        level *= ins.echoLevel;
        for (long i = 0; i < frames; i++) {
            long from = i - delay * tap;
            if (from < 0) {
                if (!loop) {
                    continue;
                }
                from = ((from % frames) + frames) % frames;
            }
            mono[i] += dry[from] * level;
        }
    }
}

// A piece that ends leaves room after its last beat for the longest release,
// so its last notes die away inside the file; a loop's tails wrap round.
double BeatSeconds(const Score& score, long frames)
{
    double beats = 0;
    for (const auto& entry : score.voices) {
        beats = std::max(beats, entry.second.length);
    }
    double tail = 0;
    if (!score.loop) {
        for (const auto& entry : score.instruments) {
            tail = std::max(tail, entry.second.release);
        }
    }
    double seconds = (double)frames / score.rate;
    return std::max(seconds / 2, seconds - tail) / beats;
}

// The last few milliseconds of a piece that ends fade to silence, so echoes
// still sounding there stop without a click.
void FadeEnd(const Score& score, std::vector<double>& left, std::vector<double>& right)
{
    const long fade = score.loop ? 0 : std::min((long)left.size() / 4, (long)(0.03 * score.rate));
    for (long i = 0; i < fade; i++) {
        double gain = (double)i / fade;
        left[left.size() - 1 - i] *= gain;
        right[right.size() - 1 - i] *= gain;
    }
}

}  // namespace

std::vector<float> RenderScore(const Score& score)
{
    long frames = score.dataBytes / (score.channels * score.bits / 8);
    double beatSeconds = BeatSeconds(score, frames);
    std::vector<double> left(frames), right(frames);
    uint32_t seed = 12345;
    for (const auto& entry : score.voices) {
        const Instrument& ins = score.instruments.at(entry.second.instrument);
        std::vector<double> mono(frames);
        for (const Note& note : entry.second.notes) {
            RenderNote(ins, note, beatSeconds, score.rate, score.loop, mono, seed++);
        }
        AddEcho(ins, score.rate, score.loop, mono);
        double leftGain = std::cos((ins.pan + 1) * PI / 4) * std::sqrt(2.0);
        double rightGain = std::sin((ins.pan + 1) * PI / 4) * std::sqrt(2.0);
        for (long i = 0; i < frames; i++) {
            left[i] += mono[i] * leftGain;
            right[i] += mono[i] * rightGain;
        }
    }
    FadeEnd(score, left, right);
    double peak = 1e-9;
    for (long i = 0; i < frames; i++) {
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    }
    double scale = score.peak / peak;
    std::vector<float> out((size_t)frames * 2);
    for (long i = 0; i < frames; i++) {
        out[i * 2] = (float)(left[i] * scale);
        out[i * 2 + 1] = (float)(right[i] * scale);
    }
    return out;
}
