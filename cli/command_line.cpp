#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/suggestions.h"
#include "core/platform/escaped_text.h"
#include "core/platform/text.h"
#include "core/schema/setting_rows.h"
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
constexpr OptionDef kWriteOptions[] = {{"--device", true},         {"--all-cards", false},
                                       {"--output", true},         {"--sync-clock", false},
                                       {"--no-sync-clock", false}, {"--json", false}};
constexpr OptionDef kJsonOptions[] = {{"--json", false}};
constexpr OptionDef kImportOptions[] = {{"--name", true}};

const std::array<CommandDef, 12> kCommands = {{
    {"profiles", "profiles [--json]",
     "Lists the profile names in file order, one per line, escaped as devices does. --json:\n"
     "an array of objects with \"name\".\n",
     0, 0, kJsonOptions, RunProfiles},
    {"show", "show NAME [--json]",
     "Shows the profile as it loads: one line key=text for each setting, in the order\n"
     "profiles are saved, sync_clock as TRUE or FALSE. --json: an object with \"name\" and\n"
     "\"settings\" (each key and its text, in the same order).\n",
     1, 1, kJsonOptions, RunShow},
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
    {"write",
     "write NAME (--device ROOT | --all-cards | --output FILE) [--sync-clock | --no-sync-clock]\n"
     "        [--json]",
     "Writes camera.conf for the profile, byte for byte as the window's \"Set\" does, into\n"
     "the root of a listed removable drive (--device; ROOT as typed or as devices prints\n"
     "it), onto every listed card in turn (--all-cards: one line per card, the exit status\n"
     "0 only when every card was written; with --json an array of objects with \"root\",\n"
     "\"label\", \"written\" and \"error\"; no card listed is a failure) or into FILE\n"
     "(--output). A drive that does not answer is not written. FILE \"-\" is standard\n"
     "output; a pipe, terminal or other character device (/dev/stdout) is written straight\n"
     "into; a regular file, or a link to one, is replaced atomically; anything else, and the\n"
     "profile file in use, is refused. The clock line follows the profile's sync_clock\n"
     "unless a flag overrides it. auto_shoot and photo_burst are written as the profile\n"
     "holds them.\n",
     1, 1, kWriteOptions, RunWrite},
    {"devices", "devices [--json]",
     "Lists the removable drives as the window does, one per line: root, label, space and\n"
     "version text, separated by tabs. In every field a backslash is shown as \\\\, line\n"
     "breaks and tabs as \\r, \\n, \\t, other control characters as \\xNN. A drive that\n"
     "does not answer within 2 seconds is listed with \"Not answering\" as its space.\n"
     "--json: an array of objects with \"root\", \"label\", \"state\" (\"ready\", \"not\n"
     "answering\", \"not mounted\"), \"free_bytes\" and \"total_bytes\" (null when not known),\n"
     "\"space\" and \"version\".\n",
     0, 0, kJsonOptions, RunDevices},
    {"check", "check FILE [--json]",
     "Checks a camera.conf: the first line \"enable_cfg=true\", every key known and present\n"
     "once, every text one of its options, an optional sync_clock time of the form\n"
     "YYYY-MM-DD hh:mm:ss. Each problem is reported with its line number. FILE \"-\" is\n"
     "standard input. --json: an object with \"file\", \"valid\", \"problem_count\" and\n"
     "\"problems\" (each with \"line\", null for the file as a whole, and \"message\").\n",
     1, 1, kJsonOptions, RunCheck},
    {"import", "import FILE --name NAME",
     "Creates the profile NAME from a camera.conf that passes check; a sync_clock line makes\n"
     "sync_clock TRUE. FILE \"-\" is standard input.\n",
     1, 1, kImportOptions, RunImport},
    {"diff", "diff NAME FILE [--json]",
     "Lists the keys whose text differs between the profile and the camera.conf, one per\n"
     "line as key: profile-text -> file-text. FILE \"-\" is standard input. Exit status 0\n"
     "when they agree, 1 when not, 2 when they could not be compared. --json: an object\n"
     "with \"profile\", \"file\", \"same\" and \"differences\" (each with \"key\", \"profile\"\n"
     "and \"file\").\n",
     2, 2, kJsonOptions, RunDiff},
    {"mount",
     "mount ROOT-OR-DEVICE-OR-LABEL",
     "Mounts a card that is present but not mounted (a desktop without automount, a card\n"
     "unmounted earlier) through UDisks2, as file managers do, and prints its root. DEVICE is\n"
     "the device of the card's file system (/dev/sdc1, or a link to it such as\n"
     "/dev/disk/by-label/CAM); only a removable drive's is mounted. LABEL is the card's\n"
     "label; one that more than one card has is refused. A ROOT that devices lists is\n"
     "mounted already and printed as it is. Needs UDisks2 (Linux).\n",
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
        << "  --help         this text; COMMAND --help describes one command (set --help\n"
        << "                 lists every key with its texts)\n"
        << "  --version      the program's name and version\n"
        << "\n"
        << "Commands:\n";
    for (const CommandDef& c : kCommands) out << "  " << c.synopsis << "\n";
    out << "\n"
        << "Exit status: 0 success, 1 failure, 2 usage error; diff: 0 same, 1 different,\n"
        << "2 trouble.\n";
}

// set's keys, one per line with the texts it takes: "  fov: "wide", "normal", "narrow"". The
// completion reads its texts from here.
void printKeys(std::ostream& out) {
    out << "\nKeys and their texts:\n";
    for (const Setting setting : kProfileSaveOrder) {
        out << "  " << RowOf(setting).name << ": ";
        if (setting == Setting::SyncClock) {
            out << "\"TRUE\", \"FALSE\"\n";
            continue;
        }
        for (int i = 0; i < OptionCount(setting, OptionScope::Shown); ++i)
            out << (i ? ", " : "") << '"' << OptionText(setting, i) << '"';
        out << "\n";
    }
}

void printCommandHelp(const CommandDef& c, std::ostream& out) {
    out << "Usage: " << kProgramName << " [--config FILE] " << c.synopsis << "\n\n" << c.help;
    if (c.run == RunSet)
        printKeys(out);
}

const CommandDef* findCommand(std::string_view name) {
    for (const CommandDef& c : kCommands) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

std::vector<std::string_view> commandNames() {
    std::vector<std::string_view> names;
    for (const CommandDef& c : kCommands) names.push_back(c.name);
    return names;
}

// The commands that take the option, as "write" or "show, diff and check".
std::string commandsTaking(std::string_view option) {
    std::vector<std::string_view> names;
    for (const CommandDef& c : kCommands) {
        for (const OptionDef& o : c.options) {
            if (o.name == option)
                names.push_back(c.name);
        }
    }
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += std::string(i == 0                  ? ""
                           : i + 1 == names.size() ? " and "
                                                   : ", ") +
               std::string(names[i]);
    return out;
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
            if (name == "--config") {
                return usageError(
                    in.err,
                    "option --config goes before the command: " + std::string(kProgramName) +
                        " --config FILE " + in.command + " ...",
                    in.command);
            }
            std::string message = "unknown option \"" + arg + "\" for " + in.command;
            if (const std::string others = commandsTaking(name); !others.empty()) {
                message += " (" + name + " is an option of " + others + ")";
            } else {
                std::vector<std::string_view> names;
                for (const OptionDef& o : def.options) names.push_back(o.name);
                message += DidYouMean(name, names);
            }
            return usageError(in.err, message, in.command);
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

int RunCli(std::span<const std::string> args, std::istream& input, std::ostream& out,
           std::ostream& err) {
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
        if (arg.starts_with("-")) {
            const std::string name = arg.substr(0, arg.find('='));
            // A command's option given before the command: say where it goes.
            if (const std::string commands = commandsTaking(name); !commands.empty()) {
                return usageError(err,
                                  "option " + name +
                                      " goes after the command (it is an option of " + commands +
                                      ")",
                                  "");
            }
            constexpr std::string_view kGlobalOptions[] = {"--config", "--help", "--version"};
            return usageError(
                err, "unknown option \"" + arg + "\"" + DidYouMean(name, kGlobalOptions), "");
        }
        break;
    }
    if (i == args.size()) {
        printUsage(err);
        return kExitUsage;
    }
    const CommandDef* def = findCommand(args[i]);
    if (def == nullptr) {
        return usageError(
            err, "unknown command \"" + args[i] + "\"" + DidYouMean(args[i], commandNames()), "");
    }

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
    Invocation in{std::string(def->name), configPath, {}, {}, input, out, err};
    if (const int status = parseCommandArguments(*def, rest, in); status != kExitSuccess)
        return status;
    return def->run(in);
}

}  // namespace marlix
