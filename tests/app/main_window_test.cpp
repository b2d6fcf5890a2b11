// The main window driven as the user drives it: start-up, the keyboard and the mouse reaching
// every command, and Set.
#include "tests/app/window_fixture.h"

class MainWindowTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

#ifndef _WIN32
    // Windows keeps the working directory of a program within MAX_PATH, and a folder in use as
    // one cannot be removed; these two cases are for the other systems.
    void aLongWorkingDirectoryHoldsCfgIni() {
        // Far beyond the 260 characters a fixed buffer would hold.
        QString deep = m_dir->path();
        for (int i = 0; i < 12; ++i) deep += "/a-rather-long-folder-name-" + QString::number(i);
        QVERIFY(QDir().mkpath(deep));
        QVERIFY(deep.size() > 300);
        QVERIFY(QDir::setCurrent(deep));
        start();
        MARLIX_COMPARE_TEXT(readFile(deep + "/cfg.ini"),
                            readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
        QVERIFY(m_messages.isEmpty());
    }

    void aVanishedWorkingDirectoryIsReportedAndNothingStarts() {
        const QString gone = m_dir->filePath("gone");
        QVERIFY(QDir().mkdir(gone));
        QVERIFY(QDir::setCurrent(gone));
        QVERIFY(QDir().rmdir(gone));
        auto volumes = std::make_unique<FakeVolumes>();
        MainWindow::Options options;
        options.volumes = std::move(volumes);
        options.watchDevices = false;
        options.media = std::make_shared<FakeMedia>();
        MainWindow dialog(std::move(options));
        QCOMPARE(dialog.runModal(), QDialog::Rejected);  // ends before any window is shown
        QVERIFY(!dialog.startedUp());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("working directory"));
        QCOMPARE(dialog.control<ChoiceListWidget>(kIdcProfileList)->count(), 0);
        QVERIFY(m_modalTemplates.isEmpty());  // the modal loop never ran
    }
#endif

    // Escape, Enter and the close box end the program at once with nothing unsaved; with unsaved
    // changes they ask first: Cancel keeps the window and the pages, Discard ends without
    // writing, Save writes the profile and then ends.
    void endingAsksOnlyWhenThereIsSomethingToLose() {
        enum class Way { Escape, Enter, CloseBox };
        for (const Way way : {Way::Escape, Way::Enter, Way::CloseBox}) {
            for (const QString& answer :
                 {QString("-"), QString("Cancel"), QString("&Discard"), QString("&Save")}) {
                QFile::remove(cfgPath());
                start();
                m_questions.clear();
                m_answer = answer;
                const bool change = answer != "-";
                if (change)
                    Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])->click();
                QTRY_COMPARE(m_dlg->profiles().unsaved(), change);
                QCOMPARE(listItems(), QStringList{change ? "default *" : "default"});
                const QByteArray file = cfgText();
                m_dlg->show();
                auto* list = m_dlg->control<ChoiceListWidget>(kIdcProfileList);
                list->setFocus(Qt::OtherFocusReason);
                if (way == Way::CloseBox)
                    m_dlg->close();
                else
                    QTest::keyClick(list, way == Way::Escape ? Qt::Key_Escape : Qt::Key_Return);
                QCOMPARE(m_questions,
                         change ? QStringList{"Save changes to profile default?"} : QStringList{});
                QCOMPARE(m_dlg->isVisible(), answer == "Cancel");
                if (answer == "&Save") {
                    QVERIFY(cfgText().contains("mode_1=1600x1200p 30\n"));
                } else {
                    MARLIX_COMPARE_TEXT(cfgText(), file);
                }
                if (answer == "Cancel")
                    QCOMPARE(m_dlg->pages().read().mode.m_mode1, 4);
                m_dlg.reset();
            }
        }
    }

    void clicksReachTheirCommands() {
        start();
        clearClockBox();
        m_dlg->show();
        auto click = [&](int id) {
            QWidget* control = m_dlg->control(id);
            QVERIFY(control);
            QTest::mouseClick(control, Qt::LeftButton);
        };
        auto clickRow = [](QAbstractItemView* view, const QModelIndex& index,
                           Qt::KeyboardModifiers modifiers = {}) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                              view->visualRect(index).center());
        };

        m_typedName = "Clicked";
        click(kIdcNewProfile);
        QCOMPARE(listItems(), (QStringList{"default", "Clicked"}));

        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[3])->click();
        click(kIdcSaveProfile);
        QVERIFY(cfgText().contains("[profile-Clicked]\nmode_1=1600x1200p 60\n"));

        ChoiceListWidget* list = m_dlg->control<ChoiceListWidget>(kIdcProfileList);
        clickRow(list, list->model()->index(0, 0));
        QTRY_COMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 1);
        // Ctrl+click cannot leave the list without a chosen profile.
        clickRow(list, list->model()->index(0, 0), Qt::ControlModifier);
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 0);

        click(kIdcDelProfile);
        QCOMPARE(listItems(), QStringList{"Clicked"});

        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        click(kIdcSet);
        QVERIFY(finished.wait(30000));
        // Written whole (the pages are no longer the defaults, the file's size is theirs).
        QCOMPARE(readFile(m_card->filePath("camera.conf")).size(),
                 readFile(MARLIX_TEST_DATA "/export/default_camera.conf").size());

        QTabBar* tabs = m_dlg->control<TabControlWidget>(kIdcTab)->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
        QVERIFY(m_dlg->pages().page<ImagePage>().isVisible());
        QVERIFY(!m_dlg->pages().page<ModePage>().isVisible());

        // The About entry sits in the window's context menu, on F1.
        QCOMPARE(m_dlg->contextMenuPolicy(), Qt::ActionsContextMenu);
        QAction* about = nullptr;
        for (QAction* action : m_dlg->actions()) {
            if (action->text() == "&About Marlix...")
                about = action;
        }
        QVERIFY(about);
        QCOMPARE(about->shortcut(), QKeySequence(Qt::Key_F1));
        about->trigger();
        QCOMPARE(m_modalTemplates.count(kIddAboutBox), 1);
    }

    // Every command without a mouse: Tab reaches each control, and the keys a user would press
    // there do the work; every radio group, slider and check box of every page takes its keys.
    void everyCommandWorksFromTheKeyboard() {
        QTemporaryDir second;
        start();
        m_volumes->drives.push_back(
            DriveInfo{(second.path() + "/").toStdString(), "B", true, 1ull << 30, 1ull << 29});
        std::sort(m_volumes->drives.begin(), m_volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        deviceChange(0x8000);
        m_dlg->show();
        QApplication::setActiveWindow(m_dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
        auto press = [this](int key, Qt::KeyboardModifiers modifiers = {}) {
            // The offscreen platform drops the active window once the event loop has run.
            if (QApplication::focusWidget() == nullptr)
                QApplication::setActiveWindow(m_dlg.get());
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        };
        // Tab until the control has the focus; each control is one of the stops.
        auto reach = [&](QWidget* control) {
            for (int i = 0; i < 300 && !control->hasFocus(); ++i) press(Qt::Key_Tab);
            QVERIFY2(control->hasFocus(), qPrintable(control->accessibleName()));
        };

        // A card: the other one.
        reach(m_dlg->control<ReportViewWidget>(kIdcDeviceList));
        press(Qt::Key_Down);
        QCOMPARE(m_dlg->drives().targetRoot(), m_volumes->drives[1].root);

        // New Profile, named and confirmed with keys.
        m_typeByKeys = true;
        m_typedName = "Keys";
        reach(m_dlg->control(kIdcNewProfile));
        press(Qt::Key_Space);
        QCOMPARE(listItems(), (QStringList{"default", "Keys"}));

        // A profile: back to "default", then to "Keys" again.
        reach(m_dlg->control<ChoiceListWidget>(kIdcProfileList));
        press(Qt::Key_Up);
        QTRY_COMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        press(Qt::Key_Down);
        QTRY_COMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-Keys"));

        // Each tab in turn, and on its page every stop: a radio group moves on with an arrow,
        // a slider with an arrow, a check box with Space.
        const ProfileSelections before = m_dlg->pages().read();
        int groups = 0, sliders = 0, boxes = 0;
        for (int tab = 0; tab < 5; ++tab) {
            reach(m_dlg->control<TabControlWidget>(kIdcTab));
            if (tab > 0)
                press(Qt::Key_Right);
            QCOMPARE(m_dlg->control<TabControlWidget>(kIdcTab)->currentIndex(), tab);
            TemplateDialog* page = &m_dlg->pages().ensurePage(static_cast<Page>(tab));
            QVERIFY(page->isVisible());
            press(Qt::Key_Tab);
            for (QWidget* focus = QApplication::focusWidget(); page->isAncestorOf(focus);
                 focus = QApplication::focusWidget()) {
                if (auto* slider = qobject_cast<QSlider*>(focus)) {
                    const int was = slider->value();
                    press(was < slider->maximum() ? Qt::Key_Right : Qt::Key_Left);
                    QVERIFY(slider->value() != was);
                    ++sliders;
                } else if (auto* box = qobject_cast<QCheckBox*>(focus)) {
                    const bool was = box->isChecked();
                    press(Qt::Key_Space);
                    QCOMPARE(box->isChecked(), !was);
                    ++boxes;
                } else if (auto* radio = qobject_cast<QRadioButton*>(focus)) {
                    // The arrows walk every button of the group's run, a check box in it too.
                    press(Qt::Key_Down);
                    if (!qobject_cast<QRadioButton*>(QApplication::focusWidget()))
                        press(Qt::Key_Down);
                    auto* moved = qobject_cast<QRadioButton*>(QApplication::focusWidget());
                    QVERIFY2(moved && moved != radio && moved->isChecked(),
                             qPrintable(radio->accessibleName()));
                    ++groups;
                    if (radio->accessibleName().startsWith("Auto Shoot")) {
                        // Off again, or it would grey out the Burst group that follows.
                        for (int i = 0; i < 8 && !Button(m_dlg->pages().page<PhotoPage>(),
                                                         kIdcAutoShootButtons[0])
                                                      ->isChecked();
                             ++i) {
                            press(Qt::Key_Up);
                        }
                    }
                }
                press(Qt::Key_Tab);
            }
        }
        // One stop for each control that the pages' templates give a setting.
        int settingGroups = 0, settingSliders = 0, settingBoxes = 0;
        for (const int page :
             {ModePage::kTemplateId, VideoPage::kTemplateId, PhotoPage::kTemplateId,
              SystemPage::kTemplateId, ImagePage::kTemplateId}) {
            for (const ControlTemplate& control : FindDialogTemplate(page)->controls) {
                if (control.setting == kNoSetting)
                    continue;
                settingGroups += control.kind == ControlKind::RadioButton;
                settingSliders += control.kind == ControlKind::Slider;
                settingBoxes += control.kind == ControlKind::CheckBox;
            }
        }
        QCOMPARE(groups, settingGroups);
        QCOMPARE(sliders, settingSliders);
        QCOMPARE(boxes, settingBoxes);
        QVERIFY(m_dlg->pages().read() != before);

        reach(m_dlg->control(kIdcSaveProfile));
        press(Qt::Key_Space);
        ProfileStore stored(cfgPath().toStdString());
        ProfileSelections saved;
        QVERIFY(stored.OpenReadOnly(saved).ok());
        ProfileSelections shown = m_dlg->pages().fields();
        shown.photo.m_photoInterlock = 0;  // the last clicks, not a setting
        QCOMPARE(stored.LoadProfileAt(1).value(), shown);

        reach(m_dlg->control(kIdcSet));
        m_answer = "Set and &Format";  // every box was changed, Format SD card too
        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        press(Qt::Key_Return);
        QVERIFY(finished.wait(30000));
        // Once the event loop has run, the offscreen platform no longer has the window active
        // (with or without a Set): it is made so again, as at the start.
        QApplication::setActiveWindow(m_dlg.get());
        QVERIFY(QFile::exists(QString::fromStdString(m_volumes->drives[1].root + "camera.conf")));

        reach(m_dlg->control(kIdcDelProfile));
        press(Qt::Key_Space);
        QCOMPARE(listItems(), QStringList{"default"});

        press(Qt::Key_F1);
        QCOMPARE(m_modalTemplates.count(kIddAboutBox), 1);
        press(Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
    }

    // Set on All Cards asks once, naming every card, writes each in turn, goes on past a card
    // that fails, and reports each.
    void setOnAllCardsWritesEachAndReportsEach() {
        QTemporaryDir second, third;
        QVERIFY(QDir(third.path()).mkdir("camera.conf"));  // this card cannot take the file
        start();
        clearClockBox();
        m_volumes->drives.push_back(
            DriveInfo{(second.path() + "/").toStdString(), "SECOND", true, 1ull << 30, 1ull << 29});
        m_volumes->drives.push_back(
            DriveInfo{(third.path() + "/").toStdString(), "THIRD", true, 1ull << 30, 1ull << 29});
        deviceChange(0x8000);
        m_answer = "Set on &All Cards";
        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        m_dlg->writeEveryCard();
        QVERIFY(finished.wait(30000));
        QCOMPARE(m_questions.size(), 1);
        for (const char* label : {"CARD (", "SECOND (", "THIRD ("})
            QVERIFY2(m_questions[0].contains(label), qPrintable(m_questions[0]));
        const QByteArray golden = readFile(MARLIX_TEST_DATA "/export/default_camera.conf");
        QCOMPARE(readFile(m_card->filePath("camera.conf")), golden);
        QCOMPARE(readFile(second.filePath("camera.conf")), golden);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].text.contains("written to 2 of 3 cards") &&
                     m_messages[0].text.contains(QRegularExpression("THIRD \\(.*\\): not written")),
                 qPrintable(m_messages[0].text));
    }

    void setWritesTheDefaultFileOntoTheCard() {
        start();
        clearClockBox();
        set();
        QVERIFY(m_messages.isEmpty());
        const QByteArray written = readFile(m_card->filePath("camera.conf"));
        MARLIX_COMPARE_TEXT(written, readFile(MARLIX_TEST_DATA "/export/default_camera.conf"));
        QVERIFY(m_dlg->statusText().contains("written to the card CARD"));
        // Nothing else on the card, and cfg.ini untouched by "Set".
        QCOMPARE(QDir(m_card->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        MARLIX_COMPARE_TEXT(cfgText(), readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
    }

    void setAddsTheClockLine() {
        start();
        set();
        const QByteArray written = readFile(m_card->filePath("camera.conf"));
        const QByteArray golden = readFile(MARLIX_TEST_DATA "/export/default_camera.conf");
        QVERIFY(written.startsWith(golden));
        const QByteArray last = written.mid(golden.size());
        QVERIFY2(QRegularExpression("^sync_clock=\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\r\n$")
                     .match(QString::fromLatin1(last))
                     .hasMatch(),
                 last.constData());
    }

    void setResolvesBurstAndAutoShootByTheLastChoice() {
        start();
        clearClockBox();
        m_dlg->pages().ensurePage(Page::Photo);
        PhotoPage& photo = m_dlg->pages().page<PhotoPage>();
        // The default profile holds auto shoot "3s"; choosing burst "5 P" last wins.
        Button(photo, kIdcPhotoBurstButtons[2])->click();
        set();
        QByteArray written = readFile(m_card->filePath("camera.conf"));
        QVERIFY2(written.contains("auto_shoot=off\r\nphoto_burst=5p\r\n"),
                 qPrintable(m_dlg->statusText() + " | " + written + " | " +
                            (m_messages.isEmpty() ? QString() : m_messages[0].text)));
        // Saving keeps both choices as they stand.
        m_dlg->profiles().saveProfile();
        QVERIFY(cfgText().contains("auto_shoot=3s\nphoto_stamp=off\nphoto_burst=5p\n"));
        // Burst back off: auto shoot is written again.
        Button(photo, kIdcPhotoBurstButtons[0])->click();
        set();
        written = readFile(m_card->filePath("camera.conf"));
        QVERIFY(written.contains("auto_shoot=3s\r\nphoto_burst=off\r\n"));
        // Auto shoot "10 Seconds" chosen last while burst holds "3p" (loaded, not clicked).
        Button(photo, kIdcAutoShootButtons[5])->click();
        photo.m_photoBurst = 1;
        photo.showFields();
        set();
        written = readFile(m_card->filePath("camera.conf"));
        QVERIFY(written.contains("auto_shoot=10s\r\nphoto_burst=off\r\n"));
    }

    void setWithoutACameraAsksForAFolder() {
        start(false);
        clearClockBox();
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 0);
        QVERIFY(m_dlg->drives().targetRoot().empty());
        int asked = 0;
        MainWindow::setFolderPrompt([&](QWidget*) {
            ++asked;
            return std::optional<std::filesystem::path>();
        });
        set();
        QCOMPARE(asked, 1);
        QVERIFY(!QFile::exists(m_dir->filePath("camera.conf")));
        QVERIFY(!QFile::exists(m_card->filePath("camera.conf")));

        MainWindow::setFolderPrompt([&](QWidget*) {
            return std::optional<std::filesystem::path>(m_card->path().toStdString());
        });
        set();
        MARLIX_COMPARE_TEXT(readFile(m_card->filePath("camera.conf")),
                            readFile(MARLIX_TEST_DATA "/export/default_camera.conf"));
    }

    void setReportsAFailedWrite() {
        start();
        clearClockBox();
        QVERIFY(QDir(m_card->path()).removeRecursively());  // the card is pulled out
        set();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("camera.conf"));
        QVERIFY(!m_dlg->statusText().contains("written"));
    }

    void aCardThatNeverAnswersHoldsNothingUpAndIsNotWritten() {
        QTemporaryDir stuck;
        const std::string stuckRoot = (stuck.path() + "/").toStdString();
        auto volumes = std::make_unique<FakeVolumes>();
        volumes->drives = {
            DriveInfo{(m_card->path() + "/").toStdString(), "CARD", true, 1ull << 30, 1ull << 29},
            DriveInfo{stuckRoot, "STUCK", false, 0, 0}};
        std::sort(volumes->drives.begin(), volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        volumes->hangs = stuckRoot;
        create(std::move(volumes));
        // Both cards are listed on the window's first turn, while the stuck one is still asked.
        QTRY_COMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 2);
        const int stuckRow = m_volumes->drives[0].root == stuckRoot ? 0 : 1;
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(stuckRow, 2),
                 QString("Reading..."));
        waitForDrives();
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(stuckRow, 1),
                 QString("STUCK"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(stuckRow, 2),
                 QString("Not answering"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(1 - stuckRow, 2),
                 QString("512 MB/1024 MB(0 G/1 G)"));

        m_dlg->control<ReportViewWidget>(kIdcDeviceList)->chooseRow(stuckRow);
        QCOMPARE(m_dlg->drives().targetRoot(), stuckRoot);
        QCOMPARE(m_dlg->card().cardLine().state, CardState::NotAnswering);
        QVERIFY(m_dlg->statusText().contains("does not answer"));
        set();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("does not answer"));
        QVERIFY(!QFile::exists(stuck.filePath("camera.conf")));
        m_dlg->card().loadFromCard();  // asks the card again, by the probes' deadline
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 2, 10000);
        QVERIFY(m_messages[1].text.contains("does not answer"));
    }

#ifdef __linux__
    // A card that answers its probe and then never a create (a failing card or reader): the
    // window goes on while Set waits for it, and says in the end that the card does not answer.
    void setOntoACardThatStopsAnsweringHoldsNothingUp() {
        test_support::StallingCard stalling(m_card->path().toStdString(),
                                            test_support::StallingCard::Stall::Create);
        if (!stalling.Mounted())
            QSKIP("mounting a FUSE file system needs root and /dev/fuse");
        start();
        clearClockBox();
        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        m_dlg->writeCameraConf();
        QVERIFY(m_dlg->writing());
        QVERIFY2(m_dlg->statusText().contains("Writing"), qPrintable(m_dlg->statusText()));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 2),
                 QString("Writing..."));
        m_dlg->writeCameraConf();  // not a second write meanwhile
        m_dlg->control<TabControlWidget>(kIdcTab)->setCurrentIndex(1);
        m_dlg->pages().showChosenTab();
        QVERIFY(m_dlg->pages().page<VideoPage>().isVisible());
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(
            m_messages[0].text.contains("does not answer; camera.conf may not have been written"),
            qPrintable(m_messages[0].text));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 2),
                 QString("Not answering"));
        QVERIFY(!m_dlg->statusText().contains("Writing"));
    }
#endif

    void setOntoACardUnmountedAMomentAgoWritesNothing() {
        // The card goes between the last scan and Set: first the mount table tells, then (the
        // table not read yet) only the folder's device does. Windows leaves no folder behind a
        // removed drive, so only the first applies there.
#ifdef _WIN32
        for (const bool tableTells : {true}) {
#else
        for (const bool tableTells : {true, false}) {
#endif
            start();
            clearClockBox();
            const std::string root = (m_card->path() + "/").toStdString();
            if (tableTells) {
                m_volumes->unmounted = root;
                m_volumes->drives.clear();
            } else {
                // The card's files were on another device than the folder is now.
                m_volumes->elsewhere = root;
                deviceChange(0x8000);
            }
            m_messages.clear();
            const int scans = m_volumes->scans;
            set();
            QVERIFY(!QFile::exists(m_card->filePath("camera.conf")));
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0].text.contains("is gone"), qPrintable(m_messages[0].text));
            QVERIFY(m_volumes->scans > scans);  // the list is brought up to date
            waitForDrives();
            if (tableTells)
                QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 0);
            m_dlg.reset();
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
