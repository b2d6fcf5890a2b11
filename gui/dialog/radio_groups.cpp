// Radio groups: a run of controls from one group start to the next holds at most one group of
// radio buttons. Each run gets one exclusive QButtonGroup (Qt's own exclusivity would join every
// radio button of a page), and its buttons are named after the group's heading for screen
// readers.
#include <QButtonGroup>
#include <cstdlib>
#include <set>

#include "gui/dialog/captions.h"
#include "gui/dialog/dialog.h"

namespace marlix {

namespace {

QString SpokenCaption(std::string_view caption) {
    return StripMnemonics(CaptionText(caption)).trimmed();
}

}  // namespace

void CDialog::buildRadioGroups() {
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
        group->addButton(static_cast<QAbstractButton*>(entry.widget));
    }
}

QList<QAbstractButton*> CDialog::GetRadioGroup(int firstId) const {
    QList<QAbstractButton*> buttons;
    std::size_t start = m_controls.size();
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].tmpl->id == firstId) {
            start = i;
            break;
        }
    }
    if (start == m_controls.size() || !IsRadioButton(*m_controls[start].tmpl) ||
        (m_controls[start].tmpl->style & kGroup) == 0) {
        return buttons;
    }
    for (std::size_t i = start; i < m_controls.size(); ++i) {
        if (i > start && (m_controls[i].tmpl->style & kGroup) != 0) {
            break;
        }
        if (IsRadioButton(*m_controls[i].tmpl)) {
            buttons.append(static_cast<QAbstractButton*>(m_controls[i].widget));
        }
    }
    return buttons;
}

QString CDialog::headingFor(std::size_t index) const {
    // The heading of a group is the static text just above its first member: templates put it
    // anywhere in the order, so only the geometry tells.
    const DlgRect& first = m_controls[index].tmpl->rect;
    const ControlTemplate* best = nullptr;
    for (const ControlEntry& entry : m_controls) {
        const ControlTemplate& control = *entry.tmpl;
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
    return best == nullptr ? QString() : SpokenCaption(best->caption);
}

void CDialog::nameRadioGroups() {
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
                                                 SpokenCaption(member.tmpl->caption));
            }
        }
    }
}

}  // namespace marlix
