// The language changes what the window shows, never what it stores: the same clicks give the
// same cfg.ini and camera.conf byte for byte in English and in every translation.
#include <QTranslator>

#include "gui/app/start_options.h"
#include "tests/app/window_fixture.h"

namespace {

struct StoredFiles {
    QByteArray cfgIni;
    QByteArray cameraConf;
};

}  // namespace

class LanguageTest : public QObject, public WindowFixture {
    Q_OBJECT

    // A first run, a choice on each page as a user makes it, New Profile, then Set.
    StoredFiles storeIn(const QString& code) {
        QTranslator translator;
        if (!code.isEmpty()) {
            if (!translator.load(":/i18n/marlix_" + code + ".qm"))
                qFatal("no translation %s in the program", qPrintable(code));
            QCoreApplication::installTranslator(&translator);
        }
        setUpWindow();
        start();
        PagesHost& pages = m_dlg->pages();
        Button(pages.ensurePage(Page::Mode), kIdcMode1Buttons[2])->click();
        Button(pages.ensurePage(Page::Video), kIdcTimelapseButtons[3])->click();
        Button(pages.ensurePage(Page::Photo), kIdcPhotoBurstButtons[1])->click();
        Button(pages.ensurePage(Page::System), kIdcOsdButtons[1])->click();
        pages.ensurePage(Page::Image).control<QSlider>(kIdcEvSlider)->setValue(3);
        clearClockBox();  // the clock line holds the time of the write
        newProfile("rally");
        set();
        const StoredFiles stored{readFile(cfgPath()), readFile(m_card->filePath("camera.conf"))};
        const bool quiet = m_messages.isEmpty();
        tearDownWindow();
        QCoreApplication::removeTranslator(&translator);
        if (!quiet)
            qWarning("%s: a message box came up", qPrintable(code));
        return stored;
    }

private slots:
    void storedFilesAreTheSameInEveryLanguage() {
        const StoredFiles english = storeIn({});
        QVERIFY(english.cfgIni.contains("[profile-rally]"));
        QVERIFY(!english.cameraConf.isEmpty());
        for (std::string_view code : TranslationCodes()) {
            const QString language = QString::fromUtf8(code.data(), code.size());
            const StoredFiles translated = storeIn(language);
            QVERIFY2(translated.cfgIni == english.cfgIni, qPrintable(language + ": cfg.ini"));
            QVERIFY2(translated.cameraConf == english.cameraConf,
                     qPrintable(language + ": camera.conf"));
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
