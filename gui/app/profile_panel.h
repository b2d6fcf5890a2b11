// The profile list and its commands (New Profile, Del Profile, Save Profile, choosing a
// profile), over the profile store, which owns cfg.ini's path, the current profile and the names.
// What a profile holds goes in and out of the pages. The panel knows what the chosen profile
// holds in cfg.ini, so it can tell when the pages differ from it (unsaved changes) and ask before
// they would be lost; it follows what other programs do to cfg.ini.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "core/profiles/profile_store.h"
#include "gui/app/note_action.h"

class QAbstractButton;
class QFileSystemWatcher;
class QTimer;
class QWidget;

namespace marlix {

class ChoiceListWidget;
class PagesHost;

class ProfilePanel : public QObject {
    Q_OBJECT
public:
    // window: where the New Profile dialog and the messages appear.
    ProfilePanel(PagesHost& pages, QWidget* window);

    // Opens cfg.ini (a first run's is made by finishPending) and puts its current profile into
    // the pages' fields.
    void open(const std::filesystem::path& cfgPath);
    // Lists the profiles and takes the commands' buttons.
    void attach(ChoiceListWidget* list, QAbstractButton* create, QAbstractButton* remove,
                QAbstractButton* save);
    // Whether the first run's cfg.ini is still to be made (right after the first paint).
    bool pending() const { return m_pending; }
    // Makes the profile file of a first run; the commands make it first should they come
    // earlier.
    void finishPending();
    const ProfileStore& store() const { return m_store; }

    // The commands, as their buttons and the list run them.
    void createProfile();
    void deleteProfile();
    void saveProfile();
    void chooseProfile();
    // Puts the profile that Del Profile took out back into cfg.ini, and the pages as they were;
    // offered until the next profile command.
    void undoDelete();
    bool canUndoDelete() const { return m_deleted.has_value(); }

    // Whether the pages differ from what the chosen profile holds in cfg.ini.
    bool unsaved() const { return m_unsaved; }
    // The chosen profile's name; empty when there is none.
    QString currentName() const;
    // Before the pages' unsaved changes would be lost: asks whether to save them. True to go on
    // (saved, discarded, or nothing to lose), false when the user cancels or the save failed.
    bool offerToSave();
    // Reads cfg.ini again after another program changed it (the file watcher does this).
    void reload();

signals:
    // What a command did, for the window's note, with what the note offers to do next.
    void said(const QString& note, const QList<NoteAction>& actions = {});
    // The pages came to differ from the chosen profile, or back to it.
    void unsavedChanged(bool unsaved);

private:
    void fillList();
    void showError(const QString& message);
    // Refuses a command that would change cfg.ini when the folder does not let it be made.
    bool refuseChange();
    // The chosen profile's stored values are `stored` now; the marker follows.
    void remember(const ProfileSelections& stored);
    void updateMarker();
    void watchFile();

    PagesHost& m_pages;
    QWidget* m_window;
    std::filesystem::path m_cfgPath;
    ProfileStore m_store{std::filesystem::path()};
    ChoiceListWidget* m_list = nullptr;
    bool m_pending = false;
    // What the chosen profile holds in cfg.ini, as the pages would show it.
    ProfileSelections m_stored;
    bool m_unsaved = false;
    bool m_markerQueued = false;
    bool m_asking = false;  // choosing a profile waits for the answer to its question
    QString m_windowTitle;  // the window's own title, without the marker
    // Why cfg.ini cannot be made here; the profiles shown are what could be read.
    std::string m_cannotWrite;
    // What the last Del Profile took out, and the pages as they were then.
    std::optional<DeletedProfile> m_deleted;
    ProfileSelections m_pagesBeforeDelete;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_reloadTimer = nullptr;
};

}  // namespace marlix
