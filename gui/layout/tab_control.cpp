#include "gui/layout/tab_control.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <algorithm>

#include "gui/layout/quiet_scope.h"

namespace marlix {

namespace {

// Tabs only as high as their text and a few pixels of padding: the pages are laid out for the
// room that leaves below them.
class CompactTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(fontMetrics().height() + 6);
        return size;
    }
};

}  // namespace

TabControlWidget::TabControlWidget(QWidget* parent)
    : QWidget(parent), m_tabBar(new CompactTabBar(this)) {
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(true);
    setFocusProxy(m_tabBar);
    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
        if (m_quiet == 0) {
            emit tabChosen(index);
        }
    });
    layoutTabs();
}

void TabControlWidget::addTab(const QString& text) {
    QuietScope quiet(m_quiet);
    m_tabBar->addTab(
        QCoreApplication::translate("marlix::TabControlWidget", text.toUtf8().constData()));
    layoutTabs();
}

void TabControlWidget::setCurrentIndex(int index) {
    QuietScope quiet(m_quiet);
    m_tabBar->setCurrentIndex(index);
}

void TabControlWidget::layoutTabs() {
    const QSize hint = m_tabBar->sizeHint();
    m_tabBar->setGeometry(2, 0, std::min(hint.width(), std::max(0, width() - 4)), hint.height());
}

void TabControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutTabs();
}

void TabControlWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        layoutTabs();
    }
}

void TabControlWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = std::max(0, m_tabBar->geometry().bottom() - 1);
    frame.rect = QRect(0, top, width(), height() - top);
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarSize = m_tabBar->size();
    frame.tabBarRect = m_tabBar->geometry();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

}  // namespace marlix
