// The profile list and its commands (New Profile, Del Profile, Save Profile, choosing a
// profile), over the profile store, which owns cfg.ini's path, the current profile and the names.
// What a profile holds goes in and out of the pages.
#pragma once

#include <QObject>
#include <filesystem>
#include <string>

#include "core/profiles/profile_store.h"

class QAbstractButton;
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

private:
    void fillList();
    void showError(const std::string& message);

    PagesHost& m_pages;
    QWidget* m_window;
    std::filesystem::path m_cfgPath;
    ProfileStore m_store{std::filesystem::path()};
    ChoiceListWidget* m_list = nullptr;
    bool m_pending = false;
};

}  // namespace marlix
