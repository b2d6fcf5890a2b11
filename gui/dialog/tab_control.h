// The tab control of the templates and its wrapper.
#pragma once

#include <QTabBar>
#include <QWidget>

#include "gui/dialog/window.h"

namespace marlix {

// A row of tabs over a framed area. Pages are made children of this widget and placed in its
// client coordinates. selChange reports the user's changes only.
class TabControlWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabControlWidget(QWidget* parent = nullptr);

    QTabBar* tabBar() const { return m_tabBar; }
    int insertItem(int index, const QString& text);  // index of the new tab, or -1
    int curSel() const;
    int setCurSel(int index);  // previous selection, or -1

signals:
    void selChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutTabs();

    QTabBar* m_tabBar;
    int m_quiet = 0;
};

class CTabCtrl : public CWnd {
public:
    bool Attach(QWidget* window) override;
    int InsertItem(int item, const QString& text);
    int GetCurSel() const;
    int SetCurSel(int item);
    TabControlWidget* tabControl() const;
};

}  // namespace marlix
