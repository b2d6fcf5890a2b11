// The profiles in cfg.ini: seeding, listing, loading, saving, creating and deleting them. The
// window (MainWindow) and marlix-cli are thin glue over this class.
//
// Every command reads the file at most once and writes it at most once, as a whole, through an
// atomic replace; nothing of the file is kept between commands, so edits made elsewhere in it
// survive. A command that writes holds the file's lock from its read to its write, so that
// commands of other processes on the same file (a second window, marlix-cli) wait for it rather
// than undo it; one that cannot have the lock within a few seconds changes nothing and says the
// file is busy. A command that fails changes neither the file nor the state below.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/pages/page_fields.h"
#include "core/platform/files/file_lock.h"
#include "core/platform/ini/ini_document.h"
#include "core/platform/result.h"
#include "core/schema/setting_rows.h"

namespace marlix {

// One key's new value for SaveSettingsAt: an option index, or for sync_clock 1 (TRUE) or 0
// (FALSE).
struct SettingChange {
    Setting setting;
    int value;
};

// What Del Profile took out of cfg.ini, for RestoreDeletedProfile to put back.
struct DeletedProfile {
    std::string name;  // as the list showed it
    // Each of its sections (headers that differ in case only are one profile), in file order.
    std::vector<IniDocument::RemovedSection> sections;
};

class ProfileStore {
public:
    explicit ProfileStore(std::filesystem::path cfgPath);

    // Seeds the file when it is missing or holds no profile section ("profile-default" with
    // every default is appended, and [basic] with last_cfg=default unless a basic section is
    // there), lists every profile section, makes the first current and loads it into `out`.
    // On a file that cannot be read: returns the failure, lists nothing, and refuses every later
    // write, so that file is never overwritten. On a failed seeding write: returns the failure,
    // lists nothing; `out` is left as it was.
    Status InitProfileStore(ProfileSelections& out);
    // The same listing and first load for commands that only read: nothing is ever written. A
    // missing file reads as a first run would leave it (the profile "default" with every
    // default); a file without a profile section fails with ErrorCode::NotFound. The store
    // refuses every write afterwards.
    Status OpenReadOnly(ProfileSelections& out);

    const std::filesystem::path& cfgPath() const { return m_cfgPath; }
    const std::string& currentSection() const { return m_currentSection; }  // "" when none
    int currentIndex() const { return m_currentIndex; }                     // -1 when none
    const std::vector<std::string>& sectionNames() const { return m_sectionNames; }
    const std::vector<std::string>& profileNames() const { return m_profileNames; }

    // The list position of the profile called `name` (names compare as section names do: ASCII
    // case ignored), or -1.
    int FindProfile(std::string_view name) const;

    // The current profile's stored values into `out` (only the stored fields; the Photo
    // interlock flags are left alone).
    Status LoadProfile(ProfileSelections& out) const;
    Result<ProfileSelections> LoadProfileAt(int index) const;
    // Writes every key into the current profile's section; a failure when there is none.
    Status SaveProfile(const ProfileSelections& values);
    Status SaveProfileAt(int index, const ProfileSelections& values);
    // Writes only the given keys of the profile at `index`: each in place, or at the end of its
    // section when missing; every other line keeps its bytes, however unusual its value. All or
    // nothing: a key that is no profile key or a value that is none of its options changes
    // nothing, and so does a profile whose section has gone from the file since it was listed.
    // Later changes of one key win.
    Status SaveSettingsAt(int index, std::span<const SettingChange> changes);

    // New Profile: checks the name (NameProblem), refuses one already used (by a listed profile
    // or by a section in the file, ASCII case ignored) with kDuplicateNameText, appends the
    // section with `values` in save order, adds it at the end of the list and makes it current.
    Status CreateProfile(const std::string& name, const ProfileSelections& values);
    // Del Profile on list position `index`: removes its section; the item after it (or the one
    // before when it was the last) becomes current and is loaded into `out`. With no profile
    // left, currentIndex() is -1 and `out` is untouched. With `deleted`, tells what was taken
    // out (set only on success).
    Status DeleteProfile(int index, ProfileSelections& out, DeletedProfile* deleted = nullptr);
    // Undoes a Del Profile: puts its sections back byte for byte where they stood (see
    // IniDocument::InsertRemovedSection for a file that changed meanwhile), lists the profiles
    // as the file has them now, makes the restored one current and loads it into `out`. Refuses
    // with ErrorCode::DuplicateName, changing nothing, when the file holds a profile of that name
    // again.
    Status RestoreDeletedProfile(const DeletedProfile& deleted, ProfileSelections& out);
    // A selection change: makes `index` current and loads it into `out`.
    Status SelectProfile(int index, ProfileSelections& out);

    // Why `name` cannot be a profile name, or nullopt when it can. The texts are for users.
    static std::optional<std::string> NameProblem(std::string_view name);
    // Worded as users know it; keep it so.
    static constexpr std::string_view kDuplicateNameText = "This name has be used !";
    static constexpr std::string_view kSectionPrefix = "profile-";

    // The largest cfg.ini read: far beyond the 100,000 profiles anyone keeps (about 50 MB).
    static constexpr std::size_t kReadLimit = std::size_t(256) << 20;

private:
    Status open(ProfileSelections& out, bool readOnly);
    Result<IniDocument> readDocument() const;
    Result<FileLock> lockFile() const;
    // What a command that changes the file holds from its read to its write: the lock, and the
    // file as it is under the lock.
    struct Change {
        FileLock lock;
        IniDocument doc;
    };
    // Refuses a store that must not write and an index that names no profile (when given), then
    // takes the lock and reads the file.
    Result<Change> beginChange(std::optional<int> index) const;
    Status writeDocument(const IniDocument& doc) const;
    Status refuseIfUnreadable() const;
    Status checkIndex(int index) const;
    Status writeFailure(const Status& why) const;

    static Status WriteSetting(IniDocument& doc, std::string_view section, Setting setting,
                               OptionIndex index);
    static OptionIndex ReadSetting(const IniDocument& doc, std::string_view section,
                                   Setting setting);
    static Status WriteSyncClock(IniDocument& doc, std::string_view section, int flag);
    static Status writeField(IniDocument& doc, std::string_view section, Setting setting,
                             int value);
    static int ReadSyncClock(const IniDocument& doc, std::string_view section);
    static void DeleteProfileSection(IniDocument& doc, std::string_view section,
                                     std::vector<IniDocument::RemovedSection>* removed);
    // The profile sections (section, display name) in file order, each once.
    static std::vector<std::pair<std::string, std::string>> listProfiles(const IniDocument& doc);
    // Appends the first run's content: [basic] unless there is one, and profile-default.
    static void seed(IniDocument& doc);
    static Status writeProfile(IniDocument& doc, std::string_view section,
                               const ProfileSelections& values);
    static void readProfile(const IniDocument& doc, std::string_view section,
                            ProfileSelections& out);

    std::filesystem::path m_cfgPath;
    std::string m_currentSection;
    int m_currentIndex = -1;
    std::vector<std::string> m_sectionNames;
    std::vector<std::string> m_profileNames;
    // Set when the file existed but could not be read at start-up: it is never written then.
    bool m_unreadable = false;
    bool m_readOnly = false;
};

}  // namespace marlix
