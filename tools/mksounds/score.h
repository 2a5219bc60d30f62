// A sound as written in assets/sounds: its wave format, its instruments and
// the notes each voice plays, in beats.
#ifndef MKSOUNDS_SCORE_H
#define MKSOUNDS_SCORE_H

#include <map>
#include <string>
#include <vector>

enum Waveform { WAVE_SINE, WAVE_TRIANGLE, WAVE_SQUARE, WAVE_SAW, WAVE_NOISE };

struct Instrument {
    Waveform wave = WAVE_SINE;
    double duty = 0.5;
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.05;
    double gate = 0.9;
    double volume = 0.5;
    double pan = 0.0;
    double slide = 0.0;
    double slideTime = 0.05;
    double vibratoDepth = 0.0;
    double vibratoRate = 5.0;
    double tremoloDepth = 0.0;
    double tremoloRate = 5.0;
    double lowpass = 0.0;
    double highpass = 0.0;
    double detune = 0.0;
    double echoTime = 0.0;
    double echoLevel = 0.0;
};

struct Note {
    double start = 0;
    double beats = 0;
    double frequency = 0;
    double velocity = 1;
};

struct Voice {
    std::string instrument;
    std::vector<Note> notes;
    double length = 0;
};

struct Score {
    int channels = 2;
    int rate = 44100;
    int bits = 16;
    long dataBytes = 0;
    bool loop = false;
    double peak = 0.8;
    std::map<std::string, Instrument> instruments;
    std::map<std::string, Voice> voices;
};

// Reads a score; on failure writes the reason to stderr and returns false.
bool ReadScore(const std::string& path, Score& score);

#endif
