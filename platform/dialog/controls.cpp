#include "platform/dialog/controls.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QStyleOptionTabWidgetFrame>
#include <QVariant>
#include <algorithm>

namespace marlix {

namespace {

// Dynamic properties that the dialog puts on the widgets it creates.
constexpr char kCtrlIdProperty[] = "marlixCtrlId";
constexpr char kRawTextProperty[] = "marlixRawText";
constexpr char kNoPrefixProperty[] = "marlixNoPrefix";

// What a static text without the no-prefix style shows: "&&" is a literal '&', a single '&' only
// marks the next character as the mnemonic and is not drawn.
QString StaticDisplayText(const QString& raw) {
    QString shown;
    shown.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'&') {
            if (i + 1 < raw.size() && raw[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += raw[i];
    }
    return shown;
}

// Runs a block with the widget's change signals treated as the program's own.
class QuietScope {
public:
    explicit QuietScope(int& counter) : m_counter(counter) { ++m_counter; }
    ~QuietScope() { --m_counter; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    int& m_counter;
};

}  // namespace

// ---- SliderWidget ----------------------------------------------------------------------------

SliderWidget::SliderWidget(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 100);
    setSingleStep(1);
    setPageStep(20);
    setTickPosition(QSlider::TicksBothSides);
    setTickInterval(1);
}

void SliderWidget::addTic(int position) {
    if (!m_tics.contains(position)) {
        m_tics.append(position);
        update();
    }
}

void SliderWidget::initStyleOption(QStyleOptionSlider* option) const {
    QSlider::initStyleOption(option);
    // Painting and hit testing both go through here, so they agree on the inset.
    if (option->rect.width() > 4 * kChannelInset) {
        option->rect.adjust(kChannelInset, 0, -kChannelInset, 0);
    }
}

void SliderWidget::paintEvent(QPaintEvent* event) {
    emit customDraw();
    QSlider::paintEvent(event);
}

void SliderWidget::keyPressEvent(QKeyEvent* event) {
    // A horizontal track bar moves left for Up and Page Up, right for Down and Page Down.
    switch (event->key()) {
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            return;
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            return;
        case Qt::Key_PageUp:
            triggerAction(SliderPageStepSub);
            return;
        case Qt::Key_PageDown:
            triggerAction(SliderPageStepAdd);
            return;
        default:
            QSlider::keyPressEvent(event);
    }
}

// ---- ListBoxWidget ---------------------------------------------------------------------------

namespace {

// The user can move the selection of a single-selection list but not clear it (no Ctrl+click
// toggling, no click on empty space): the profile or the card shown as chosen stays chosen.
QItemSelectionModel::SelectionFlags keepChosen(QItemSelectionModel::SelectionFlags flags,
                                               const QModelIndex& index,
                                               QItemSelectionModel::SelectionFlags behaviour) {
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::ClearAndSelect | behaviour;
    }
    return flags;
}

}  // namespace

QItemSelectionModel::SelectionFlags ListBoxWidget::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    return keepChosen(QListWidget::selectionCommand(index, event), index,
                      QItemSelectionModel::NoUpdate);
}

QItemSelectionModel::SelectionFlags ListViewWidget::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    return keepChosen(QTableWidget::selectionCommand(index, event), index,
                      QItemSelectionModel::Rows);
}

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTabKeyNavigation(false);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_quiet == 0) {
            emit selChange();
        }
    });
}

int ListBoxWidget::addString(const QString& text) {
    return insertString(-1, text);
}

int ListBoxWidget::insertString(int index, const QString& text) {
    if (index < -1 || index > count()) {
        return LB_ERR;
    }
    const int row = index == -1 ? count() : index;
    QuietScope quiet(m_quiet);
    insertItem(row, text);
    return row;
}

int ListBoxWidget::deleteString(int index) {
    if (index < 0 || index >= count()) {
        return LB_ERR;
    }
    QuietScope quiet(m_quiet);
    const int selected = curSel();
    delete takeItem(index);
    // The platform does not move the selection onto a neighbour when the selected item goes.
    if (selected == index) {
        clearSelection();
    }
    return count();
}

int ListBoxWidget::curSel() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? LB_ERR : row(items.front());
}

int ListBoxWidget::setCurSel(int index) {
    if (index < -1 || index >= count()) {
        return LB_ERR;
    }
    QuietScope quiet(m_quiet);
    if (index == -1) {
        clearSelection();
        return LB_ERR;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    return index;
}

void ListBoxWidget::resetContent() {
    QuietScope quiet(m_quiet);
    clear();
}

// ---- ListViewWidget --------------------------------------------------------------------------

ListViewWidget::ListViewWidget(QWidget* parent) : QTableWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_quiet == 0) {
            syncStates();
        }
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (m_quiet == 0) {
            syncStates();
        }
    });
}

int ListViewWidget::insertColumn(int column, const QString& heading, int format, int width) {
    (void)format;  // every column of ours is left-aligned
    if (column < 0) {
        return -1;
    }
    const int at = std::min(column, columnCount());
    QuietScope quiet(m_quiet);
    QTableWidget::insertColumn(at);
    setHorizontalHeaderItem(at, new QTableWidgetItem(heading));
    if (width >= 0) {
        setColumnWidth(at, width);
    }
    return at;
}

int ListViewWidget::insertItem(int item, const QString& text) {
    if (item < 0 || columnCount() == 0) {
        return -1;
    }
    const int row = std::min(item, rowCount());
    QuietScope quiet(m_quiet);
    insertRow(row);
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, 0, cell);
    m_states.insert(m_states.begin() + row, 0u);
    applyImage(row);
    return row;
}

bool ListViewWidget::setItemText(int item, int subItem, const QString& text) {
    if (item < 0 || item >= rowCount() || subItem < 0 || subItem >= columnCount()) {
        return false;
    }
    QTableWidgetItem* cell = this->item(item, subItem);
    if (cell == nullptr) {
        cell = new QTableWidgetItem();
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        QuietScope quiet(m_quiet);
        setItem(item, subItem, cell);
    }
    const bool changed = cell->text() != text;
    cell->setText(text);
    if (changed && subItem == 0) {
        const unsigned state = m_states[static_cast<std::size_t>(item)];
        emit itemChanged(item, state, state, LVIF_TEXT);
    }
    return true;
}

QString ListViewWidget::itemText(int item, int subItem) const {
    const QTableWidgetItem* cell = this->item(item, subItem);
    return cell == nullptr ? QString() : cell->text();
}

bool ListViewWidget::deleteItem(int item) {
    if (item < 0 || item >= rowCount()) {
        return false;
    }
    QuietScope quiet(m_quiet);
    const bool wasCurrent = currentIndex().isValid() && currentIndex().row() == item;
    removeRow(item);
    // The focus does not pass to a neighbour when the focused item goes.
    if (wasCurrent) {
        selectionModel()->clearCurrentIndex();
    }
    m_states = currentStates();
    return true;
}

bool ListViewWidget::deleteAllItems() {
    QuietScope quiet(m_quiet);
    setRowCount(0);
    selectionModel()->clearCurrentIndex();
    m_states.clear();
    return true;
}

bool ListViewWidget::setItemState(int item, unsigned state, unsigned mask) {
    if (item < -1 || item >= rowCount()) {
        return false;
    }
    {
        QuietScope quiet(m_quiet);
        const int first = item == -1 ? 0 : item;
        const int last = item == -1 ? rowCount() - 1 : item;
        for (int row = first; row <= last; ++row) {
            const QModelIndex index = model()->index(row, 0);
            if ((mask & LVIS_SELECTED) != 0) {
                if ((state & LVIS_SELECTED) != 0) {
                    selectionModel()->select(
                        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                } else {
                    selectionModel()->select(
                        index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
                }
            }
            if ((mask & LVIS_FOCUSED) != 0) {
                if ((state & LVIS_FOCUSED) != 0) {
                    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
                } else if (currentIndex().row() == row) {
                    selectionModel()->clearCurrentIndex();
                }
            }
        }
    }
    syncStates();
    return true;
}

unsigned ListViewWidget::itemState(int item, unsigned mask) const {
    if (item < 0 || item >= rowCount()) {
        return 0;
    }
    return currentStates()[static_cast<std::size_t>(item)] & mask;
}

void ListViewWidget::setExtendedStyle(unsigned style) {
    m_extendedStyle = style;
    setShowGrid((style & LVS_EX_GRIDLINES) != 0);
}

void ListViewWidget::setSmallImages(const QList<QPixmap>& images, QSize size) {
    m_images = images;
    setIconSize(size);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, size.height()));
    for (int row = 0; row < rowCount(); ++row) {
        applyImage(row);
    }
}

void ListViewWidget::applyImage(int row) {
    QTableWidgetItem* cell = item(row, 0);
    if (cell != nullptr && !m_images.isEmpty()) {
        cell->setIcon(QIcon(m_images.front()));
    }
}

std::vector<unsigned> ListViewWidget::currentStates() const {
    std::vector<unsigned> states(static_cast<std::size_t>(rowCount()), 0u);
    const QItemSelectionModel* selection = selectionModel();
    for (int row = 0; row < rowCount(); ++row) {
        unsigned state = 0;
        if (selection->isRowSelected(row, QModelIndex())) {
            state |= LVIS_SELECTED;
        }
        if (selection->currentIndex().isValid() && selection->currentIndex().row() == row) {
            state |= LVIS_FOCUSED;
        }
        states[static_cast<std::size_t>(row)] = state;
    }
    return states;
}

void ListViewWidget::syncStates() {
    std::vector<unsigned> now = currentStates();
    std::vector<unsigned> before = m_states;
    before.resize(now.size(), 0u);
    m_states = now;
    // Items that only lose states are reported first, so the last report names the item that
    // gained the selection or the focus.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t row = 0; row < now.size(); ++row) {
            if (now[row] == before[row]) {
                continue;
            }
            const bool onlyLoses = (now[row] & ~before[row]) == 0;
            if (onlyLoses == (pass == 0)) {
                emit itemChanged(static_cast<int>(row), now[row], before[row], LVIF_STATE);
            }
        }
    }
}

// ---- TabControlWidget ------------------------------------------------------------------------

namespace {

// Tabs as high as the platform makes them: the font's height and a few pixels of padding.
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
    connect(m_tabBar, &QTabBar::currentChanged, this, [this] {
        if (m_quiet == 0) {
            emit selChange();
        }
    });
    layoutTabs();
}

int TabControlWidget::insertItem(int index, const QString& text) {
    if (index < 0) {
        return -1;
    }
    QuietScope quiet(m_quiet);
    const int at = m_tabBar->insertTab(std::min(index, m_tabBar->count()), text);
    layoutTabs();
    return at;
}

int TabControlWidget::curSel() const {
    return m_tabBar->currentIndex();
}

int TabControlWidget::setCurSel(int index) {
    if (index < 0 || index >= m_tabBar->count()) {
        return -1;
    }
    QuietScope quiet(m_quiet);
    const int previous = m_tabBar->currentIndex();
    m_tabBar->setCurrentIndex(index);
    return previous;
}

int TabControlWidget::itemCount() const {
    return m_tabBar->count();
}

bool TabControlWidget::deleteAllItems() {
    QuietScope quiet(m_quiet);
    while (m_tabBar->count() > 0) {
        m_tabBar->removeTab(m_tabBar->count() - 1);
    }
    layoutTabs();
    return true;
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

// ---- window operations -----------------------------------------------------------------------

bool EnableWindow(QWidget* window, bool enable) {
    if (window == nullptr) {
        return false;
    }
    const bool wasDisabled =
        window->isWindow() ? !window->isEnabled() : !window->isEnabledTo(window->parentWidget());
    window->setEnabled(enable);
    return wasDisabled;
}

bool ShowWindow(QWidget* window, int cmdShow) {
    if (window == nullptr) {
        return false;
    }
    const bool wasVisible =
        window->isWindow() ? window->isVisible() : window->isVisibleTo(window->parentWidget());
    window->setVisible(cmdShow != SW_HIDE);
    return wasVisible;
}

void MoveWindow(QWidget* window, int x, int y, int width, int height, bool repaint) {
    if (window == nullptr) {
        return;
    }
    window->setGeometry(x, y, std::max(0, width), std::max(0, height));
    if (repaint) {
        window->update();
    }
}

void SetWindowText(QWidget* window, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(window)) {
        label->setProperty(kRawTextProperty, text);
        label->setText(label->property(kNoPrefixProperty).toBool() ? text
                                                                   : StaticDisplayText(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(window)) {
        button->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(window)) {
        edit->setText(text);
    } else if (window != nullptr) {
        window->setWindowTitle(text);
    }
}

QString GetWindowText(const QWidget* window) {
    if (auto* label = qobject_cast<const QLabel*>(window)) {
        const QVariant raw = label->property(kRawTextProperty);
        return raw.isValid() ? raw.toString() : label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(window)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<const QLineEdit*>(window)) {
        return edit->text();
    }
    return window == nullptr ? QString() : window->windowTitle();
}

int GetDlgCtrlID(const QWidget* window) {
    return window == nullptr ? 0 : window->property(kCtrlIdProperty).toInt();
}

void TagControl(QWidget* window, int id, bool noPrefix) {
    window->setProperty(kCtrlIdProperty, id);
    window->setProperty(kNoPrefixProperty, noPrefix);
}

// ---- CWnd and friends ------------------------------------------------------------------------

bool CWnd::Attach(QWidget* window) {
    m_hWnd = window;
    return window != nullptr;
}

bool CWnd::EnableWindow(bool enable) {
    return marlix::EnableWindow(m_hWnd, enable);
}
bool CWnd::ShowWindow(int cmdShow) {
    return marlix::ShowWindow(m_hWnd, cmdShow);
}
void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint) {
    marlix::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::MoveWindow(const QRect& rect, bool repaint) {
    marlix::MoveWindow(m_hWnd, rect.x(), rect.y(), rect.width(), rect.height(), repaint);
}
void CWnd::GetClientRect(QRect* rect) const {
    if (rect == nullptr) {
        return;
    }
    if (m_hWnd == nullptr) {
        *rect = QRect();
    } else if (auto* area = qobject_cast<QAbstractScrollArea*>(m_hWnd.data())) {
        // Inside the border, as the platform's client area of a list is.
        *rect = QRect(QPoint(0, 0), area->contentsRect().size());
    } else {
        *rect = m_hWnd->rect();
    }
}
void CWnd::SetWindowText(const QString& text) {
    marlix::SetWindowText(m_hWnd, text);
}
QString CWnd::GetWindowText() const {
    return marlix::GetWindowText(m_hWnd);
}
void CWnd::SetFont(const QFont& font, bool redraw) {
    if (m_hWnd) {
        m_hWnd->setFont(font);
        if (redraw) {
            m_hWnd->update();
        }
    }
}
void CWnd::SetFocus() {
    if (m_hWnd) {
        m_hWnd->setFocus(Qt::OtherFocusReason);
    }
}
bool CWnd::IsWindowVisible() const {
    return m_hWnd && m_hWnd->isVisible();
}
bool CWnd::IsWindowEnabled() const {
    return m_hWnd && m_hWnd->isEnabled();
}
int CWnd::GetDlgCtrlID() const {
    return marlix::GetDlgCtrlID(m_hWnd);
}

bool CButton::Attach(QWidget* window) {
    return qobject_cast<QAbstractButton*>(window) != nullptr && CWnd::Attach(window);
}
int CButton::GetCheck() const {
    auto* button = qobject_cast<QAbstractButton*>(m_hWnd.data());
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}
void CButton::SetCheck(int check) {
    if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd.data())) {
        button->setChecked(check != BST_UNCHECKED);
    }
}

bool CEdit::Attach(QWidget* window) {
    return qobject_cast<QLineEdit*>(window) != nullptr && CWnd::Attach(window);
}
void CEdit::SetSel(int start, int end) {
    if (auto* edit = qobject_cast<QLineEdit*>(m_hWnd.data())) {
        if (start == 0 && end == -1) {
            edit->selectAll();
        } else if (start == -1) {
            edit->deselect();
        } else {
            edit->setSelection(start, end - start);
        }
    }
}

bool CSliderCtrl::Attach(QWidget* window) {
    return qobject_cast<SliderWidget*>(window) != nullptr && CWnd::Attach(window);
}
SliderWidget* CSliderCtrl::slider() const {
    return qobject_cast<SliderWidget*>(m_hWnd.data());
}
void CSliderCtrl::SetRange(int minimum, int maximum, bool redraw) {
    if (SliderWidget* s = slider()) {
        s->setRange(minimum, maximum);  // limits the position to the new range
        if (redraw) {
            s->update();
        }
    }
}
int CSliderCtrl::GetRangeMin() const {
    return slider() ? slider()->minimum() : 0;
}
int CSliderCtrl::GetRangeMax() const {
    return slider() ? slider()->maximum() : 0;
}
void CSliderCtrl::SetPos(int position) {
    if (SliderWidget* s = slider()) {
        s->setValue(position);
    }
}
int CSliderCtrl::GetPos() const {
    return slider() ? slider()->value() : 0;
}
void CSliderCtrl::SetTicFreq(int frequency) {
    if (SliderWidget* s = slider()) {
        s->setTickInterval(std::max(1, frequency));
    }
}
bool CSliderCtrl::SetTic(int position) {
    SliderWidget* s = slider();
    if (s == nullptr || position < s->minimum() || position > s->maximum()) {
        return false;
    }
    s->addTic(position);
    return true;
}
void CSliderCtrl::SetPageSize(int size) {
    if (SliderWidget* s = slider()) {
        s->setPageStep(size);
    }
}
void CSliderCtrl::SetLineSize(int size) {
    if (SliderWidget* s = slider()) {
        s->setSingleStep(size);
    }
}

bool CListBox::Attach(QWidget* window) {
    return qobject_cast<ListBoxWidget*>(window) != nullptr && CWnd::Attach(window);
}
ListBoxWidget* CListBox::listBox() const {
    return qobject_cast<ListBoxWidget*>(m_hWnd.data());
}
int CListBox::AddString(const QString& text) {
    return listBox() ? listBox()->addString(text) : LB_ERR;
}
int CListBox::InsertString(int index, const QString& text) {
    return listBox() ? listBox()->insertString(index, text) : LB_ERR;
}
int CListBox::DeleteString(int index) {
    return listBox() ? listBox()->deleteString(index) : LB_ERR;
}
int CListBox::GetCount() const {
    return listBox() ? listBox()->count() : LB_ERR;
}
int CListBox::GetCurSel() const {
    return listBox() ? listBox()->curSel() : LB_ERR;
}
int CListBox::SetCurSel(int index) {
    return listBox() ? listBox()->setCurSel(index) : LB_ERR;
}
QString CListBox::GetText(int index) const {
    const QListWidgetItem* item = listBox() ? listBox()->item(index) : nullptr;
    return item == nullptr ? QString() : item->text();
}
void CListBox::ResetContent() {
    if (listBox()) {
        listBox()->resetContent();
    }
}

bool CImageList::Create(int cx, int cy, unsigned flags, int initial, int grow) {
    (void)flags;
    (void)initial;
    (void)grow;
    if (cx <= 0 || cy <= 0) {
        return false;
    }
    m_size = QSize(cx, cy);
    m_images.clear();
    m_created = true;
    return true;
}

int CImageList::Add(const QIcon& icon) {
    if (!m_created || icon.isNull()) {
        return -1;
    }
    QPixmap image(m_size);
    image.fill(m_background);
    QPainter painter(&image);
    icon.paint(&painter, QRect(QPoint(0, 0), m_size));
    painter.end();
    m_images.append(image);
    return static_cast<int>(m_images.size()) - 1;
}

bool CListCtrl::Attach(QWidget* window) {
    return qobject_cast<ListViewWidget*>(window) != nullptr && CWnd::Attach(window);
}
ListViewWidget* CListCtrl::listView() const {
    return qobject_cast<ListViewWidget*>(m_hWnd.data());
}
int CListCtrl::InsertColumn(int column, const QString& heading, int format, int width) {
    return listView() ? listView()->insertColumn(column, heading, format, width) : -1;
}
int CListCtrl::InsertItem(int item, const QString& text) {
    return listView() ? listView()->insertItem(item, text) : -1;
}
bool CListCtrl::SetItemText(int item, int subItem, const QString& text) {
    return listView() && listView()->setItemText(item, subItem, text);
}
QString CListCtrl::GetItemText(int item, int subItem) const {
    return listView() ? listView()->itemText(item, subItem) : QString();
}
bool CListCtrl::DeleteItem(int item) {
    return listView() && listView()->deleteItem(item);
}
bool CListCtrl::DeleteAllItems() {
    return listView() && listView()->deleteAllItems();
}
int CListCtrl::GetItemCount() const {
    return listView() ? listView()->itemCount() : 0;
}
bool CListCtrl::SetItemState(int item, unsigned state, unsigned mask) {
    return listView() && listView()->setItemState(item, state, mask);
}
unsigned CListCtrl::GetItemState(int item, unsigned mask) const {
    return listView() ? listView()->itemState(item, mask) : 0;
}
unsigned CListCtrl::GetExtendedStyle() const {
    return listView() ? listView()->extendedStyle() : 0;
}
void CListCtrl::SetExtendedStyle(unsigned style) {
    if (listView()) {
        listView()->setExtendedStyle(style);
    }
}
void CListCtrl::SetImageList(CImageList* images, int type) {
    if (listView() && images != nullptr && type == LVSIL_SMALL) {
        listView()->setSmallImages(images->images(), images->size());
    }
}
int CListCtrl::GetColumnWidth(int column) const {
    return listView() ? listView()->columnWidth(column) : 0;
}

bool CTabCtrl::Attach(QWidget* window) {
    return qobject_cast<TabControlWidget*>(window) != nullptr && CWnd::Attach(window);
}
TabControlWidget* CTabCtrl::tabControl() const {
    return qobject_cast<TabControlWidget*>(m_hWnd.data());
}
int CTabCtrl::InsertItem(int item, const QString& text) {
    return tabControl() ? tabControl()->insertItem(item, text) : -1;
}
int CTabCtrl::GetCurSel() const {
    return tabControl() ? tabControl()->curSel() : -1;
}
int CTabCtrl::SetCurSel(int item) {
    return tabControl() ? tabControl()->setCurSel(item) : -1;
}
int CTabCtrl::GetItemCount() const {
    return tabControl() ? tabControl()->itemCount() : 0;
}
bool CTabCtrl::DeleteAllItems() {
    return tabControl() && tabControl()->deleteAllItems();
}

}  // namespace marlix
