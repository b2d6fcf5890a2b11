// The card in view, driven in the window: its line against the pages, Load from Card, and
// mounting and ejecting cards.
#include "tests/app/window_fixture.h"

class CardPanelTest : public QObject, public WindowFixture {
    Q_OBJECT

    // The links after the note, as shown, and one by its text.
    QStringList noteLinks() const {
        QStringList texts;
        for (const NoteAction& action : m_dlg->card().noteActions()) texts << action.caption;
        return texts;
    }
    QPushButton* noteLink(const QString& text) const {
        for (auto* link : m_dlg->findChildren<QPushButton*>("noteLink")) {
            if (link->isVisibleTo(m_dlg.get()) && link->text() == text)
                return link;
        }
        return nullptr;
    }

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

    void theCardLineSetsTheCardAgainstThePages() {
        // Differences as the pages word them: a radio button's, a slider's and a check box's.
        ProfileSelections other = DefaultSelections();
        other.mode.m_mode1 = 4;
        other.video.m_videoQuality = 1;
        other.image.m_ev = 9;
        other.system.m_format = 1;
        const std::string clock = "2026-01-02 03:04:05";
        const struct {
            const char* name;
            std::string file;
            CardState state;
            QString said;
        } cards[] = {
            {"matching", BuildCameraConf(DefaultSelections(), clock), CardState::Matches,
             "camera.conf matches the pages"},
            {"differing", BuildCameraConf(other, clock), CardState::Differs,
             "camera.conf differs in 4 settings."},
            {"broken", "enable_cfg=true\r\nmode_1=8K\r\n", CardState::Problems,
             "camera.conf has problems (line 2: \"8K\" is not an option"},
            {"none", "", CardState::NoFile, "The card has no camera.conf."},
        };
        for (const auto& c : cards) {
            QFile::remove(m_card->filePath("camera.conf"));
            if (!c.file.empty())
                writeCard(QByteArray::fromStdString(c.file));
            start();
            QVERIFY2(m_dlg->card().cardLine().state == c.state, qPrintable(m_dlg->statusText()));
            QVERIFY2(m_dlg->statusText().contains(c.said), qPrintable(m_dlg->statusText()));
            if (c.state == CardState::Differs) {
                for (const char* line :
                     {"\nMode Setting, Mode 1: 1600x1200P 30 on the card, 1920x1080P 60 on the "
                      "pages",
                      "\nVideo Setting, Video Quality: Fine on the card, SFine on the pages",
                      "\nImage Setting, EV: +1.0 on the card, 0 on the pages",
                      "\nSystem Setting, Format SD card: ticked on the card, not ticked on the "
                      "pages"}) {
                    QVERIFY2(noteTip().contains(line), qPrintable(noteTip()));
                }
            }
            m_dlg.reset();
        }

        // The matching card: a click on a page makes it differ, Set makes it match again and
        // offers to eject it; ejecting takes its row away.
        writeCard(QByteArray::fromStdString(BuildCameraConf(DefaultSelections(), clock)));
        start();
        // A page made only when its tab is first chosen is watched like the others.
        TemplateDialog& system = m_dlg->pages().ensurePage(Page::System);
        Button(system, kIdcOsdButtons[0])->click();
        QTRY_COMPARE(m_dlg->card().cardLine().state, CardState::Differs);
        Button(system, kIdcOsdButtons[1])->click();
        QTRY_COMPARE(m_dlg->card().cardLine().state, CardState::Matches);
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])->click();
        QTRY_COMPARE(m_dlg->card().cardLine().state, CardState::Differs);
        QCOMPARE(noteLinks(), (QStringList{"Show", "Load"}));
        set();
        QCOMPARE(m_dlg->card().cardLine().state, CardState::Matches);
        QVERIFY2(m_dlg->statusText().contains(
                     "camera.conf of unsaved settings (profile default) written to the card CARD"),
                 qPrintable(m_dlg->statusText()));
        QCOMPARE(noteLinks(), (QStringList{"Undo", "Eject"}));
        m_media->beforeAnswer = [this] { m_volumes->drives.clear(); };
        noteLink("Eject")->click();
        QTRY_VERIFY(!m_dlg->card().mediaBusy());
        waitForDrives();
        QCOMPARE(m_media->calls, QStringList{"eject " + m_card->path() + "/"});
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 0);
        QVERIFY2(m_dlg->statusText().contains("can be taken out"), qPrintable(m_dlg->statusText()));
        QVERIFY(m_messages.isEmpty());
    }

    // Set keeps what it replaced: Undo puts it back byte for byte while the card still holds
    // what Set wrote, and refuses once it does not. With "Format SD card" ticked Set asks first,
    // naming what the card holds, and Cancel is the default.
    void setCanBeUndoneAndAsksBeforeFormatting() {
        const QByteArray mine = "fov=wide\r\n# the card's own\n";
        writeCard(mine);
        start();
        clearClockBox();
        auto undo = [this] {
            QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
            noteLink("Undo")->click();
            QVERIFY(finished.wait(30000));
        };
        set();
        undo();
        QCOMPARE(readFile(m_card->filePath("camera.conf")), mine);
        QVERIFY(m_messages.isEmpty());
        set();
        writeCard("changed elsewhere\n");
        undo();
        QCOMPARE(readFile(m_card->filePath("camera.conf")), QByteArray("changed elsewhere\n"));
        QCOMPARE(m_messages.size(), 1);

        QVERIFY(QDir(m_card->path()).mkpath("DCIM"));
        QFile video(m_card->filePath("DCIM/VID0001.MOV"));
        QVERIFY(video.open(QIODevice::WriteOnly));
        video.close();
        Button(m_dlg->pages().ensurePage(Page::System), kIdcFormat)->click();
        for (const QString& answer : {QString(), QString("Set and &Format")}) {
            m_answer = answer;
            m_questions.clear();
            set();
            QCOMPARE(m_questions.size(), 1);
            QVERIFY2(m_questions[0].contains("DCIM/VID0001.MOV"), qPrintable(m_questions[0]));
            QCOMPARE(readFile(m_card->filePath("camera.conf")).contains("format=true"),
                     !answer.isEmpty());
        }
    }

    // The card is read when Load from Card is chosen: here it was rewritten behind the window's
    // back after its probe had read it.
    void loadFromCardPutsTheCardsSettingsIntoThePages() {
        writeCard(
            QByteArray::fromStdString(BuildCameraConf(DefaultSelections(), "2026-01-02 03:04:05")));
        start();
        QCOMPARE(m_dlg->card().cardLine().state, CardState::Matches);
        ProfileSelections card = DefaultSelections();
        card.mode.m_mode1 = 4;
        card.image.m_iso = *FindOption(Setting::ImageIso, "3200", OptionScope::Camera);
        card.system.m_syncClock = 0;
        writeCard(QByteArray::fromStdString(BuildCameraConf(card, "")));
        const QByteArray profiles = cfgText();
        trigger(0, "Load from Card");
        QTRY_VERIFY_WITH_TIMEOUT(!m_dlg->card().readingCard(), 10000);
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 4);
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])->isChecked());
        QCOMPARE(m_dlg->pages().page<SystemPage>().m_syncClock, 0);
        QVERIFY(!Button(m_dlg->pages().ensurePage(Page::System), kIdcSyncClock)->isChecked());
        QCOMPARE(m_dlg->pages().page<ImagePage>().m_iso,
                 0);  // no page shows 3200: the page keeps its own
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].text.contains("\nimage_iso=3200"), qPrintable(m_messages[0].text));
        MARLIX_COMPARE_TEXT(cfgText(), profiles);             // no profile made or saved
        QTRY_COMPARE(listItems(), QStringList{"default *"});  // loaded, not saved
        QVERIFY(m_dlg->statusText().contains("Loaded the settings"));
        QCOMPARE(m_dlg->card().cardLine().details,
                 std::vector<std::string>{"image_iso: 3200 -> auto"});

        // A card whose file has problems loads nothing.
        m_dlg.reset();
        m_messages.clear();
        writeCard("enable_cfg=true\r\n");
        start();
        const ProfileSelections before = m_dlg->pages().read();
        m_dlg->card().loadFromCard();
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, 10000);
        QVERIFY(m_messages[0].text.contains("nothing was loaded"));
        QCOMPARE(m_dlg->pages().read(), before);
    }

    // A file of nearly a megabyte of empty lines has a million problems: the note's tooltip,
    // Show Differences and Load from Card name the first few and count the rest, so that no text
    // grows with the file (such a tooltip or message box froze the window for a minute).
    void aCardWithAMillionProblemsGivesShortTexts() {
        const int emptyLines = 1000000;
        writeCard("enable_cfg=true\n" + QByteArray(emptyLines, '\n'));
        start();
        QCOMPARE(m_dlg->card().cardLine().state, CardState::Problems);
        m_dlg->card().showDifferences();
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, 10000);
        m_dlg->card().loadFromCard();
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 2, 10000);
        const std::size_t missingKeys = kCameraConfSettingCount;
        for (const QString& text : {noteTip(), m_messages[0].text, m_messages[1].text}) {
            QVERIFY2(text.count('\n') < 20, qPrintable(text.left(2000)));
            const auto shown = text.count(
                QRegularExpression("^line \\d+: empty line$", QRegularExpression::MultilineOption));
            QVERIFY2(shown > 0, qPrintable(text));
            const QString more =
                QString("and %1 more problems").arg(emptyLines + missingKeys - shown);
            QVERIFY2(text.endsWith(more), qPrintable(text.left(2000)));
        }
    }

    // A card that differs: the note's links, named for screen readers and reached with Tab;
    // Show opens the differences with Load from Card, Set and Close, and Set writes the card.
    void theNoteLinksActOnTheCard() {
        ProfileSelections other = DefaultSelections();
        other.video.m_videoQuality = 1;
        writeCard(QByteArray::fromStdString(BuildCameraConf(other, "2026-01-02 03:04:05")));
        start();
        QCOMPARE(noteLinks(), (QStringList{"Show", "Load"}));
        const QString root = m_card->path() + "/";
        QCOMPARE(noteLink("Show")->accessibleName(), "Show differences of the card " + root);
        QCOMPARE(noteLink("Load")->accessibleName(), "Load the settings of the card " + root);
        QVERIFY(!noteLink("Load")->toolTip().isEmpty());
        QVERIFY(noteLink("Show")->geometry().right() < noteLink("Load")->geometry().left());
        QVERIFY(m_dlg->findChild<QLabel*>("statusNote")->geometry().right() <
                noteLink("Show")->geometry().left());

        ReportViewWidget* view = m_dlg->control<ReportViewWidget>(kIdcDeviceList);
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
        view->setFocus();
        QTest::keyClick(m_dlg.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), noteLink("Show"));

        m_answer = "&Set";
        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        noteLink("Show")->click();
        QVERIFY(finished.wait(10000));
        QVERIFY2(m_questions.value(0).contains(
                     "\nVideo Setting, Video Quality: Fine on the card, SFine on the pages"),
                 qPrintable(m_questions.value(0)));
        QTRY_COMPARE(m_dlg->card().cardLine().state, CardState::Matches);
    }

    void unmountedCardsAreGreyedAndMountedOnRequest() {
        start();
        QMenu menu;
        QCOMPARE(menuOf(0, menu), (QStringList{"Load from Card", "Set on All Cards...", "Eject"}));
        m_media->unmounted = {{"/dev/sdz1", "CAM", 42}, {"/dev/sdy1", "SYSTEM", 0}};
        emit m_media->changed();
        // The system disk's file system (not a card, by the volume source) is not offered.
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 2);
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(1, 0),
                 QString("/dev/sdz1"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(1, 2),
                 QString("Not mounted"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->item(1, 0)->flags(),
                 Qt::ItemIsEnabled);

        // From the keyboard: the arrow takes the focus to it while the card above stays selected
        // and the target, and the menu key opens its menu, which offers Mount alone.
        // Refused: UDisks2's reason; then mounted: a row of its own, and the target.
        m_media->answer = Status::failure("Not authorized to perform operation");
        ReportViewWidget* view = m_dlg->control<ReportViewWidget>(kIdcDeviceList);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->currentIndex().row(), 1);
        QVERIFY(view->selectionModel()->isRowSelected(0, QModelIndex()));
        QVERIFY(!view->selectionModel()->isRowSelected(1, QModelIndex()));
        QCOMPARE(m_dlg->drives().targetRoot(), (m_card->path() + "/").toStdString());
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions()) offered << action->text().remove('&');
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::keyClick(view, Qt::Key_Menu);
        QCOMPARE(offered, QStringList{"Mount"});
        QTRY_VERIFY(!m_dlg->card().mediaBusy());
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text,
                 QString("Cannot mount /dev/sdz1: Not authorized to perform operation"));
        QTemporaryDir mountPoint;
        const std::string root = (mountPoint.path() + "/").toStdString();
        m_media->answer = mountPoint.path().toStdString();
        m_media->beforeAnswer = [&] {
            m_media->unmounted.clear();
            m_volumes->drives.push_back(DriveInfo{root, "CAM", false, 0, 0});
        };
        trigger(1, "Mount");
        QTRY_VERIFY(!m_dlg->card().mediaBusy());
        waitForDrives();
        QCOMPARE(m_media->calls, (QStringList{"mount /dev/sdz1", "mount /dev/sdz1"}));
        QCOMPARE(m_dlg->drives().targetRoot(), root);
        QVERIFY(
            m_dlg->statusText().contains("Mounted /dev/sdz1 at " + QString::fromStdString(root)));

        // Without the service, neither action is offered.
        m_media->available = false;
        emit m_media->changed();
        QMenu bare;
        QCOMPARE(menuOf(0, bare), (QStringList{"Load from Card", "Set on All Cards..."}));
    }
};

QTEST_MAIN(CardPanelTest)
#include "card_panel_test.moc"
