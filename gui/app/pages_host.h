// The five settings pages in the main window's tab control: which page a tab shows, the pages'
// fields as one ProfileSelections, and the news that what the pages show has changed. A page's
// window is made when its tab is first chosen; until then its fields are what reading and
// writing the pages use.
#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <type_traits>

#include "core/pages/page_fields.h"
#include "gui/pages/settings_pages.h"

namespace marlix {

class TabControlWidget;

// Where a page sits in the tab control: below the tabs, inside the frame.
QRect TabPageRect(const QRect& tabControl);

class PagesHost : public QObject {
    Q_OBJECT
public:
    explicit PagesHost(QObject* parent = nullptr);

    // Puts a tab per page into the tab control and shows the first page.
    void attach(TabControlWidget* tabs);
    // The page of a tab, its window made on first use.
    TemplateDialog& ensurePage(Page page);
    // A page by its class, whether its window is made or not.
    template <class P>
    P& page() {
        P* found = nullptr;
        ForEachPage(*this, [&found](auto& page, auto) {
            if constexpr (std::is_same_v<std::decay_t<decltype(page)>, P>)
                found = &page;
        });
        return *found;
    }
    // The page of the tab the user chose.
    void showChosenTab();
    // A page's tab caption as its tab shows it, and its template (whether its window is made or
    // not).
    QString tabCaption(Page page) const;
    const DialogTemplate* pageTemplate(Page page) const;

    // The fields as they stand, without reading the controls.
    ProfileSelections fields() const;
    // Puts the values into the fields (the Photo interlock flags stay the page's); the windows
    // made show them when shown (show) or not yet (setFields).
    void setFields(const ProfileSelections& values);
    void show(const ProfileSelections& values);
    // Reads every made page's controls into its fields, and returns the fields.
    ProfileSelections read();

signals:
    // A button or slider of a page changed, whoever changed it.
    void changed();

private:
    // The five pages, in tab order (Page), which is also the order of their fields in
    // ProfileSelections. f(page, member of ProfileSelections) runs for each.
    template <class Self, class F>
    static void ForEachPage(Self& self, F&& f) {
        f(self.m_mode, &ProfileSelections::mode);
        f(self.m_video, &ProfileSelections::video);
        f(self.m_photo, &ProfileSelections::photo);
        f(self.m_system, &ProfileSelections::system);
        f(self.m_image, &ProfileSelections::image);
    }

    ModePage m_mode;
    VideoPage m_video;
    PhotoPage m_photo;
    SystemPage m_system;
    ImagePage m_image;
    std::array<TemplateDialog*, kPageCount> m_byTab{};
    std::array<const char*, kPageCount> m_captions{};
    TabControlWidget* m_tabs = nullptr;
    Page m_shown = Page::Mode;
};

}  // namespace marlix
