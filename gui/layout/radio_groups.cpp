// Radio groups: a run of controls from one group start to the next holds at most one group of
// radio buttons. Each run gets one exclusive QButtonGroup (Qt's own exclusivity would join every
// radio button of a page), and its buttons are named after the group's heading for screen
// readers.
#include <QButtonGroup>
#include <cstdlib>
#include <set>

#include "gui/layout/captions.h"
#include "gui/layout/template_dialog.h"

namespace marlix {

namespace {

QString SpokenCaption(const QString& caption) {
    return StripMnemonics(caption).trimmed();
}

}  // namespace

void TemplateDialog::buildRadioGroups() {
    const int runs = m_controls.empty() ? 0 : m_controls.back().run + 1;
    m_runGroups.assign(static_cast<std::size_t>(runs), nullptr);
    for (ControlEntry& entry : m_controls) {
        if (!IsRadioButton(*entry.tmpl)) {
            continue;
        }
        QButtonGroup*& group = m_runGroups[static_cast<std::size_t>(entry.run)];
        if (group == nullptr) {
            group = new QButtonGroup(this);
            group->setExclusive(true);
        }
        // The id is the button's position in its group, which is the option it selects.
        group->addButton(static_cast<QAbstractButton*>(entry.widget),
                         static_cast<int>(group->buttons().size()));
    }
}

QButtonGroup* TemplateDialog::radioGroup(int firstId) const {
    const QWidget* first = control(firstId);
    const int index = indexOf(first);
    if (index < 0) {
        return nullptr;
    }
    const ControlEntry& entry = m_controls[static_cast<std::size_t>(index)];
    if (!IsRadioButton(*entry.tmpl) || (entry.tmpl->style & kGroup) == 0) {
        return nullptr;
    }
    return m_runGroups[static_cast<std::size_t>(entry.run)];
}

QString GroupHeading(std::span<const ControlTemplate> controls, std::size_t index,
                     const char* context) {
    // The heading of a group is the static text just above its first member: templates put it
    // anywhere in the order, so only the geometry tells.
    const DlgRect& first = controls[index].rect;
    const ControlTemplate* best = nullptr;
    for (const ControlTemplate& control : controls) {
        if (control.kind != ControlKind::StaticText || control.caption.empty()) {
            continue;
        }
        const int dy = first.y - control.rect.y;
        const int dx = control.rect.x - first.x;
        if (dy <= 0 || dy > 24 || dx < -40 || dx > 40) {
            continue;
        }
        if (best == nullptr || dy < first.y - best->rect.y ||
            (dy == first.y - best->rect.y && std::abs(dx) < std::abs(best->rect.x - first.x))) {
            best = &control;
        }
    }
    return best == nullptr ? QString() : SpokenCaption(TranslatedCaption(context, best->caption));
}

QString TemplateDialog::headingFor(std::size_t index) const {
    return GroupHeading(m_template->controls, index, m_template->translationContext);
}

void TemplateDialog::nameRadioGroups() {
    std::set<int> named;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlEntry& entry = m_controls[i];
        if (entry.tmpl->kind == ControlKind::Slider) {
            const QString heading = headingFor(i);
            if (!heading.isEmpty()) {
                entry.widget->setAccessibleName(heading);
            }
            continue;
        }
        if (!IsRadioButton(*entry.tmpl) || named.count(entry.run) != 0) {
            continue;
        }
        named.insert(entry.run);
        const QString heading = headingFor(i);
        if (heading.isEmpty()) {
            continue;
        }
        for (const ControlEntry& member : m_controls) {
            if (member.run == entry.run && IsRadioButton(*member.tmpl)) {
                member.widget->setAccessibleName(heading + QStringLiteral(", ") +
                                                 SpokenCaption(captionOf(member.tmpl->caption)));
            }
        }
    }
}

}  // namespace marlix
