// The pages in the tab control: their tabs, made on first use, and the fields going in and out.
#include <QTabBar>
#include <QTest>

#include "gui/app/pages_host.h"
#include "gui/layout/tab_control.h"
#include "tests/support/dialog_probe.h"

using namespace marlix;
using marlix::test_support::Button;

class PagesHostTest : public QObject {
    Q_OBJECT

private slots:
    void tabsShowOnePageAndKeepTheFields() {
        QWidget window;
        TabControlWidget tabs(&window);
        tabs.setGeometry(0, 0, 900, 500);
        PagesHost pages;
        const ProfileSelections before = pages.fields();
        pages.attach(&tabs);
        QStringList captions;
        for (int i = 0; i < tabs.tabBar()->count(); ++i) captions << tabs.tabBar()->tabText(i);
        QCOMPARE(captions, (QStringList{"Mode Setting", "Video Setting", "Photo Setting",
                                        "System Setting", "Image Setting"}));
        const QList<TemplateDialog*> order = {&pages.page<ModePage>(), &pages.page<VideoPage>(),
                                              &pages.page<PhotoPage>(), &pages.page<SystemPage>(),
                                              &pages.page<ImagePage>()};
        // Only the page shown is made at start; the others when their tab is first chosen, and
        // they show what the fields hold by then.
        for (TemplateDialog* page : order) QCOMPARE(page->isBuilt(), page == order[0]);
        ProfileSelections changed = before;
        changed.video.m_videoQuality = 2;
        changed.photo.m_photoInterlock =
            kInterlockBurst;  // not a profile's: the page keeps its own
        pages.show(changed);
        changed.photo.m_photoInterlock = before.photo.m_photoInterlock;
        QCOMPARE(pages.read(), changed);
        for (int tab : {2, 4, 1, 3, 0}) {
            tabs.setCurrentIndex(tab);
            pages.showChosenTab();
            for (int i = 0; i < order.size(); ++i)
                QCOMPARE(order[i]->isVisibleTo(&window), i == tab);
        }
        QVERIFY(Button(pages.page<VideoPage>(), kIdcVideoQualityButtons[2])->isChecked());
        QCOMPARE(pages.read(), changed);
        // Every page lies inside the tab control, below its tabs.
        for (TemplateDialog* page : order) {
            QVERIFY(tabs.rect().contains(page->geometry()));
            QVERIFY(page->geometry().top() > tabs.tabBar()->geometry().bottom());
        }
    }
};

QTEST_MAIN(PagesHostTest)
#include "pages_host_test.moc"
