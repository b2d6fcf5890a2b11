// The profile list and its commands, driven in the window: the first run, New, Del and Save
// Profile, choosing a profile, and files that cannot be written.
#include "tests/app/window_fixture.h"

class ProfilePanelTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

    void firstRunCreatesTheDefaultProfileAndShowsIt() {
        start();
        QCOMPARE(m_dlg->windowTitle(), QString("MARLIX"));
        MARLIX_COMPARE_TEXT(cfgText(), readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
#ifdef _WIN32
        MARLIX_COMPARE_TEXT(
            readFile(cfgPath()),
            readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini").replace("\n", "\r\n"));
#endif
        QCOMPARE(listItems(), QStringList{"default"});
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 0);
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        // The pages show the defaults: Mode 1 "1920x1080P 60" is position 1.
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[1])->isChecked());
        QVERIFY(Button(m_dlg->pages().ensurePage(Page::System), kIdcSyncClock)->isChecked());
        QCOMPARE(m_dlg->pages().read(), DefaultSelections());
        // The device row of the card is listed and is the target.
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 1);
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 1), QString("CARD"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 2),
                 QString("512 MB/1024 MB(0 G/1 G)"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 3),
                 QString("No infomation"));  // as shipped
        QCOMPARE(m_dlg->drives().targetRoot(), (m_card->path() + "/").toStdString());
        QVERIFY(m_messages.isEmpty());
    }

    // A first run shows the defaults at once and makes cfg.ini once the window is up, or first
    // thing when a profile command comes earlier; a file another program made meanwhile wins.
    void firstRunMakesCfgIniOnceTheWindowIsUp() {
        for (bool commandFirst : {false, true}) {
            QFile::remove(cfgPath());
            create(std::make_unique<FakeVolumes>());
            QVERIFY(m_dlg->profileFilePending());
            QVERIFY(!QFile::exists(cfgPath()));
            QCOMPARE(listItems(), QStringList{"default"});
            QCOMPARE(m_dlg->pages().read(), DefaultSelections());
            if (commandFirst) {
                m_dlg->profiles().saveProfile();
                MARLIX_COMPARE_TEXT(cfgText(),
                                    readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
            } else {
                QFile other(cfgPath());
                QVERIFY(other.open(QIODevice::WriteOnly));
                other.write("[profile-other]\nmode_1=1600x1200p 30\n");
                other.close();
                m_dlg->show();
                QTRY_VERIFY_WITH_TIMEOUT(!m_dlg->profileFilePending(), 10000);
                QCOMPARE(listItems(), QStringList{"other"});
                QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 4);
            }
            QVERIFY(!m_dlg->profileFilePending());
        }
    }

    void newProfileTakesThePagesAndRefusesBadNames() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])
            ->click();  // Mode 1 "1600x1200P 30", position 4
        newProfile("Night");
        QCOMPARE(listItems(), (QStringList{"default", "Night"}));
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 1);
        QVERIFY(m_nameFieldFocused);
        QVERIFY(cfgText().contains("[profile-Night]\nmode_1=1600x1200p 30\n"));
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])
                    ->isChecked());  // pages unchanged

        const QByteArray file = cfgText();
        struct Refused {
            QString name;
            QString message;  // a part of what the user is told
        };
        const QList<Refused> refused = {
            {"Night", "This name has be used !"},  // as shipped
            {"NIGHT", "This name has be used !"},
            {"", "name"},
            {"   ", "name"},
            {" lead", "space"},
            {"a[b", "["},
            {"two\nlines", "line"},
        };
        for (const Refused& r : refused) {
            m_messages.clear();
            newProfile(r.name);
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0].text.contains(r.message, Qt::CaseInsensitive),
                     qPrintable(r.name + " -> " + m_messages[0].text));
            QCOMPARE(m_messages[0].caption, QString("Notify"));
            // The dialog comes back with the name selected, to be mended.
            QCOMPARE(m_reopenedWith, QStringList{r.name});
            QVERIFY(m_nameFieldFocused);
            QCOMPARE(listItems(), (QStringList{"default", "Night"}));
            MARLIX_COMPARE_TEXT(cfgText(), file);
        }
        m_messages.clear();
        m_cancelNew = true;
        newProfile("Cancelled");
        QCOMPARE(listItems(), (QStringList{"default", "Night"}));
        QVERIFY(m_messages.isEmpty());
    }

    void selectionLoadsTheProfileIntoThePages() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])->click();
        newProfile("Night");
        selectProfile(0);
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[1])->isChecked());
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 1);
        // Unsaved changes are offered for saving first: Cancel keeps them and the choice,
        // Discard drops them; saved ones come back.
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[2])->click();
        m_answer = "Cancel";
        selectProfile(1);
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 0);
        QCOMPARE(m_dlg->pages().read().mode.m_mode1, 2);
        m_answer = "&Discard";
        selectProfile(1);
        QCOMPARE(m_questions.size(), 2);
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 4);
        selectProfile(0);
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 1);
    }

    // Another program changes the chosen profile in cfg.ini: the pages follow it when nothing
    // is unsaved; with unsaved changes the user is asked, and keeping them keeps them.
    void changesByAnotherProgramNeverOverwriteUnsavedPages() {
        start();
        ProfileStore other(PathFromUtf8(cfgPath().toStdString()));
        ProfileSelections values = DefaultSelections();
        QVERIFY(other.InitProfileStore(values));
        values.mode.m_mode1 = 4;
        QVERIFY(other.SaveProfile(values));
        QTRY_COMPARE(m_dlg->pages().read().mode.m_mode1, 4);
        QVERIFY(m_questions.isEmpty() && !m_dlg->profiles().unsaved());

        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[2])->click();
        values.mode.m_mode1 = 0;
        QVERIFY(other.SaveProfile(values));
        QTRY_COMPARE(m_questions.size(), 1);  // answered with its default: keep the pages
        QCOMPARE(m_dlg->pages().read().mode.m_mode1, 2);
        QTRY_VERIFY(m_dlg->profiles().unsaved());
    }

    void saveWritesThePagesAndTwiceChangesNothing() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[2])->click();
        m_dlg->profiles().saveProfile();
        const QByteArray once = cfgText();
        QVERIFY(once.contains("mode_1=1920x1080p 30\n"));
        m_dlg->profiles().saveProfile();
        MARLIX_COMPARE_TEXT(cfgText(), once);
    }

    void deleteMovesToTheNeighbourAndLoadsIt() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[0])->click();
        newProfile("A");
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[2])->click();
        newProfile("B");
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[3])->click();
        newProfile("C");

        selectProfile(2);  // B, in the middle
        const QByteArray withB = cfgText();
        for (bool undo : {true, false}) {
            m_dlg->profiles().deleteProfile();
            QCOMPARE(listItems(), (QStringList{"default", "A", "C"}));
            QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 2);
            QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-C"));
            QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 3);
            QVERIFY(!cfgText().contains("[profile-B]"));
            if (!undo)
                break;
            // Ctrl+Z puts B back where it was, byte for byte, and shows it again.
            m_dlg->show();
            QTest::keyClick(m_dlg.get(), Qt::Key_Z, Qt::ControlModifier);
            MARLIX_COMPARE_TEXT(cfgText(), withB);
            QCOMPARE(listItems(), (QStringList{"default", "A", "B", "C"}));
            QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-B"));
            QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 2);
        }
        // Once another program has used the name again, the undo says so and changes nothing.
        ProfileStore other(PathFromUtf8(cfgPath().toStdString()));
        ProfileSelections values = DefaultSelections();
        QVERIFY(other.InitProfileStore(values) && other.CreateProfile("b", values));
        const QByteArray withOtherB = cfgText();
        QVERIFY(m_dlg->profiles().canUndoDelete());
        m_dlg->profiles().undoDelete();
        MARLIX_COMPARE_TEXT(cfgText(), withOtherB);
        QCOMPARE(m_messages.size(), 1);
        QTRY_COMPARE(listItems(), (QStringList{"default", "A", "C", "b"}));  // the file watcher
        QVERIFY(other.DeleteProfile(3, values));
        QTRY_COMPARE(listItems(), (QStringList{"default", "A", "C"}));

        m_dlg->profiles().deleteProfile();  // C, the last: the one before it takes over
        QCOMPARE(listItems(), (QStringList{"default", "A"}));
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 1);
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 0);

        // Saving now writes A, the profile shown.
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[1])->click();
        m_dlg->profiles().saveProfile();
        QVERIFY(cfgText().contains("[profile-A]\nmode_1=1920x1080p 60\n"));
    }

    void deletingTheOnlyProfileLeavesAnEmptyList() {
        start();
        m_dlg->profiles().deleteProfile();
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->count(), 0);
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), -1);
        const QByteArray file = cfgText();
        QVERIFY(!file.contains("[profile-"));
        QVERIFY(file.contains("[basic]"));
        // Nothing is selected: Del and Save do nothing.
        m_dlg->profiles().deleteProfile();
        m_dlg->profiles().saveProfile();
        MARLIX_COMPARE_TEXT(cfgText(), file);
        // New still works from what the pages show.
        newProfile("again");
        QCOMPARE(listItems(), QStringList{"again"});
        QVERIFY(cfgText().contains("[profile-again]\nmode_1=1920x1080p 60\n"));
    }

    void failedWritesChangeNothingAndSayWhy() {
        start();
        QVERIFY(QFile::remove(cfgPath()));
        QVERIFY(QDir(m_dir->path()).mkdir("cfg.ini"));  // unreadable and unwritable as a file
        newProfile("Night");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("cfg.ini"));
        QCOMPARE(listItems(), QStringList{"default"});
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        m_messages.clear();
        m_dlg->profiles().saveProfile();
        QCOMPARE(m_messages.size(), 1);
    }
};

QTEST_MAIN(ProfilePanelTest)
#include "profile_panel_test.moc"
