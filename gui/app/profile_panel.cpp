#include "gui/app/profile_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileSystemWatcher>
#include <QShortcut>
#include <QTime>
#include <QTimer>
#include <system_error>

#include "core/platform/text.h"
#include "gui/app/pages_host.h"
#include "gui/app/qt_text.h"
#include "gui/layout/choice_list.h"
#include "gui/layout/message_box.h"
#include "gui/profiles/new_profile_dialog.h"

namespace marlix {

namespace {

// What a profile keeps of the pages: which of burst and auto shoot came last is the page's own.
ProfileSelections StoredPart(ProfileSelections values) {
    values.photo.m_photoInterlock = 0;
    return values;
}

QString Now() {
    return QTime::currentTime().toString("HH:mm:ss");
}

}  // namespace

ProfilePanel::ProfilePanel(PagesHost& pages, QWidget* window) : m_pages(pages), m_window(window) {
    // A click changes a page several times over (the Photo rule); the marker is worked out once.
    connect(&m_pages, &PagesHost::changed, this, [this] {
        if (m_markerQueued)
            return;
        m_markerQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_markerQueued = false;
            updateMarker();
        });
    });
}

void ProfilePanel::attach(ChoiceListWidget* list, QAbstractButton* create, QAbstractButton* remove,
                          QAbstractButton* save) {
    m_list = list;
    connect(create, &QAbstractButton::clicked, this, &ProfilePanel::createProfile);
    connect(remove, &QAbstractButton::clicked, this, &ProfilePanel::deleteProfile);
    connect(save, &QAbstractButton::clicked, this, &ProfilePanel::saveProfile);
    // Queued: choosing may ask a question, which must not run inside whatever chose (a screen
    // reader's action waits for its answer until the box is closed).
    connect(m_list, &ChoiceListWidget::choiceChanged, this, &ProfilePanel::chooseProfile,
            Qt::QueuedConnection);
    m_windowTitle = m_window->windowTitle();
    auto* undo = new QShortcut(QKeySequence::Undo, m_window);
    connect(undo, &QShortcut::activated, this, &ProfilePanel::undoDelete);
    fillList();
    // Watching costs the start nothing when it begins right after it.
    QTimer::singleShot(0, this, &ProfilePanel::watchFile);
}

void ProfilePanel::showError(const QString& message) {
    ShowMessage(m_window, message, "MARLIX");
}

void ProfilePanel::open(const std::filesystem::path& cfgPath) {
    m_cfgPath = cfgPath;
    m_store = ProfileStore(m_cfgPath);
    ProfileSelections values = m_pages.fields();
    // A first run creates cfg.ini, and syncing a new file to the disk can take longer than all
    // the rest of the start. The window shows what the file will hold (a missing file reads as a
    // first run leaves it) and makes it as soon as it is up (finishPending).
    std::error_code error;
    if (std::filesystem::symlink_status(m_cfgPath, error).type() ==
            std::filesystem::file_type::not_found &&
        m_store.OpenReadOnly(values)) {
        m_pending = true;
        m_pages.setFields(values);
        m_stored = values;
        return;
    }
    const Status status = m_store.InitProfileStore(values);
    if (!status) {
        showError(Q(status.message()));
        return;
    }
    // The pages do not exist yet: they show these fields when they are created.
    m_pages.setFields(values);
    m_stored = values;
}

void ProfilePanel::finishPending() {
    if (!m_pending)
        return;
    m_pending = false;
    const std::vector<std::string> shown = m_store.profileNames();
    ProfileStore store(m_cfgPath);
    ProfileSelections values = m_pages.fields();
    const Status status = store.InitProfileStore(values);
    if (!status) {
        // A folder that cannot hold the file: the profiles read stay in view (the store that
        // read them refuses every write), and changing them is refused with this reason.
        m_cannotWrite = status.message();
        showError(tr("%1\n\nThe profiles are shown, but nothing can be saved in this folder. "
                     "Start marlix from a folder you can write to in order to keep profiles.")
                      .arg(Q(m_cannotWrite)));
        return;
    }
    m_store = std::move(store);
    // Another program made the file meanwhile: show what there is.
    if (m_store.profileNames() != shown) {
        m_list->clear();
        fillList();
        if (m_store.currentIndex() >= 0)
            m_pages.show(values);
        remember(values);
    }
}

bool ProfilePanel::refuseChange() {
    if (m_cannotWrite.empty())
        return false;
    showError(tr("cfg.ini cannot be changed: %1").arg(Q(m_cannotWrite)));
    return true;
}

QString ProfilePanel::currentName() const {
    const int current = m_store.currentIndex();
    return current < 0 ? QString() : Q(m_store.profileNames()[static_cast<std::size_t>(current)]);
}

void ProfilePanel::remember(const ProfileSelections& stored) {
    m_stored = stored;
    updateMarker();
}

void ProfilePanel::updateMarker() {
    if (m_list == nullptr)
        return;
    const int current = m_store.currentIndex();
    const bool unsaved = current >= 0 && StoredPart(m_pages.read()) != StoredPart(m_stored);
    // The chosen entry carries the marker, for the eye and, in words, for screen readers; the
    // window's title says it too.
    const std::vector<std::string>& names = m_store.profileNames();
    for (int row = 0; row < m_list->count() && row < static_cast<int>(names.size()); ++row) {
        QListWidgetItem* item = m_list->item(row);
        const QString name = Q(names[static_cast<std::size_t>(row)]);
        const bool marked = unsaved && row == current;
        item->setText(marked ? name + " *" : name);
        item->setData(Qt::AccessibleTextRole,
                      marked ? tr("%1, unsaved changes").arg(name) : QVariant());
        item->setToolTip(marked ? tr("Unsaved changes: Save Profile keeps them") : QString());
    }
    m_window->setWindowTitle(unsaved
                                 ? tr("%1 - %2 (unsaved changes)").arg(m_windowTitle, currentName())
                                 : m_windowTitle);
    if (unsaved != m_unsaved) {
        m_unsaved = unsaved;
        emit unsavedChanged(unsaved);
    }
}

bool ProfilePanel::offerToSave() {
    updateMarker();
    if (!m_unsaved)
        return true;
    enum { Save, Discard, Cancel };
    const int answer =
        AskQuestion(m_window, tr("Save changes to profile %1?").arg(currentName()), "MARLIX",
                    {tr("&Save"), tr("&Discard"), tr("Cancel")}, Save, Cancel);
    if (answer == Cancel)
        return false;
    if (answer == Save) {
        saveProfile();
        return !m_unsaved;
    }
    return true;
}

void ProfilePanel::watchFile() {
    if (m_watcher != nullptr || m_cfgPath.empty())
        return;
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(250);  // one read for a burst of changes
    connect(m_reloadTimer, &QTimer::timeout, this, &ProfilePanel::reload);
    m_watcher = new QFileSystemWatcher(this);
    // The folder too: a replaced file (every save is a rename) is a new file to watch.
    const std::filesystem::path folder =
        m_cfgPath.has_parent_path() ? m_cfgPath.parent_path() : std::filesystem::path(".");
    m_watcher->addPath(Q(PathToUtf8(folder)));
    const QString file = Q(PathToUtf8(m_cfgPath));
    m_watcher->addPath(file);
    auto changed = [this, file] {
        if (!m_watcher->files().contains(file))
            m_watcher->addPath(file);  // back after a replace, if it is there
        m_reloadTimer->start();
    };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
}

void ProfilePanel::reload() {
    // Not in the middle of a question or a dialog of ours: once it is answered.
    if (QApplication::activeModalWidget() != nullptr) {
        if (m_reloadTimer)
            m_reloadTimer->start();
        return;
    }
    if (m_pending || !m_cannotWrite.empty() || m_list == nullptr)
        return;
    std::error_code error;
    if (!std::filesystem::exists(m_cfgPath, error))
        return;  // removed: what is shown stays, and a command will make the file again
    {
        // Only a file with profiles is taken; anything else waits for the next change, and
        // nothing here ever writes.
        ProfileSelections ignored = m_pages.fields();
        if (!ProfileStore(m_cfgPath).OpenReadOnly(ignored))
            return;
    }
    const QString name = currentName();
    ProfileStore store(m_cfgPath);
    ProfileSelections stored = m_pages.fields();
    if (!store.InitProfileStore(stored))
        return;
    updateMarker();
    const bool hadUnsaved = m_unsaved;
    const bool listChanged = store.profileNames() != m_store.profileNames();
    const int index = name.isEmpty() ? -1 : store.FindProfile(name.toStdString());
    if (index >= 0 && index != store.currentIndex() && !store.SelectProfile(index, stored))
        return;
    m_store = std::move(store);
    if (listChanged) {
        m_list->clear();
        fillList();
    }
    if (index < 0 && !name.isEmpty()) {
        // The chosen profile is gone: the first one is chosen, the pages keep unsaved work.
        if (!hadUnsaved)
            m_pages.show(stored);
        remember(stored);
        emit said((hadUnsaved ? tr("The profile %1 was removed from cfg.ini by another program; "
                                   "the pages keep what they show (New Profile keeps it).")
                              : tr("The profile %1 was removed from cfg.ini by another program."))
                      .arg(name));
        return;
    }
    if (StoredPart(stored) == StoredPart(m_stored)) {
        updateMarker();
        return;
    }
    // The chosen profile changed on disk.
    bool load = !hadUnsaved;
    if (hadUnsaved) {
        enum { Keep, Load };
        load = AskQuestion(m_window,
                           tr("The profile %1 was changed in cfg.ini by another program, and the "
                              "pages have unsaved changes.\n\nKeep the pages as they are, or "
                              "load the profile as cfg.ini holds it now?")
                               .arg(name),
                           "MARLIX", {tr("&Keep the Pages"), tr("&Load the Profile")}, Keep,
                           Keep) == Load;
    }
    if (load)
        m_pages.show(stored);
    remember(stored);
    emit said((load ? tr("The profile %1 was changed in cfg.ini by another program; the pages "
                         "show it as it is now.")
                    : tr("The profile %1 was changed in cfg.ini by another program; the pages "
                         "keep their changes."))
                  .arg(name));
}

void ProfilePanel::fillList() {
    for (const std::string& name : m_store.profileNames()) m_list->insertChoice(-1, Q(name));
    if (m_list->count() > 0)
        m_list->setChoice(m_store.currentIndex());
}

void ProfilePanel::createProfile() {
    finishPending();
    m_deleted.reset();  // a new command: the last deletion stays
    if (refuseChange())
        return;
    QString offered;
    std::string name;
    ProfileSelections values;
    for (;;) {
        NewProfileDialog dialog(m_window);
        dialog.offerName(offered);
        if (dialog.runModal() != QDialog::Accepted)
            return;
        name = dialog.name().toStdString();
        values = m_pages.read();
        const Status status = m_store.CreateProfile(name, values);
        if (status)
            break;
        // A name the user can mend is a notice, and the dialog comes back with it to mend;
        // anything else is an error of the file.
        const bool nameRefused =
            status.code() == ErrorCode::DuplicateName || status.code() == ErrorCode::InvalidName;
        if (!nameRefused) {
            showError(Q(status.message()));
            return;
        }
        ShowMessage(m_window, Q(status.message()), tr("Notify"));
        offered = dialog.name();
    }
    // The new profile keeps what the pages show; only the list learns about it.
    const int item = m_list->count();
    m_list->insertChoice(item, Q(name));
    m_list->setChoice(item);
    remember(values);
    emit said(tr("Profile %1 made from the pages and saved in cfg.ini at %2").arg(Q(name), Now()));
}

void ProfilePanel::deleteProfile() {
    finishPending();
    const int selected = m_list->choice();
    if (selected < 0)
        return;  // nothing shown as chosen: nothing to delete
    if (refuseChange())
        return;
    const QString name = currentName();
    const ProfileSelections pages = m_pages.read();
    ProfileSelections values = m_pages.fields();
    DeletedProfile deleted;
    const Status status = m_store.DeleteProfile(selected, values, &deleted);
    if (!status) {
        showError(Q(status.message()));
        return;
    }
    m_deleted = std::move(deleted);
    m_pagesBeforeDelete = pages;
    m_list->removeChoice(selected);
    // The neighbour that takes the selection is also the profile the pages show and Save writes.
    m_list->setChoice(m_store.currentIndex());
    if (m_store.currentIndex() >= 0)
        m_pages.show(values);
    remember(values);
    emit said(tr("Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)").arg(name),
              {NoteAction{tr("Undo"), tr("Undo the deletion of profile %1").arg(name),
                          [this] { undoDelete(); }}});
}

void ProfilePanel::undoDelete() {
    if (!m_deleted || refuseChange())
        return;
    ProfileSelections values = m_pages.fields();
    const Status status = m_store.RestoreDeletedProfile(*m_deleted, values);
    const QString name = Q(m_deleted->name);
    m_deleted.reset();
    if (!status) {
        showError(Q(status.message()));
        return;
    }
    m_list->clear();
    fillList();
    // The profile as the file holds it again, the pages as they were, unsaved changes included.
    m_pages.show(m_pagesBeforeDelete);
    remember(values);
    emit said(tr("Profile %1 put back into cfg.ini").arg(name));
}

void ProfilePanel::saveProfile() {
    finishPending();
    m_deleted.reset();  // a new command: the last deletion stays
    if (m_store.currentIndex() < 0) {
        showError(m_list->count() == 0
                      ? tr("No profile is chosen, so there is nothing to save the pages into.\n\n"
                           "New Profile makes a profile of them.")
                      : tr("No profile is chosen, so there is nothing to save the pages into.\n\n"
                           "Choose a profile in the list, or make one with New Profile."));
        return;
    }
    if (refuseChange())
        return;
    const ProfileSelections values = m_pages.read();
    const Status status = m_store.SaveProfile(values);
    if (!status) {
        showError(Q(status.message()));
        return;
    }
    remember(values);
    emit said(tr("The pages saved to profile %1 in %2 at %3")
                  .arg(currentName(), Q(PathToUtf8(m_store.cfgPath())), Now()));
}

void ProfilePanel::chooseProfile() {
    finishPending();
    const int selected = m_list->choice();
    if (selected < 0 || selected == m_store.currentIndex() || m_asking)
        return;
    // One question at a time: changes that come while it is open are the same choice.
    m_asking = true;
    const bool goOn = offerToSave();
    m_asking = false;
    if (!goOn) {
        m_list->setChoice(m_store.currentIndex());  // the list keeps showing what is loaded
        return;
    }
    m_deleted.reset();
    ProfileSelections values = m_pages.fields();
    const Status status = m_store.SelectProfile(selected, values);
    if (!status) {
        showError(Q(status.message()));
        m_list->setChoice(m_store.currentIndex());  // the list keeps showing what is loaded
        return;
    }
    m_pages.show(values);
    remember(values);
}

}  // namespace marlix
