#include "gui/app/profile_panel.h"

#include <QAbstractButton>
#include <system_error>

#include "gui/app/pages_host.h"
#include "gui/app/qt_text.h"
#include "gui/layout/choice_list.h"
#include "gui/layout/message_box.h"
#include "gui/profiles/new_profile_dialog.h"

namespace marlix {

ProfilePanel::ProfilePanel(PagesHost& pages, QWidget* window) : m_pages(pages), m_window(window) {}

void ProfilePanel::attach(ChoiceListWidget* list, QAbstractButton* create, QAbstractButton* remove,
                          QAbstractButton* save) {
    m_list = list;
    connect(create, &QAbstractButton::clicked, this, &ProfilePanel::createProfile);
    connect(remove, &QAbstractButton::clicked, this, &ProfilePanel::deleteProfile);
    connect(save, &QAbstractButton::clicked, this, &ProfilePanel::saveProfile);
    connect(m_list, &ChoiceListWidget::choiceChanged, this, &ProfilePanel::chooseProfile);
    fillList();
}

void ProfilePanel::showError(const std::string& message) {
    ShowMessage(m_window, Q(message), "MARLIX");
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
        return;
    }
    const Status status = m_store.InitProfileStore(values);
    if (!status) {
        showError(status.message());
        return;
    }
    // The pages do not exist yet: they show these fields when they are created.
    m_pages.setFields(values);
}

void ProfilePanel::finishPending() {
    if (!m_pending)
        return;
    m_pending = false;
    const std::vector<std::string> shown = m_store.profileNames();
    ProfileStore store(m_cfgPath);
    ProfileSelections values = m_pages.fields();
    const Status status = store.InitProfileStore(values);
    m_store = std::move(store);
    if (!status)
        showError(status.message());
    // Another program made the file meanwhile, or it could not be made: show what there is.
    if (m_store.profileNames() != shown) {
        m_list->clear();
        fillList();
        if (m_store.currentIndex() >= 0)
            m_pages.show(values);
    }
}

void ProfilePanel::fillList() {
    for (const std::string& name : m_store.profileNames()) m_list->insertChoice(-1, Q(name));
    if (m_list->count() > 0)
        m_list->setChoice(m_store.currentIndex());
}

void ProfilePanel::createProfile() {
    finishPending();
    QString offered;
    std::string name;
    for (;;) {
        NewProfileDialog dialog(m_window);
        dialog.offerName(offered);
        if (dialog.runModal() != QDialog::Accepted)
            return;
        name = dialog.name().toStdString();
        const Status status = m_store.CreateProfile(name, m_pages.read());
        if (status)
            break;
        // A name the user can mend is a notice, and the dialog comes back with it to mend;
        // anything else is an error of the file.
        const bool nameRefused =
            status.code() == ErrorCode::DuplicateName || status.code() == ErrorCode::InvalidName;
        if (!nameRefused) {
            showError(status.message());
            return;
        }
        ShowMessage(m_window, Q(status.message()), "Notify");
        offered = dialog.name();
    }
    // The new profile keeps what the pages show; only the list learns about it.
    const int item = m_list->count();
    m_list->insertChoice(item, Q(name));
    m_list->setChoice(item);
}

void ProfilePanel::deleteProfile() {
    finishPending();
    const int selected = m_list->choice();
    if (selected < 0)
        return;  // nothing shown as chosen: nothing to delete
    ProfileSelections values = m_pages.fields();
    const Status status = m_store.DeleteProfile(selected, values);
    if (!status) {
        showError(status.message());
        return;
    }
    m_list->removeChoice(selected);
    // The neighbour that takes the selection is also the profile the pages show and Save writes.
    m_list->setChoice(m_store.currentIndex());
    if (m_store.currentIndex() >= 0)
        m_pages.show(values);
}

void ProfilePanel::saveProfile() {
    finishPending();
    if (m_list->choice() < 0)
        return;
    const Status status = m_store.SaveProfile(m_pages.read());
    if (!status)
        showError(status.message());
}

void ProfilePanel::chooseProfile() {
    finishPending();
    const int selected = m_list->choice();
    if (selected < 0)
        return;
    ProfileSelections values = m_pages.fields();
    const Status status = m_store.SelectProfile(selected, values);
    if (!status) {
        showError(status.message());
        m_list->setChoice(m_store.currentIndex());  // the list keeps showing what is loaded
        return;
    }
    m_pages.show(values);
}

}  // namespace marlix
