#include "gui/pages/photo_page.h"

#include <QButtonGroup>

#include "core/pages/page_logic.h"

namespace marlix {

namespace {

void EnableAll(const TemplateDialog& page, std::span<const int> ids, bool enable) {
    for (int id : ids) page.control(id)->setEnabled(enable);  // the hidden "20 P" stays hidden
}

}  // namespace

// The rule follows the user's choices, by mouse, keyboard or screen reader: every change of a
// group's choice, and a click on the button already chosen, which applies the rule again (after
// another profile was shown the flags need not match the buttons). Showing another profile is no
// choice (the binding keeps the groups silent), so it leaves the enabled states and the flags as
// the user's last choice left them. Applying the rule twice for one click changes nothing.
bool PhotoPage::initialize() {
    const auto follow = [this](int firstId, void (PhotoPage::*react)()) {
        QButtonGroup* group = radioGroup(firstId);
        connect(group, &QButtonGroup::idToggled, this, [this, react](int, bool checked) {
            if (checked)
                (this->*react)();
        });
        connect(group, &QButtonGroup::idClicked, this, [this, react] { (this->*react)(); });
    };
    follow(kIdcPhotoBurstButtons[0], &PhotoPage::onBurstChosen);
    follow(kIdcAutoShootButtons[0], &PhotoPage::onAutoShootChosen);
    return SettingsPage::initialize();
}

void PhotoPage::onBurstChosen() {
    readFields();
    EnableAll(*this, kIdcAutoShootButtons, ApplyBurstClick(*this) == GroupState::Enabled);
}

void PhotoPage::onAutoShootChosen() {
    readFields();
    EnableAll(*this, kIdcPhotoBurstButtons, ApplyAutoShootClick(*this) == GroupState::Enabled);
}

}  // namespace marlix
