#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "cli/commands.h"
#include "core/platform/escaped_text.h"
#include "core/platform/text.h"
#include "marlix_version.h"

namespace marlix {

namespace {

struct OptionDef {
    std::string_view name;
    bool takesValue;
};

struct CommandDef {
    std::string_view name;
    std::string_view synopsis;
    std::string_view help;
    std::size_t minArguments;
    std::size_t maxArguments;
    std::span<const OptionDef> options;
    int (*run)(Invocation&);
};

constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

constexpr OptionDef kNewOptions[] = {{"--from", true}};
constexpr OptionDef kWriteOptions[] = {
    {"--device", true}, {"--output", true}, {"--sync-clock", false}, {"--no-sync-clock", false}};
constexpr OptionDef kImportOptions[] = {{"--name", true}};

const std::array<CommandDef, 12> kCommands = {{
    {"profiles",
     "profiles",
     "Lists the profile names in file order, one per line, escaped as devices does.\n",
     0,
     0,
     {},
     RunProfiles},
    {"show",
     "show NAME",
     "Shows the profile as it loads: one line key=text for each setting, in the order\n"
     "profiles are saved, sync_clock as TRUE or FALSE.\n",
     1,
     1,
     {},
     RunShow},
    {"new", "new NAME [--from OTHER]",
     "Creates a profile with every setting's default (sync_clock TRUE), or as a copy of\n"
     "OTHER. The name follows the same rules as in the window.\n",
     1, 1, kNewOptions, RunNew},
    {"delete", "delete NAME", "Deletes the profile.\n", 1, 1, {}, RunDelete},
    {"set",
     "set NAME KEY=TEXT...",
     "Changes settings of the profile. TEXT must be one of the options the key's page\n"
     "offers; sync_clock takes TRUE or FALSE. Nothing is written unless every pair is valid.\n",
     2,
     kUnlimited,
     {},
     RunSet},
    {"write", "write NAME (--device ROOT | --output FILE) [--sync-clock | --no-sync-clock]",
     "Writes camera.conf for the profile, byte for byte as the window's \"Set\" does, into\n"
     "the root of a listed removable drive (--device; ROOT as typed or as devices prints\n"
     "it) or into FILE (--output). A drive that does not answer is not written. FILE \"-\" is\n"
     "standard output; a pipe, terminal or other character device (/dev/stdout) is written\n"
     "straight into; a regular file, or a link to one, is replaced atomically; anything else,\n"
     "and the profile file in use, is refused. The clock line follows the profile's\n"
     "sync_clock unless a flag overrides it. auto_shoot and photo_burst are written as the\n"
     "profile holds them.\n",
     1, 1, kWriteOptions, RunWrite},
    {"devices",
     "devices",
     "Lists the removable drives as the window does, one per line: root, label, space and\n"
     "version text, separated by tabs. In every field a backslash is shown as \\\\, line\n"
     "breaks and tabs as \\r, \\n, \\t, other control characters as \\xNN. A drive that\n"
     "does not answer within 2 seconds is listed with \"Not answering\" as its space.\n",
     0,
     0,
     {},
     RunDevices},
    {"check",
     "check FILE",
     "Checks a camera.conf: the first line \"enable_cfg=true\", every key known and present\n"
     "once, every text one of its options, an optional sync_clock time of the form\n"
     "YYYY-MM-DD hh:mm:ss. Each problem is reported with its line number.\n",
     1,
     1,
     {},
     RunCheck},
    {"import", "import FILE --name NAME",
     "Creates the profile NAME from a camera.conf that passes check; a sync_clock line makes\n"
     "sync_clock TRUE.\n",
     1, 1, kImportOptions, RunImport},
    {"diff",
     "diff NAME FILE",
     "Lists the keys whose text differs between the profile and the camera.conf, one per\n"
     "line as key: profile-text -> file-text. Exit status 0 when they agree, 1 when not.\n",
     2,
     2,
     {},
     RunDiff},
    {"mount",
     "mount ROOT-OR-DEVICE",
     "Mounts a card that is present but not mounted (a desktop without automount, a card\n"
     "unmounted earlier) through UDisks2, as file managers do, and prints its root. DEVICE is\n"
     "the device of the card's file system (/dev/sdc1, or a link to it such as\n"
     "/dev/disk/by-label/CAM); only a removable drive's is mounted. A ROOT that devices lists\n"
     "is mounted already and printed as it is. Needs UDisks2 (Linux).\n",
     1,
     1,
     {},
     RunMount},
    {"eject",
     "eject ROOT",
     "Ejects a listed removable drive (ROOT as for write): unmounts it through UDisks2 and\n"
     "then powers the drive off where UDisks2 allows it; on Windows, asks the system to\n"
     "remove it safely. A card in use, or an action not authorised, is reported with the\n"
     "system's reason and the card stays as it was.\n",
     1,
     1,
     {},
     RunEject},
}};

void printUsage(std::ostream& out) {
    out << "Usage: " << kProgramName << " [--config FILE] COMMAND [ARGUMENTS]\n"
        << "\n"
        << "Keeps the camera profiles of cfg.ini and writes camera.conf onto camera cards.\n"
        << "\n"
        << "Options:\n"
        << "  --config FILE  the profile file (default: cfg.ini in the working directory;\n"
        << "                 created with the profile \"default\" by the first command that\n"
        << "                 changes it; profiles, show, diff and write never change it)\n"
        << "  --help         this text; COMMAND --help describes one command\n"
        << "  --version      the program's name and version\n"
        << "\n"
        << "Commands:\n";
    for (const CommandDef& c : kCommands) out << "  " << c.synopsis << "\n";
    out << "\n"
        << "Exit status: 0 success, 1 failure, 2 usage error.\n";
}

void printCommandHelp(const CommandDef& c, std::ostream& out) {
    out << "Usage: " << kProgramName << " [--config FILE] " << c.synopsis << "\n\n" << c.help;
}

const CommandDef* findCommand(std::string_view name) {
    for (const CommandDef& c : kCommands) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

bool isHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

int usageError(std::ostream& err, std::string_view message, std::string_view command) {
    err << kProgramName << ": " << EscapedText(message) << "\n"
        << "Try '" << kProgramName << " " << command << (command.empty() ? "" : " ")
        << "--help'.\n";
    return kExitUsage;
}

// Splits "--name=value" and "--name value"; the option must be one the command knows.
int parseCommandArguments(const CommandDef& def, std::span<const std::string> args,
                          Invocation& in) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            in.arguments.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = std::find_if(def.options.begin(), def.options.end(),
                                         [&](const OptionDef& o) { return o.name == name; });
        if (option == def.options.end()) {
            return usageError(in.err, "unknown option \"" + arg + "\" for " + in.command,
                              in.command);
        }
        if (in.has(name))
            return usageError(in.err, "option " + name + " given twice", in.command);
        std::string value;
        if (option->takesValue) {
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return usageError(in.err, "option " + name + " needs a value", in.command);
            }
            if (value.empty())
                return usageError(in.err, "option " + name + " needs a value", in.command);
        } else if (equals != std::string::npos) {
            return usageError(in.err, "option " + name + " takes no value", in.command);
        }
        in.options.emplace(name, std::move(value));
    }
    if (in.arguments.size() < def.minArguments || in.arguments.size() > def.maxArguments) {
        return usageError(
            in.err,
            in.arguments.size() < def.minArguments ? "missing argument" : "too many arguments",
            in.command);
    }
    return kExitSuccess;
}

}  // namespace

// Messages quote names, paths and texts as they came (from a hand-edited cfg.ini, a card, the
// command line), so they are escaped like every other line marlix-cli prints.
int Invocation::fail(std::string_view message) const {
    err << kProgramName << ": " << EscapedText(message) << "\n";
    return kExitFailure;
}

int Invocation::usage(std::string_view message) const {
    return usageError(err, message, command);
}

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    std::filesystem::path configPath = "cfg.ini";
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (isHelp(arg)) {
            printUsage(out);
            return kExitSuccess;
        }
        if (arg == "--version") {
            out << kProgramName << " " << kMarlixVersion << "\n";
            return kExitSuccess;
        }
        if (arg == "--config" || arg.starts_with("--config=")) {
            std::string value;
            if (arg != "--config") {
                value = arg.substr(9);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            }
            if (value.empty())
                return usageError(err, "option --config needs a file", "");
            configPath = PathFromUtf8(value);
            continue;
        }
        if (arg.starts_with("-"))
            return usageError(err, "unknown option \"" + arg + "\"", "");
        break;
    }
    if (i == args.size()) {
        printUsage(err);
        return kExitUsage;
    }
    const CommandDef* def = findCommand(args[i]);
    if (def == nullptr)
        return usageError(err, "unknown command \"" + args[i] + "\"", "");

    const auto rest = args.subspan(i + 1);
    // Help wins over everything else on the line, so that it works on an incomplete command.
    for (const std::string& arg : rest) {
        if (arg == "--")
            break;
        if (isHelp(arg)) {
            printCommandHelp(*def, out);
            return kExitSuccess;
        }
    }
    Invocation in{std::string(def->name), configPath, {}, {}, out, err};
    if (const int status = parseCommandArguments(*def, rest, in); status != kExitSuccess)
        return status;
    return def->run(in);
}

}  // namespace marlix
