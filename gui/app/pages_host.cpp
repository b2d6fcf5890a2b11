#include "gui/app/pages_host.h"

#include <QAbstractButton>
#include <QAbstractSlider>

#include "gui/layout/captions.h"
#include "gui/layout/tab_control.h"

namespace marlix {

namespace {

// Where the pages' headers (QT_TRANSLATE_NOOP) put the tab captions, as the tabs show them.
constexpr const char* kTabCaptionContext = "marlix::TabControlWidget";

// A page's fields, as the part of ProfileSelections they fill.
template <class P, class Fields>
Fields& FieldsOf(P& page, Fields ProfileSelections::*) {
    return page;
}
template <class P, class Fields>
const Fields& FieldsOf(const P& page, Fields ProfileSelections::*) {
    return page;
}

}  // namespace

QRect TabPageRect(const QRect& tabControl) {
    return QRect(1, 26, tabControl.width() - 5, tabControl.height() - 30);
}

PagesHost::PagesHost(QObject* parent) : QObject(parent) {
    ForEachPage(*this, [this](auto& page, auto) {
        const std::size_t tab = TabIndex(page.kPage);
        Q_ASSERT(m_byTab[tab] == nullptr);  // one page a tab
        m_byTab[tab] = &page;
        m_captions[tab] = page.kTabCaption;
    });
}

QString PagesHost::tabCaption(Page page) const {
    return TranslatedCaption(kTabCaptionContext, m_captions.at(TabIndex(page)));
}

const DialogTemplate* PagesHost::pageTemplate(Page page) const {
    return FindDialogTemplate(m_byTab.at(TabIndex(page))->templateId());
}

void PagesHost::attach(TabControlWidget* tabs) {
    m_tabs = tabs;
    for (const char* caption : m_captions) m_tabs->addTab(caption);
    connect(m_tabs, &TabControlWidget::tabChosen, this, &PagesHost::showChosenTab);
    // Only the page that is shown is made now; each of the others when its tab is first chosen,
    // which spares the start the controls and fonts of four pages nobody has looked at yet.
    m_shown = Page::Mode;
    ensurePage(m_shown).show();
}

TemplateDialog& PagesHost::ensurePage(Page which) {
    const std::size_t tab = TabIndex(which);
    TemplateDialog& page = *m_byTab.at(tab);
    if (!page.isBuilt() && m_tabs != nullptr) {
        page.build(m_tabs);
        // A screen reader calls the page by its tab.
        page.setAccessibleName(TranslatedCaption(kTabCaptionContext, m_captions[tab]));
        page.setGeometry(TabPageRect(m_tabs->rect()));
        // A click, a slider step or a profile written into the page changes what Set writes.
        for (auto* button : page.findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::toggled, this, &PagesHost::changed);
        for (auto* slider : page.findChildren<QAbstractSlider*>())
            connect(slider, &QAbstractSlider::valueChanged, this, &PagesHost::changed);
    }
    return page;
}

void PagesHost::showChosenTab() {
    m_byTab[TabIndex(m_shown)]->hide();
    m_shown = static_cast<Page>(m_tabs->currentIndex());
    ensurePage(m_shown).show();
}

ProfileSelections PagesHost::fields() const {
    ProfileSelections s;
    ForEachPage(*this, [&s](const auto& page, auto fields) { s.*fields = FieldsOf(page, fields); });
    return s;
}

void PagesHost::setFields(const ProfileSelections& values) {
    // The interlock flags record the user's last clicks on this page, not a profile.
    const std::uint8_t interlock = m_photo.m_photoInterlock;
    ForEachPage(*this,
                [&values](auto& page, auto fields) { FieldsOf(page, fields) = values.*fields; });
    m_photo.m_photoInterlock = interlock;
}

void PagesHost::show(const ProfileSelections& values) {
    setFields(values);
    ForEachPage(*this, [](auto& page, auto) { page.showFields(); });
}

ProfileSelections PagesHost::read() {
    ForEachPage(*this, [](auto& page, auto) { page.readFields(); });
    return fields();
}

}  // namespace marlix
