// Commands on the profile file. Each opens the store as the window does at start-up (seeding a
// missing file), so both see the same profiles and the same mended faults.
#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/drive_roots.h"
#include "cli/json_output.h"
#include "cli/suggestions.h"
#include "core/devices/every_card.h"
#include "core/export/camera_conf.h"
#include "core/pages/page_fields.h"
#include "core/platform/escaped_text.h"
#include "core/platform/files/file_io.h"
#include "core/platform/text.h"
#include "core/profiles/profile_store.h"

namespace marlix {

namespace {

constexpr std::string_view kClockTrue = "TRUE";
constexpr std::string_view kClockFalse = "FALSE";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string offeredTexts(Setting setting) {
    std::string out;
    for (int i = 0; i < OptionCount(setting, OptionScope::Shown); ++i) {
        if (i)
            out += ", ";
        out += inQuotes(OptionText(setting, i));
    }
    return out;
}

std::string keyList() {
    std::string out;
    for (const Setting setting : kProfileSaveOrder) {
        if (!out.empty())
            out += ", ";
        out += RowOf(setting).name;
    }
    return out;
}

enum class Access { ReadOnly, ReadWrite };

// The store opened as at start-up; its failures name the file. Commands that only read never
// change the file, not even to seed it.
class OpenStore {
public:
    OpenStore(const Invocation& in, Access access) : m_store(in.configPath) {
        ProfileSelections first;
        m_status = access == Access::ReadOnly ? m_store.OpenReadOnly(first)
                                              : m_store.InitProfileStore(first);
    }
    const Status& status() const { return m_status; }
    ProfileStore& store() { return m_store; }

    // The index of the named profile, or a failure naming the file (also when the store could
    // not be opened).
    Result<int> find(std::string_view name) const {
        if (!m_status)
            return m_status;
        const int index = m_store.FindProfile(name);
        if (index < 0) {
            return Status::failure(
                PathToUtf8(m_store.cfgPath()) + ": no profile named " + inQuotes(name),
                ErrorCode::NotFound);
        }
        return index;
    }

    Result<ProfileSelections> load(std::string_view name) const {
        auto index = find(name);
        if (!index)
            return index.status();
        return m_store.LoadProfileAt(*index);
    }

private:
    ProfileStore m_store;
    Status m_status = Status::success();
};

// The profile called `name`, read through a freshly opened store.
Result<ProfileSelections> loadProfile(const Invocation& in, std::string_view name) {
    return OpenStore(in, Access::ReadOnly).load(name);
}

// What a command that changes the file would refuse, judged on the file as it reads now, before
// the store is opened for writing: opening it so creates a missing file (and its lock), which a
// command that fails must not leave behind. `existing`: profiles that must be there; `newName`: a
// name the command would give a new profile. A file that cannot be read this way is left to the
// writing store, which reports it (or seeds one without a profile section) as before.
Status refuseBeforeWriting(const Invocation& in, std::initializer_list<std::string_view> existing,
                           std::optional<std::string_view> newName = std::nullopt) {
    const OpenStore open(in, Access::ReadOnly);
    if (!open.status())
        return Status::success();
    for (const std::string_view name : existing) {
        if (auto index = open.find(name); !index)
            return index.status();
    }
    if (!newName)
        return Status::success();
    std::optional<std::string> problem = ProfileStore::NameProblem(*newName);
    if (!problem && open.find(*newName))
        problem = std::string(ProfileStore::kDuplicateNameText);
    if (!problem)
        return Status::success();
    return Status::failure(
        PathToUtf8(in.configPath) + ": profile " + inQuotes(*newName) + ": " + *problem,
        ErrorCode::InvalidName);
}

// The store judges the name; its refusals are put in context, its file failures name the file.
Status createProfile(OpenStore& open, const std::string& name, const ProfileSelections& values) {
    const Status status = open.store().CreateProfile(name, values);
    if (status.code() != ErrorCode::InvalidName && status.code() != ErrorCode::DuplicateName)
        return status;
    return Status::failure(PathToUtf8(open.store().cfgPath()) + ": profile " + inQuotes(name) +
                           ": " + status.message());
}

}  // namespace

int RunProfiles(Invocation& in) {
    OpenStore open(in, Access::ReadOnly);
    if (!open.status())
        return in.fail(open.status());
    if (in.has("--json")) {
        Json names = Json::array();
        for (const std::string& name : open.store().profileNames()) {
            Json profile = Json::object();
            PutText(profile, "name", name);
            names.push_back(std::move(profile));
        }
        PrintJson(in.out, names);
        return kExitSuccess;
    }
    // Names are checked when they are made, but a hand-edited file may hold anything.
    for (const std::string& name : open.store().profileNames()) in.out << EscapedText(name) << "\n";
    return kExitSuccess;
}

int RunShow(Invocation& in) {
    auto values = loadProfile(in, in.arguments[0]);
    if (!values)
        return in.fail(values.status());
    const auto text = [&](Setting setting) -> std::string {
        if (setting == Setting::SyncClock)
            return std::string(values->system.m_syncClock ? kClockTrue : kClockFalse);
        return std::string(CameraConfOptionText(setting, SelectionField(*values, setting)));
    };
    if (in.has("--json")) {
        Json document = Json::object();
        PutText(document, "name", in.arguments[0]);
        Json settings = Json::object();
        for (const Setting setting : kProfileSaveOrder)
            settings[std::string(RowOf(setting).name)] = text(setting);
        document["settings"] = std::move(settings);
        PrintJson(in.out, document);
        return kExitSuccess;
    }
    for (const Setting setting : kProfileSaveOrder)
        in.out << RowOf(setting).name << "=" << text(setting) << "\n";
    return kExitSuccess;
}

int RunNew(Invocation& in) {
    const Status refused = in.has("--from")
                               ? refuseBeforeWriting(in, {in.option("--from")}, in.arguments[0])
                               : refuseBeforeWriting(in, {}, in.arguments[0]);
    if (!refused)
        return in.fail(refused);
    OpenStore open(in, Access::ReadWrite);
    if (!open.status())
        return in.fail(open.status());
    ProfileSelections values = DefaultSelections();
    if (in.has("--from")) {
        auto from = open.load(in.option("--from"));
        if (!from)
            return in.fail(from.status());
        values = *from;
    }
    if (const Status status = createProfile(open, in.arguments[0], values); !status)
        return in.fail(status);
    return kExitSuccess;
}

int RunDelete(Invocation& in) {
    if (const Status refused = refuseBeforeWriting(in, {in.arguments[0]}); !refused)
        return in.fail(refused);
    OpenStore open(in, Access::ReadWrite);
    auto index = open.find(in.arguments[0]);
    if (!index)
        return in.fail(index.status());
    ProfileSelections next;
    if (const Status status = open.store().DeleteProfile(*index, next); !status)
        return in.fail(status);
    return kExitSuccess;
}

int RunSet(Invocation& in) {
    // Every pair is judged before the file is opened, so a refused line changes nothing.
    std::vector<SettingChange> changes;
    std::vector<std::string> problems;
    for (std::size_t i = 1; i < in.arguments.size(); ++i) {
        const std::string& pair = in.arguments[i];
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos)
            return in.usage(inQuotes(pair) + " is not KEY=TEXT");
        const std::string key = pair.substr(0, equals);
        const std::string text = pair.substr(equals + 1);
        const auto setting = FindSetting(key);
        if (!setting) {
            std::vector<std::string_view> keys;
            for (const Setting s : kProfileSaveOrder) keys.push_back(RowOf(s).name);
            const std::string suggestion = DidYouMean(key, keys);
            problems.push_back("unknown key " + inQuotes(key) + suggestion +
                               "; keys: " + keyList());
            continue;
        }
        if (*setting == Setting::SyncClock) {
            if (equalsIgnoringCase(text, kClockTrue) || equalsIgnoringCase(text, kClockFalse)) {
                changes.push_back({*setting, equalsIgnoringCase(text, kClockTrue) ? 1 : 0});
            } else {
                constexpr std::string_view kClockTexts[] = {kClockTrue, kClockFalse};
                const std::string suggestion = DidYouMean(text, kClockTexts);
                problems.push_back(inQuotes(text) + " is not a text of sync_clock" + suggestion +
                                   "; valid texts: \"TRUE\", \"FALSE\"");
            }
            continue;
        }
        const auto found = FindOption(*setting, text, OptionScope::Shown);
        if (!found) {
            std::vector<std::string_view> texts;
            for (int o = 0; o < OptionCount(*setting, OptionScope::Shown); ++o)
                texts.push_back(OptionText(*setting, o));
            const std::string suggestion = DidYouMean(text, texts);
            problems.push_back(inQuotes(text) + " is not a text of " + key + suggestion +
                               "; valid texts: " + offeredTexts(*setting));
            continue;
        }
        changes.push_back({*setting, *found});
    }
    if (!problems.empty()) {
        for (const std::string& p : problems) in.fail(p);
        return in.fail("nothing was changed");
    }

    if (const Status refused = refuseBeforeWriting(in, {in.arguments[0]}); !refused)
        return in.fail(refused);
    OpenStore open(in, Access::ReadWrite);
    auto index = open.find(in.arguments[0]);
    if (!index)
        return in.fail(index.status());
    // Only the keys named are written: values the store does not recognise in other keys (typed
    // by hand) would otherwise be saved back as their first option.
    if (const Status status = open.store().SaveSettingsAt(*index, changes); !status)
        return in.fail(status);
    return kExitSuccess;
}

// write --all-cards: every listed card in turn, each reported as soon as it is over; a card that
// fails does not stop the others.
int writeEveryCard(Invocation& in, const ProfileSelections& values) {
    auto rows = ScanDeviceRows();
    if (!rows)
        return in.fail(rows.status());
    const bool json = in.has("--json");
    if (rows->empty()) {
        if (json)
            PrintJson(in.out, Json::array());
        return in.fail("No removable drive is listed; camera.conf was not written");
    }
    Json report = Json::array();
    const auto writes = WriteEveryCard(
        *rows, [&] { return BuildCameraConfNow(values); },
        [&](const CardWrite& card) {
            if (json) {
                Json entry = Json::object();
                PutText(entry, "root", card.root);
                PutText(entry, "label", card.label);
                entry["written"] = card.status.ok();
                if (card.status.ok())
                    entry["error"] = nullptr;
                else
                    PutText(entry, "error", card.status.message());
                report.push_back(std::move(entry));
                return;
            }
            // Flushed card by card, so that a script or a person follows a long run.
            if (card.status.ok()) {
                in.out << "Wrote " << EscapedText(card.root + std::string(kCameraConfName))
                       << std::endl;
            } else {
                in.out << "Not written " << EscapedText(card.root) << ": "
                       << EscapedText(card.status.message()) << std::endl;
            }
        });
    if (json)
        PrintJson(in.out, report);
    const auto failed = static_cast<std::size_t>(std::count_if(
        writes.begin(), writes.end(), [](const CardWrite& w) { return !w.status.ok(); }));
    if (failed == 0)
        return kExitSuccess;
    return in.fail("camera.conf was not written onto " + std::to_string(failed) + " of " +
                   std::to_string(writes.size()) + " cards");
}

int RunWrite(Invocation& in) {
    const int targets =
        int(in.has("--device")) + int(in.has("--output")) + int(in.has("--all-cards"));
    if (targets != 1)
        return in.usage("give exactly one of --device ROOT, --all-cards and --output FILE");
    if (in.has("--sync-clock") && in.has("--no-sync-clock"))
        return in.usage("--sync-clock and --no-sync-clock exclude each other");
    if (in.has("--json") && !in.has("--all-cards"))
        return in.usage("--json reports the cards of --all-cards");

    auto values = loadProfile(in, in.arguments[0]);
    if (!values)
        return in.fail(values.status());
    if (in.has("--sync-clock"))
        values->system.m_syncClock = 1;
    if (in.has("--no-sync-clock"))
        values->system.m_syncClock = 0;
    if (in.has("--all-cards"))
        return writeEveryCard(in, *values);

    // The card must be a listed drive before anything is built from the clock.
    std::filesystem::path target;
    std::optional<DeviceRow> card;
    const bool toStandardOutput = in.has("--output") && in.option("--output") == "-";
    if (in.has("--device")) {
        auto found = FindRemovableDrive(in.option("--device"));
        if (!found)
            return in.fail(found.status());
        // Writing onto a card that does not answer would hang in the system, perhaps for good.
        if (found->state != DriveState::Answered)
            return in.fail(NotAnsweringMessage(found->root) + "; camera.conf was not written");
        card = std::move(*found);
        target = PathFromUtf8(card->root) / std::string(kCameraConfName);
    } else if (!toStandardOutput) {
        target = PathFromUtf8(in.option("--output"));
        // Replacing the profile file with a camera.conf would lose every profile in it.
        if (SameFile(target, in.configPath)) {
            return in.fail("Cannot write \"" + in.option("--output") +
                           "\": it is the profile file in use (" + PathToUtf8(in.configPath) + ")");
        }
    }

    const auto bytes = BuildCameraConfNow(*values);
    if (!bytes)
        return in.fail(bytes.status());
    if (toStandardOutput) {
        in.out << *bytes;
        return kExitSuccess;
    }
    const Status status =
        card ? WriteCameraConf(PathFromUtf8(card->root), *bytes, card->drive.rootDevice)
             : WriteCameraConfFile(target, *bytes);
    if (!status)
        return in.fail(status);
    // A pipe or terminal written into shows the file itself; a note there would corrupt it.
    if (auto kind = ProbeFile(target); kind && *kind == FileKind::Regular)
        in.out << "Wrote " << EscapedText(PathToUtf8(target)) << "\n";
    return kExitSuccess;
}

int RunImport(Invocation& in) {
    if (!in.has("--name"))
        return in.usage("import needs --name NAME");
    const std::string& file = in.arguments[0];
    auto reading = ReadCameraConfFile(in, file);
    if (!reading)
        return in.fail(reading.status());
    // Texts the camera knows but no page offers read back from cfg.ini as the key's first
    // option; importing them would silently change the setting.
    for (std::size_t i = 0; i < kCameraConfOrder.size(); ++i) {
        const Setting setting = kCameraConfOrder[i];
        const CameraConfSetting& s = *reading->settings[i];
        if (s.index >= OptionCount(setting, OptionScope::Page)) {
            return in.fail(FileDisplayName(file) + ":" + std::to_string(s.line) + ": " +
                           inQuotes(s.text) + " of " + std::string(RowOf(setting).name) +
                           " cannot be kept in a profile; valid texts: " + offeredTexts(setting));
        }
    }
    if (const Status refused = refuseBeforeWriting(in, {}, in.option("--name")); !refused)
        return in.fail(refused);
    OpenStore open(in, Access::ReadWrite);
    if (!open.status())
        return in.fail(open.status());
    if (const Status status = createProfile(open, in.option("--name"), reading->selections());
        !status) {
        return in.fail(status);
    }
    return kExitSuccess;
}

// As diff(1) and cmp(1): 0 the same, 1 different, 2 when the two could not be compared, so that
// a script never takes a missing file for a card that needs writing.
int RunDiff(Invocation& in) {
    auto values = loadProfile(in, in.arguments[0]);
    if (!values) {
        in.fail(values.status());
        return kExitTrouble;
    }
    auto reading = ReadCameraConfFile(in, in.arguments[1]);
    if (!reading) {
        in.fail(reading.status());
        return kExitTrouble;
    }
    const auto differences = DiffCameraConf(*values, *reading);
    if (in.has("--json")) {
        Json document = Json::object();
        PutText(document, "profile", in.arguments[0]);
        PutText(document, "file", in.arguments[1]);
        document["same"] = differences.empty();
        document["differences"] = Json::array();
        for (const CameraConfDifference& d : differences) {
            Json difference = Json::object();
            PutText(difference, "key", d.key);
            PutText(difference, "profile", d.profileText);
            PutText(difference, "file", d.fileText);
            document["differences"].push_back(std::move(difference));
        }
        PrintJson(in.out, document);
    } else {
        for (const CameraConfDifference& d : differences)
            in.out << d.key << ": " << d.profileText << " -> " << d.fileText << "\n";
    }
    return differences.empty() ? kExitSuccess : kExitDiffers;
}

}  // namespace marlix
