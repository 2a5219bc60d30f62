// Command-line options: one table gives each its parser and its line of help.
#include "options.h"

#include <cstring>
#include <string>

#include "data_files.h"
#include "key_recorder.h"
#include "key_replay.h"
#include "platform_state.h"
#include "settings_store.h"
#include "sound_output.h"

namespace plat {

struct OptionSpec {
    const char* name;
    const char* argument;
    const char* help;
    // Takes the option's argument (NULL for none); false when it is not valid.
    bool (*apply)(const char* value, Settings& settings, CommandLine& line);
};

static bool SetWindow(const char*, Settings& settings, CommandLine&)
{
    settings.fullscreen = false;
    return true;
}

static bool SetFullscreen(const char*, Settings& settings, CommandLine&)
{
    settings.fullscreen = true;
    return true;
}

static bool SetScale(const char* value, Settings& settings, CommandLine&)
{
    return ParseScale(value, settings.scale);
}
static bool SetMusic(const char* value, Settings& settings, CommandLine&)
{
    return ParseVolume(value, settings.musicVolume);
}
static bool SetEffects(const char* value, Settings& settings, CommandLine&)
{
    return ParseVolume(value, settings.effectsVolume);
}
static bool SetLanguage(const char* value, Settings& settings, CommandLine&)
{
    return ParseLanguage(value, settings.language);
}

// The switches that only set a flag for this run.
static bool SetFlag(bool& flag)
{
    flag = true;
    return true;
}
static bool SetMute(const char*, Settings&, CommandLine& line) { return SetFlag(line.mute); }
static bool SetSave(const char*, Settings&, CommandLine& line) { return SetFlag(line.save); }
static bool SetListKeys(const char*, Settings&, CommandLine& line) { return SetFlag(line.listKeys); }
static bool SetHelp(const char*, Settings&, CommandLine& line) { return SetFlag(line.help); }
static bool SetVersion(const char*, Settings&, CommandLine& line) { return SetFlag(line.version); }
static bool SetDebug(const char*, Settings&, CommandLine&) { return SetFlag(g_options.debug); }

static bool SetRecord(const char* value, Settings&, CommandLine& line)
{
    line.record = value;
    return true;
}

static bool SetReplay(const char* value, Settings&, CommandLine& line)
{
    line.replay = value;
    return true;
}

static bool SetStages(const char* value, Settings&, CommandLine& line)
{
    line.stages = value;
    return value[0] != '\0';
}

// "--bind confirm=Space" or "--bind quit=Escape,Q".
static bool SetBinding(const char* value, Settings& settings, CommandLine&)
{
    const char* equals = strchr(value, '=');
    int action = equals == NULL ? -1 : ActionOfName(std::string(value, equals - value));
    SDL_Keycode keys[KEYS_PER_ACTION];
    std::string error;
    if (action < 0 || !ParseKeyList(equals + 1, keys, error) || ActionOfKey(settings.keys, keys[0], action) >= 0 ||
        ActionOfKey(settings.keys, keys[1], action) >= 0) {
        return false;
    }
    settings.keys.keys[action][0] = keys[0];
    settings.keys.keys[action][1] = keys[1];
    return true;
}

static const OptionSpec OPTIONS[] = {
    {"--window", NULL, "play in a window (Alt+Enter switches, and the choice is kept)", SetWindow},
    {"--fullscreen", NULL, "play in full screen", SetFullscreen},
    {"--scale", "N", "window size as a whole multiple of 640 x 480, 1 to 8", SetScale},
    {"--music", "N", "music volume, 0 to 100", SetMusic},
    {"--effects", "N", "sound effects volume, 0 to 100", SetEffects},
    {"--mute", NULL, "no sound for this run", SetMute},
    {"--lang", "ja|en", "the prolog's language (default: the system's, ja or else en)", SetLanguage},
    {"--bind", "KEY=NAMES", "bind a game key (left right up down confirm jump pause quit) to one or two keys",
     SetBinding},
    {"--keys", NULL, "print the key bindings in force and exit", SetListKeys},
    {"--save", NULL, "keep this run's settings in settings.ini", SetSave},
    {"--debug", NULL, "write the game's debug lines to stderr", SetDebug},
    {"--stages", "DIR", "play the stage pack in DIR (DIR/map1.map, ...) with best times of its own", SetStages},
    {"--record", "FILE", "write the game keys held in every frame to FILE as an input script", SetRecord},
    {"--replay", "FILE", "play the game keys of the input script FILE, then hand over to the keyboard", SetReplay},
    {"--help", NULL, "print this help and exit", SetHelp},
    {"--version", NULL, "print the game's version and exit", SetVersion},
};

static const OptionSpec* FindOption(const char* name)
{
    for (const OptionSpec& option : OPTIONS) {
        if (strcmp(option.name, name) == 0) {
            return &option;
        }
    }
    return NULL;
}

OptionsOutcome ParseCommandLine(int argc, char** argv, Settings& settings, CommandLine& line, FILE* errors)
{
    for (int i = 1; i < argc; i++) {
        const OptionSpec* option = FindOption(argv[i]);
        if (option == NULL) {
            fprintf(errors, "%s: unknown option %s (--help lists them)\n", argv[0], argv[i]);
            return OPTIONS_BAD;
        }
        const char* value = NULL;
        if (option->argument != NULL) {
            if (i + 1 >= argc) {
                fprintf(errors, "%s: %s needs %s\n", argv[0], option->name, option->argument);
                return OPTIONS_BAD;
            }
            value = argv[++i];
        }
        if (!option->apply(value, settings, line)) {
            fprintf(errors, "%s: %s %s: %s\n", argv[0], option->name, value, option->help);
            return OPTIONS_BAD;
        }
    }
    return line.help || line.version || line.listKeys ? OPTIONS_DONE : OPTIONS_RUN;
}

void PrintHelp(const char* program, FILE* out)
{
    fprintf(out, "usage: %s [OPTION]...\nOptions win over settings.ini (%s) for this run.\n", program,
            SettingsPath().c_str());
    for (const OptionSpec& option : OPTIONS) {
        std::string left = option.name;
        if (option.argument != NULL) {
            left += std::string(" ") + option.argument;
        }
        fprintf(out, "  %-20s %s\n", left.c_str(), option.help);
    }
}

void PrintKeys(const KeyBindings& bindings, FILE* out)
{
    for (int action = 0; action < ACTION_COUNT; action++) {
        fprintf(out, "%-8s %s\n", ActionName(action), FormatKeyList(bindings.keys[action]).c_str());
    }
}

static bool OpenScripts(const CommandLine& line)
{
    if (line.record != NULL && !OpenKeyRecord(line.record)) {
        fprintf(stderr, "Cannot write the key record %s\n", line.record);
        return false;
    }
    std::string error;
    if (line.replay != NULL && !OpenKeyReplay(line.replay, error)) {
        fprintf(stderr, "Cannot play the key replay %s: %s\n", line.replay, error.c_str());
        return false;
    }
    return true;
}

static void PutInForce(const Settings& settings, bool mute)
{
    g_options.windowed = !settings.fullscreen;
    g_options.scale = settings.scale;
    g_keyBindings = settings.keys;
    SetSoundVolumes(mute ? 0 : settings.musicVolume, mute ? 0 : settings.effectsVolume);
}

bool StartFromCommandLine(int argc, char** argv, int& exitCode)
{
    LoadSettings();
    CommandLine line;
    OptionsOutcome outcome = ParseCommandLine(argc, argv, g_settings, line, stderr);
    exitCode = outcome == OPTIONS_BAD ? 2 : 0;
    if (line.help) {
        PrintHelp(argv[0], stdout);
    } else if (line.version) {
        printf("frogpond %s\n", FROGPOND_VERSION);
    } else if (line.listKeys) {
        PrintKeys(g_settings.keys, stdout);
    }
    if (outcome != OPTIONS_RUN || !OpenScripts(line)) {
        exitCode = outcome == OPTIONS_RUN ? 2 : exitCode;
        return false;
    }
    if (line.save) {
        g_savedSettings = g_settings;
        SaveSettings(g_savedSettings);
    }
    PutInForce(g_settings, line.mute);
    // Named from where the player stands, before the game moves to its folder.
    g_options.stagePack = line.stages != NULL ? AbsolutePath(line.stages) : "";
    return true;
}

void FinishCommandLine()
{
    CloseKeyRecord();
    CloseKeyReplay();
}

}  // namespace plat
