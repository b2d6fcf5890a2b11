#include "pages/page_fields.h"

#include <gtest/gtest.h>

#include <set>

namespace marlix {
namespace {

TEST(PageFields, EveryAddressNamesItsOwnField) {
    ProfileSelections s;
    std::set<int*> seen;
    for (const SettingAddress& a : kProfileSaveOrder) {
        EXPECT_TRUE(seen.insert(&SelectionField(s, a.section, a.key)).second)
            << a.section << "," << a.key;
    }
    EXPECT_EQ(&SelectionField(s, 2, 3), &s.photo.m_photoBurst);
    EXPECT_EQ(&SelectionField(s, 3, 1), &s.image.m_iso);
    EXPECT_EQ(&SelectionField(s, 4, 0), &s.system.m_syncClock);
    EXPECT_EQ(&SelectionField(s, 4, 8), &s.system.m_format);
}

TEST(PageFields, OrdersCoverEveryKeyOnce) {
    std::set<std::pair<int, int>> save, conf;
    for (const auto& a : kProfileSaveOrder) save.insert({a.section, a.key});
    for (const auto& a : kCameraConfOrder) conf.insert({a.section, a.key});
    EXPECT_EQ(save.size(), 29u);
    EXPECT_EQ(conf.size(), 28u);
    EXPECT_FALSE(conf.count({4, 0}));
    EXPECT_EQ(KeyName(kCameraConfOrder[17].section, kCameraConfOrder[17].key), "photo_stamp");
    EXPECT_EQ(KeyName(kProfileSaveOrder[20].section, kProfileSaveOrder[20].key), "sync_clock");
}

TEST(PageFields, DefaultsAndReadBackCounts) {
    const ProfileSelections d = DefaultSelections();
    EXPECT_EQ(d.mode.m_mode1, 1);
    EXPECT_EQ(d.video.m_micVol, 4);
    EXPECT_EQ(d.photo.m_autoShoot, 3);
    EXPECT_EQ(d.image.m_ev, 6);
    EXPECT_EQ(d.system.m_syncClock, 1);
    EXPECT_EQ(d.system.m_autoShutdown, 1);
    EXPECT_EQ(d.photo.m_photoInterlock, 0);
    EXPECT_EQ(ReadBackOptionCount(3, 1), 6);
    EXPECT_EQ(ReadBackOptionCount(4, 4), 4);
    EXPECT_EQ(ReadBackOptionCount(0, 0), 5);
}

}  // namespace
}  // namespace marlix
