// The command line: every option, its one-line help, and the settings it
// overrides for this run.
#ifndef PLATFORM_OPTIONS_H
#define PLATFORM_OPTIONS_H

#include <cstdio>

#include "settings_file.h"

namespace plat {

enum OptionsOutcome { OPTIONS_RUN, OPTIONS_DONE, OPTIONS_BAD };

struct CommandLine {
    bool help = false;
    bool version = false;
    bool listKeys = false;
    bool save = false;
    bool mute = false;
    const char* record = NULL;
    const char* replay = NULL;
    const char* stages = NULL;
};

// Reads argv over `settings`; a bad option or value is told on `errors`.
OptionsOutcome ParseCommandLine(int argc, char** argv, Settings& settings, CommandLine& line, FILE* errors);
void PrintHelp(const char* program, FILE* out);
void PrintKeys(const KeyBindings& bindings, FILE* out);

// The whole start: reads settings.ini, the command line over it, answers
// --help and --keys, and puts the result in force. Returns false with the
// exit code when the game is not to run.
bool StartFromCommandLine(int argc, char** argv, int& exitCode);
void FinishCommandLine();

}  // namespace plat

#endif
