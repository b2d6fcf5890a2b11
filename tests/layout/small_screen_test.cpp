// The window on screens of several sizes and scale factors (CTest runs this once for each, with a
// screen of the offscreen platform's configuration): it lies within the screen's free area, and
// where that is too small for it, its content scrolls, so that every control (Set among them) can
// be brought into view. On a screen large enough it is exactly as its template draws it.
#include <QScrollArea>
#include <QScrollBar>

#include "tests/app/window_fixture.h"

class SmallScreenTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

    void windowFitsAndScrolls() {
        const bool scrolls = qEnvironmentVariableIntValue("MARLIX_TEST_EXPECT_SCROLLING") != 0;
        start();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
        const QRect available = m_dlg->screen()->availableGeometry();
        const DialogTemplate* drawn = m_dlg->dialogTemplate();
        const QSize canvas = m_dlg->toPixels({0, 0, drawn->cx, drawn->cy}).size();
        QTRY_VERIFY2(available.contains(m_dlg->frameGeometry()),
                     qPrintable(QStringLiteral("the window at %1,%2 %3x%4, the screen's free area "
                                               "%5x%6")
                                    .arg(m_dlg->frameGeometry().x())
                                    .arg(m_dlg->frameGeometry().y())
                                    .arg(m_dlg->frameGeometry().width())
                                    .arg(m_dlg->frameGeometry().height())
                                    .arg(available.width())
                                    .arg(available.height())));
        auto* scroll = m_dlg->findChild<QScrollArea*>();
        if (!scrolls) {
            QCOMPARE(m_dlg->size(), canvas);
            QVERIFY(scroll == nullptr);
            return;
        }
        QVERIFY(scroll != nullptr);
        QVERIFY(m_dlg->height() < canvas.height() || m_dlg->width() < canvas.width());
        // Scrolled away from it, Set comes into view when the keyboard reaches it.
        const QRect viewport(QPoint(0, 0), scroll->viewport()->size());
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->minimum());
        QWidget* set = m_dlg->control(kIdcSet);
        set->setFocus();
        QTRY_VERIFY(set->hasFocus());
        QVERIFY(
            viewport.contains(QRect(set->mapTo(scroll->viewport(), QPoint(0, 0)), set->size())));
        // Scrolled to its end, the canvas shows its last row of pixels.
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
        const QPoint lastPixel = scroll->widget()->mapTo(
            scroll->viewport(), QPoint(canvas.width() - 1, canvas.height() - 1));
        QVERIFY(viewport.contains(lastPixel));
    }
};

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
