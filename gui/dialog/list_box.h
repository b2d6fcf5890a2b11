// The list box of the templates (the profile list) and its wrapper.
#pragma once

#include <QListWidget>

#include "gui/dialog/window.h"

namespace marlix {

#ifndef LB_ERR
inline constexpr int LB_ERR = -1;
#endif

// Single selection. selChange reports the user's own changes only; the program's are silent, so
// that filling or updating the list never looks like the user choosing a profile.
class ListBoxWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget* parent = nullptr);

    int insertString(int index, const QString& text);  // -1 appends
    int deleteString(int index);                       // remaining count, or LB_ERR
    int curSel() const;                                // LB_ERR when nothing is selected
    int setCurSel(int index);                          // -1 clears; LB_ERR when out of range

signals:
    void selChange();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    int m_quiet = 0;
};

class CListBox : public CWnd {
public:
    bool Attach(QWidget* window) override;
    int AddString(const QString& text);
    int InsertString(int index, const QString& text);
    int DeleteString(int index);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    QString GetText(int index) const;
    ListBoxWidget* listBox() const;
};

}  // namespace marlix
