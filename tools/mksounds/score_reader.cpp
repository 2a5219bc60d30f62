// Reads the text form of a sound: "format", "loop", "peak", "instrument"
// lines with key=value settings, and "voice" lines of notes such as C#4/0.5,
// chords such as C4+E4/1, rests r/1, accents /1*0.6 and repeats [ ... ]2.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "score.h"

namespace {

struct Setting {
    const char* key;
    double Instrument::*field;
};

const Setting SETTINGS[] = {
    {"duty", &Instrument::duty},
    {"attack", &Instrument::attack},
    {"decay", &Instrument::decay},
    {"sustain", &Instrument::sustain},
    {"release", &Instrument::release},
    {"gate", &Instrument::gate},
    {"volume", &Instrument::volume},
    {"pan", &Instrument::pan},
    {"slide", &Instrument::slide},
    {"slidetime", &Instrument::slideTime},
    {"vibrato", &Instrument::vibratoDepth},
    {"vibratorate", &Instrument::vibratoRate},
    {"tremolo", &Instrument::tremoloDepth},
    {"tremolorate", &Instrument::tremoloRate},
    {"lowpass", &Instrument::lowpass},
    {"highpass", &Instrument::highpass},
    {"detune", &Instrument::detune},
    {"echo", &Instrument::echoTime},
    {"echolevel", &Instrument::echoLevel},
};

const char* const WAVE_NAMES[] = {"sine", "triangle", "square", "saw", "noise"};

bool Fail(const std::string& where, const std::string& what)
{
    fprintf(stderr, "%s: %s\n", where.c_str(), what.c_str());
    return false;
}

bool SetInstrumentValue(Instrument& instrument, const std::string& key, const std::string& value)
{
    if (key == "wave") {
        for (int i = 0; i < 5; i++) {
            if (value == WAVE_NAMES[i]) {
                instrument.wave = (Waveform)i;
                return true;
            }
        }
        return false;
    }
    for (const Setting& setting : SETTINGS) {
        if (key == setting.key) {
            instrument.*setting.field = atof(value.c_str());
            return true;
        }
    }
    return false;
}

// Frequency of a pitch name such as A4, F#3 or Bb2; "x" is an unpitched hit.
bool PitchFrequency(const std::string& name, double& frequency)
{
    static const int STEPS[7] = {9, 11, 0, 2, 4, 5, 7};
    if (name == "x") {
        frequency = 261.63;
        return true;
    }
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') {
        return false;
    }
    int semitone = STEPS[name[0] - 'A'];
    size_t at = 1;
    if (name[at] == '#') {
        semitone++;
        at++;
    } else if (name[at] == 'b') {
        semitone--;
        at++;
    }
    if (at >= name.size()) {
        return false;
    }
    int octave = atoi(name.c_str() + at);
    int midi = (octave + 1) * 12 + semitone;
    frequency = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    return true;
}

// One note token: pitches joined by '+', then '/beats', then '*velocity'.
bool AddNoteToken(const std::string& token, std::vector<Note>& notes, double& time)
{
    size_t slash = token.find('/');
    if (slash == std::string::npos) {
        return false;
    }
    std::string pitches = token.substr(0, slash);
    std::string rest = token.substr(slash + 1);
    double velocity = 1;
    size_t star = rest.find('*');
    if (star != std::string::npos) {
        velocity = atof(rest.c_str() + star + 1);
        rest = rest.substr(0, star);
    }
    double beats = atof(rest.c_str());
    if (beats <= 0) {
        return false;
    }
    if (pitches != "r") {
        std::stringstream chord(pitches);
        std::string pitch;
        while (std::getline(chord, pitch, '+')) {
            Note note;
            if (!PitchFrequency(pitch, note.frequency)) {
                return false;
            }
            note.start = time;
            note.beats = beats;
            note.velocity = velocity;
            notes.push_back(note);
        }
    }
    time += beats;
    return true;
}

// Notes with repeats expanded: "[" opens a group, "]N" plays it N times.
bool ReadNotes(std::istream& in, Voice& voice)
{
    std::vector<std::pair<size_t, double>> groups;
    std::string token;
    while (in >> token) {
        if (token == "|") {
            continue;
        }
        if (token == "[") {
            groups.push_back({voice.notes.size(), voice.length});
            continue;
        }
        if (token[0] == ']') {
            if (groups.empty()) {
                return false;
            }
            int times = atoi(token.c_str() + 1);
            auto [first, start] = groups.back();
            groups.pop_back();
            std::vector<Note> group(voice.notes.begin() + first, voice.notes.end());
            double span = voice.length - start;
            for (int t = 1; t < times; t++) {
                for (Note note : group) {
                    note.start += span * t;
                    voice.notes.push_back(note);
                }
            }
            voice.length = start + span * times;
            continue;
        }
        if (!AddNoteToken(token, voice.notes, voice.length)) {
            return false;
        }
    }
    return groups.empty();
}

bool ReadLine(const std::string& line, Score& score)
{
    std::stringstream in(line);
    std::string word;
    if (!(in >> word) || word[0] == '#') {
        return true;
    }
    if (word == "format") {
        return bool(in >> score.channels >> score.rate >> score.bits >> score.dataBytes);
    }
    if (word == "loop") {
        score.loop = true;
        return true;
    }
    if (word == "peak") {
        return bool(in >> score.peak);
    }
    if (word == "instrument") {
        std::string name;
        std::string pair;
        in >> name;
        Instrument instrument;
        while (in >> pair) {
            size_t equals = pair.find('=');
            if (equals == std::string::npos ||
                !SetInstrumentValue(instrument, pair.substr(0, equals), pair.substr(equals + 1))) {
                return false;
            }
        }
        score.instruments[name] = instrument;
        return !name.empty();
    }
    if (word == "voice") {
        std::string name;
        std::string instrument;
        in >> name >> instrument;
        if (instrument.empty() || instrument.back() != ':' || !score.instruments.count(instrument.substr(0, instrument.size() - 1))) {
            return false;
        }
        Voice& voice = score.voices[name];
        voice.instrument = instrument.substr(0, instrument.size() - 1);
        return ReadNotes(in, voice);
    }
    return false;
}

}  // namespace

bool ReadScore(const std::string& path, Score& score)
{
    std::ifstream in(path);
    if (!in) {
        return Fail(path, "cannot read");
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        number++;
        if (!ReadLine(line, score)) {
            return Fail(path + ":" + std::to_string(number), "cannot read this line");
        }
    }
    int blockAlign = score.channels * score.bits / 8;
    if ((score.channels != 1 && score.channels != 2) || (score.bits != 8 && score.bits != 16) ||
        score.dataBytes <= 0 || score.dataBytes % blockAlign != 0 || score.voices.empty()) {
        return Fail(path, "needs a format line with whole frames and at least one voice");
    }
    double length = score.voices.begin()->second.length;
    for (const auto& entry : score.voices) {
        if (std::fabs(entry.second.length - length) > 1e-9) {
            return Fail(path, "voice " + entry.first + " lasts " + std::to_string(entry.second.length) +
                                  " beats, not " + std::to_string(length));
        }
    }
    return true;
}
