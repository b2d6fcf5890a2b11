// The tab control of the templates.
#pragma once

#include <QTabBar>
#include <QWidget>

namespace marlix {

// A row of tabs over a framed area. Pages are made children of this widget and placed in its
// client coordinates. tabChosen reports the user's changes only; the program's are silent.
class TabControlWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabControlWidget(QWidget* parent = nullptr);

    QTabBar* tabBar() const { return m_tabBar; }
    // text is the English caption; the tab shows it in the language marlix runs in.
    void addTab(const QString& text);
    int currentIndex() const { return m_tabBar->currentIndex(); }
    void setCurrentIndex(int index);

signals:
    void tabChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutTabs();

    QTabBar* m_tabBar;
    int m_quiet = 0;
};

}  // namespace marlix
