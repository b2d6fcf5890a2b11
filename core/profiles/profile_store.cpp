#include "core/profiles/profile_store.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "core/platform/files/file_io.h"
#include "core/platform/text.h"

namespace marlix {

namespace {

constexpr std::string_view kBasicSection = "basic";
constexpr std::string_view kDefaultProfile = "default";

bool isProfileSection(std::string_view section) {
    const std::string_view prefix = ProfileStore::kSectionPrefix;
    return section.size() >= prefix.size() &&
           IniNamesEqual(section.substr(0, prefix.size()), prefix);
}

constexpr std::string_view kClockTrue = "TRUE";
constexpr std::string_view kClockFalse = "FALSE";

std::string sectionOf(std::string_view profileName) {
    return std::string(ProfileStore::kSectionPrefix) + std::string(profileName);
}

}  // namespace

ProfileStore::ProfileStore(std::filesystem::path cfgPath) : m_cfgPath(std::move(cfgPath)) {}

std::optional<std::string> ProfileStore::NameProblem(std::string_view name) {
    if (!IsValidUtf8(name))
        return "The name is not valid text.";
    // Blanks of every script count: a name of ideographic spaces looks as empty as one of
    // ASCII spaces, and one ending in a no-break space cannot be told from one without.
    auto isBlank = [](char32_t c) {
        return c == ' ' || c == '\t' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
               c == 0x202F || c == 0x205F || c == 0x3000;
    };
    bool onlyBlanks = true;
    char32_t first = 0, last = 0;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = Utf8SequenceAt(name, i);
        const char32_t c = Utf8CodePointAt(name, i, length);
        i += length;
        if (first == 0)
            first = c;
        last = c;
        if (!isBlank(c))
            onlyBlanks = false;
        if (c == '\n' || c == '\r' || c == 0x85 || c == 0x2028 || c == 0x2029) {
            return "The name must not contain a line break.";
        }
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            return "The name must not contain control characters.";
        }
        if (c == '[' || c == ']')
            return "The name must not contain \"[\" or \"]\".";
    }
    if (onlyBlanks)
        return "Please type a name for the profile.";
    if (isBlank(first) || isBlank(last)) {
        return "The name must not begin or end with a space.";
    }
    return std::nullopt;
}

// ---- file access ------------------------------------------------------------------------------

Result<IniDocument> ProfileStore::readDocument() const {
    auto bytes = ReadFileIfPresent(m_cfgPath, kReadLimit);
    if (!bytes)
        return bytes.status();
    if (!bytes->has_value()) {
        IniDocument doc;
        // Read-only commands see a missing file as the first run would make it, in a folder
        // where a first run could make it.
        if (m_readOnly) {
            const std::filesystem::path folder =
                m_cfgPath.has_parent_path() ? m_cfgPath.parent_path() : ".";
            auto kind = ProbeFile(folder);
            if (!kind || *kind != FileKind::Directory) {
                return Status::failure(
                    "Cannot read \"" + PathToUtf8(m_cfgPath) + "\": its folder does not exist",
                    ErrorCode::NotFound);
            }
            seed(doc);
        }
        return doc;
    }
    return IniDocument::Parse(std::move(**bytes));
}

Result<FileLock> ProfileStore::lockFile() const {
    auto lock = FileLock::Take(m_cfgPath);
    if (!lock && lock.code() == ErrorCode::Busy) {
        return lock.status().withMessage(
            "The profile file \"" + PathToUtf8(m_cfgPath) +
            "\" is busy: another program (a second marlix, or marlix-cli) has been changing it "
            "for several seconds. Nothing was changed; try again when it is done.");
    }
    return lock;
}

Result<ProfileStore::Change> ProfileStore::beginChange(std::optional<int> index) const {
    if (Status s = refuseIfUnreadable(); !s)
        return s;
    if (index) {
        if (Status s = checkIndex(*index); !s)
            return s;
    }
    auto lock = lockFile();
    if (!lock)
        return lock.status();
    auto doc = readDocument();
    if (!doc)
        return doc.status();
    return Change{std::move(*lock), std::move(*doc)};
}

Status ProfileStore::writeDocument(const IniDocument& doc) const {
    // Nothing to do when every value was already stored: the file keeps its bytes and its time.
    if (!doc.modified())
        return Status::success();
    AtomicWriteOptions options;
    options.followSymlink = true;
    return AtomicWriteFile(m_cfgPath, doc.Serialize(), options);
}

Status ProfileStore::writeFailure(const Status& why) const {
    return why.withMessage("Cannot write \"" + PathToUtf8(m_cfgPath) + "\": " + why.message());
}

Status ProfileStore::refuseIfUnreadable() const {
    if (m_readOnly)
        return writeFailure(Status::failure("it was opened for reading only"));
    if (!m_unreadable)
        return Status::success();
    return writeFailure(
        Status::failure("it could not be read at start-up, so it is left as it is"));
}

Status ProfileStore::checkIndex(int index) const {
    if (index >= 0 && index < static_cast<int>(m_sectionNames.size()))
        return Status::success();
    return Status::failure("There is no profile at list position " + std::to_string(index) + ".",
                           ErrorCode::NotFound);
}

// ---- one key at a time ------------------------------------------------------------------------

Status ProfileStore::WriteSetting(IniDocument& doc, std::string_view section, Setting setting,
                                  OptionIndex index) {
    if (index < 0 || index >= OptionCount(setting, OptionScope::Camera)) {
        return Status::failure("the value " + std::to_string(index) + " of " +
                                   std::string(RowOf(setting).name) + " is not one of its options",
                               ErrorCode::InvalidValue);
    }
    return doc.SetValue(section, RowOf(setting).name, OptionText(setting, index));
}

OptionIndex ProfileStore::ReadSetting(const IniDocument& doc, std::string_view section,
                                      Setting setting) {
    // A missing key or a text that none of the page's buttons shows loads as the first option.
    const std::string value = doc.GetValue(section, RowOf(setting).name).value_or("unknown");
    return FindOption(setting, value, OptionScope::Page).value_or(0);
}

Status ProfileStore::WriteSyncClock(IniDocument& doc, std::string_view section, int flag) {
    return doc.SetValue(section, RowOf(Setting::SyncClock).name,
                        flag == 1 ? kClockTrue : kClockFalse);
}

int ProfileStore::ReadSyncClock(const IniDocument& doc, std::string_view section) {
    const std::string value =
        doc.GetValue(section, RowOf(Setting::SyncClock).name).value_or(std::string(kClockFalse));
    return IniNamesEqual(value, kClockTrue) ? 1 : 0;
}

Status ProfileStore::writeField(IniDocument& doc, std::string_view section, Setting setting,
                                int value) {
    if (setting == Setting::SyncClock)
        return WriteSyncClock(doc, section, value);
    return WriteSetting(doc, section, setting, value);
}

void ProfileStore::DeleteProfileSection(IniDocument& doc, std::string_view section,
                                        std::vector<IniDocument::RemovedSection>* removed) {
    doc.RemoveSection(section, removed);
}

Status ProfileStore::writeProfile(IniDocument& doc, std::string_view section,
                                  const ProfileSelections& values) {
    for (const Setting setting : kProfileSaveOrder) {
        if (Status s = writeField(doc, section, setting, SelectionField(values, setting)); !s)
            return s;
    }
    return Status::success();
}

void ProfileStore::readProfile(const IniDocument& doc, std::string_view section,
                               ProfileSelections& out) {
    for (const Setting setting : kProfileSaveOrder) {
        SelectionField(out, setting) = setting == Setting::SyncClock
                                           ? ReadSyncClock(doc, section)
                                           : ReadSetting(doc, section, setting);
    }
}

// ---- commands ---------------------------------------------------------------------------------

Status ProfileStore::InitProfileStore(ProfileSelections& out) {
    return open(out, false);
}

Status ProfileStore::OpenReadOnly(ProfileSelections& out) {
    return open(out, true);
}

void ProfileStore::seed(IniDocument& doc) {
    // A first run, or every profile was deleted: start again from the defaults, appended after
    // whatever the file already holds. Setting known keys to option texts cannot fail.
    if (!doc.HasSection(kBasicSection))
        (void)doc.SetValue(kBasicSection, "last_cfg", kDefaultProfile);
    (void)writeProfile(doc, sectionOf(kDefaultProfile), DefaultSelections());
}

Status ProfileStore::open(ProfileSelections& out, bool readOnly) {
    m_sectionNames.clear();
    m_profileNames.clear();
    m_currentSection.clear();
    m_currentIndex = -1;
    m_unreadable = false;
    m_readOnly = readOnly;

    auto doc = readDocument();
    if (!doc) {
        m_unreadable = true;
        return doc.status();
    }
    auto listed = listProfiles(*doc);
    if (listed.empty() && readOnly) {
        return Status::failure("\"" + PathToUtf8(m_cfgPath) + "\" holds no profile",
                               ErrorCode::NotFound);
    }
    if (listed.empty()) {
        // Seeding writes: under the lock, and from the file as it is then, since another
        // process may have seeded it meanwhile.
        auto lock = lockFile();
        if (!lock)
            return lock.status();
        doc = readDocument();
        if (!doc) {
            m_unreadable = true;
            return doc.status();
        }
        listed = listProfiles(*doc);
        if (listed.empty()) {
            seed(*doc);
            if (Status s = writeDocument(*doc); !s)
                return s;
            listed = listProfiles(*doc);
        }
    }

    readProfile(*doc, listed.front().first, out);
    for (auto& [section, name] : listed) {
        m_sectionNames.push_back(std::move(section));
        m_profileNames.push_back(std::move(name));
    }
    m_currentIndex = 0;
    m_currentSection = m_sectionNames.front();
    return Status::success();
}

std::vector<std::pair<std::string, std::string>> ProfileStore::listProfiles(
    const IniDocument& doc) {
    std::vector<std::pair<std::string, std::string>> listed;
    // Headers that differ in case only address one section: list it once.
    std::unordered_set<std::string> seen;
    for (std::string& section : doc.SectionNames()) {
        if (!isProfileSection(section) || !seen.insert(IniNameKey(section)).second)
            continue;
        std::string name = section.substr(kSectionPrefix.size());
        listed.emplace_back(std::move(section), std::move(name));
    }
    return listed;
}

int ProfileStore::FindProfile(std::string_view name) const {
    for (std::size_t i = 0; i < m_profileNames.size(); ++i) {
        if (IniNamesEqual(m_profileNames[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

Status ProfileStore::LoadProfile(ProfileSelections& out) const {
    if (m_currentIndex < 0)
        return Status::failure("No profile is selected.");
    auto doc = readDocument();
    if (!doc)
        return doc.status();
    readProfile(*doc, m_currentSection, out);
    return Status::success();
}

Result<ProfileSelections> ProfileStore::LoadProfileAt(int index) const {
    if (Status s = checkIndex(index); !s)
        return s;
    auto doc = readDocument();
    if (!doc)
        return doc.status();
    ProfileSelections values;
    readProfile(*doc, m_sectionNames[index], values);
    return values;
}

Status ProfileStore::SaveProfile(const ProfileSelections& values) {
    if (m_currentIndex < 0)
        return Status::failure("No profile is selected.");
    return SaveProfileAt(m_currentIndex, values);
}

Status ProfileStore::SaveProfileAt(int index, const ProfileSelections& values) {
    auto change = beginChange(index);
    if (!change)
        return change.status();
    IniDocument& doc = change->doc;
    if (Status s = writeProfile(doc, m_sectionNames[index], values); !s)
        return writeFailure(s);
    return writeDocument(doc);
}

Status ProfileStore::SaveSettingsAt(int index, std::span<const SettingChange> changes) {
    // Judged before the file is read.
    for (const SettingChange& c : changes) {
        if (c.setting == Setting::SyncClock && c.value != 0 && c.value != 1) {
            return Status::failure("the value " + std::to_string(c.value) + " of " +
                                       std::string(RowOf(Setting::SyncClock).name) +
                                       " is neither 0 nor 1",
                                   ErrorCode::InvalidValue);
        }
    }
    auto change = beginChange(index);
    if (!change)
        return change.status();
    IniDocument& doc = change->doc;
    // Removed since start-up (by hand, by another process): writing a few keys would bring it
    // back as a profile whose other keys all read as their first option.
    if (!doc.HasSection(m_sectionNames[index])) {
        return writeFailure(
            Status::failure("the profile \"" + m_profileNames[index] + "\" is no longer in it"));
    }
    for (const SettingChange& c : changes) {
        if (Status s = writeField(doc, m_sectionNames[index], c.setting, c.value); !s)
            return writeFailure(s);
    }
    return writeDocument(doc);
}

Status ProfileStore::CreateProfile(const std::string& name, const ProfileSelections& values) {
    if (Status s = refuseIfUnreadable(); !s)
        return s;
    if (auto problem = NameProblem(name))
        return Status::failure(*problem, ErrorCode::InvalidName);
    if (FindProfile(name) >= 0)
        return Status::failure(std::string(kDuplicateNameText), ErrorCode::DuplicateName);
    const std::string section = sectionOf(name);
    auto change = beginChange(std::nullopt);
    if (!change)
        return change.status();
    IniDocument& doc = change->doc;
    // A section added to the file by hand since start-up holds the name too: writing into it
    // would mix two profiles.
    if (doc.HasSection(section))
        return Status::failure(std::string(kDuplicateNameText), ErrorCode::DuplicateName);
    if (Status s = writeProfile(doc, section, values); !s)
        return writeFailure(s);
    if (Status s = writeDocument(doc); !s)
        return s;

    m_sectionNames.push_back(section);
    m_profileNames.push_back(name);
    m_currentIndex = static_cast<int>(m_sectionNames.size()) - 1;
    m_currentSection = section;
    return Status::success();
}

Status ProfileStore::DeleteProfile(int index, ProfileSelections& out, DeletedProfile* deleted) {
    auto change = beginChange(index);
    if (!change)
        return change.status();
    IniDocument& doc = change->doc;
    DeletedProfile taken{m_profileNames[index], {}};
    DeleteProfileSection(doc, m_sectionNames[index], &taken.sections);

    const int count = static_cast<int>(m_sectionNames.size());
    const int neighbour = count == 1 ? -1 : index < count - 1 ? index + 1 : index - 1;
    ProfileSelections loaded = out;
    if (neighbour >= 0)
        readProfile(doc, m_sectionNames[neighbour], loaded);
    if (Status s = writeDocument(doc); !s)
        return s;

    m_sectionNames.erase(m_sectionNames.begin() + index);
    m_profileNames.erase(m_profileNames.begin() + index);
    m_currentIndex = neighbour < 0 ? -1 : neighbour > index ? neighbour - 1 : neighbour;
    m_currentSection = neighbour < 0 ? std::string() : m_sectionNames[m_currentIndex];
    out = loaded;
    if (deleted)
        *deleted = std::move(taken);
    return Status::success();
}

Status ProfileStore::RestoreDeletedProfile(const DeletedProfile& deleted, ProfileSelections& out) {
    const std::string section = sectionOf(deleted.name);
    const auto refused = [&](const std::string& why, ErrorCode code) {
        return Status::failure("Cannot bring back the profile \"" + deleted.name + "\" in \"" +
                                   PathToUtf8(m_cfgPath) + "\": " + why + ". Nothing was changed.",
                               code);
    };
    const bool allOfIt =
        std::all_of(deleted.sections.begin(), deleted.sections.end(),
                    [&](const auto& piece) { return IniNamesEqual(piece.name, section); });
    if (deleted.sections.empty() || !allOfIt)
        return refused("what was kept of it is not that profile", ErrorCode::InvalidValue);
    auto change = beginChange(std::nullopt);
    if (!change)
        return change.status();
    IniDocument& doc = change->doc;
    // Made again since (here, by hand, by another process): two sections of one name would mix
    // two profiles.
    if (doc.HasSection(section))
        return refused("a profile of that name is there again", ErrorCode::DuplicateName);
    for (const IniDocument::RemovedSection& piece : deleted.sections) {
        if (Status s = doc.InsertRemovedSection(piece); !s)
            return refused(s.message(), s.code());
    }
    if (Status s = writeDocument(doc); !s)
        return s;

    // The list as the file has it now, which may hold other changes made meanwhile.
    m_sectionNames.clear();
    m_profileNames.clear();
    for (auto& [listedSection, name] : listProfiles(doc)) {
        if (IniNamesEqual(listedSection, section))
            m_currentIndex = static_cast<int>(m_sectionNames.size());
        m_sectionNames.push_back(std::move(listedSection));
        m_profileNames.push_back(std::move(name));
    }
    m_currentSection = m_sectionNames[m_currentIndex];
    readProfile(doc, m_currentSection, out);
    return Status::success();
}

Status ProfileStore::SelectProfile(int index, ProfileSelections& out) {
    if (Status s = checkIndex(index); !s)
        return s;
    auto doc = readDocument();
    if (!doc)
        return doc.status();
    readProfile(*doc, m_sectionNames[index], out);
    m_currentIndex = index;
    m_currentSection = m_sectionNames[index];
    return Status::success();
}

}  // namespace marlix
