#include "gui/app/card_panel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "gui/app/drive_list.h"
#include "gui/app/pages_host.h"
#include "gui/app/qt_text.h"
#include "gui/app/setting_captions.h"
#include "gui/devices/media_actions.h"
#include "gui/layout/message_box.h"
#include "gui/layout/report_view.h"
#include "gui/layout/template_dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

namespace {

constexpr const char* kLoadFromCard = QT_TRANSLATE_NOOP("marlix::CardPanel", "&Load from Card");
constexpr const char* kShowDifferences =
    QT_TRANSLATE_NOOP("marlix::CardPanel", "Show &Differences...");
constexpr const char* kMount = QT_TRANSLATE_NOOP("marlix::CardPanel", "&Mount");
constexpr const char* kEject = QT_TRANSLATE_NOOP("marlix::CardPanel", "&Eject");
constexpr const char* kSetOnAllCards =
    QT_TRANSLATE_NOOP("marlix::CardPanel", "Set on &All Cards...");

// How often the window coming to the front reads the chosen card again: switching back and
// forth between windows, or a message box closing, should not keep a probe going.
constexpr int kActivationReadInterval = 5000;  // milliseconds

// The card's line in the language the window speaks. A file's problems are the reader's own
// words, so that line stays as the core gives it.
QString CardLine(const CardComparison& card) {
    switch (card.state) {
        case CardState::Reading:
            return QCoreApplication::translate("marlix::CardPanel",
                                               "Reading the card's camera.conf...");
        case CardState::NotAnswering:
            return QCoreApplication::translate(
                "marlix::CardPanel", "The card does not answer: what it holds is not known.");
        case CardState::NoFile:
            return QCoreApplication::translate("marlix::CardPanel", "The card has no camera.conf.");
        case CardState::Matches:
            return QCoreApplication::translate("marlix::CardPanel",
                                               "The card's camera.conf matches the pages.");
        case CardState::Differs: {
            const int count = static_cast<int>(card.differences.size());
            if (count == 1)
                return QCoreApplication::translate("marlix::CardPanel",
                                                   "The card's camera.conf differs in 1 setting.");
            return QCoreApplication::translate("marlix::CardPanel",
                                               "The card's camera.conf differs in %n settings.",
                                               nullptr, count);
        }
        case CardState::None:
        case CardState::Problems:
            break;
    }
    return Q(card.summary);
}

// The card line with what lies behind it: each difference as the pages word it, or the file's
// first problems and how many more there are.
QString DetailsText(const PagesHost& pages, const CardComparison& card) {
    QString text = CardLine(card) + "\n";
    if (card.state == CardState::Differs) {
        for (const CameraConfDifference& d : card.differences)
            text += "\n" + DifferenceText(pages, d);
        return text;
    }
    for (const std::string& line : card.details) text += "\n" + Q(line);
    return text;
}

}  // namespace

CardPanel::CardPanel(DriveList& drives, PagesHost& pages, std::shared_ptr<MediaActions> media,
                     std::function<bool()> writing, QWidget* window)
    : m_drives(drives),
      m_pages(pages),
      m_media(std::move(media)),
      m_writing(std::move(writing)),
      m_window(window) {
    // The outcome of a mount or an eject still holds after the rescan that follows from it; a
    // note about an earlier write or failed scan no longer describes the list.
    connect(&m_drives, &DriveList::scanned, this, [this](const QString& problems) {
        if (!problems.isEmpty() || !m_noteLasts)
            setStatus(problems);
    });
    connect(&m_drives, &DriveList::filled, this, &CardPanel::showCardRows);
    connect(&m_drives, &DriveList::targetChosen, this, &CardPanel::updateCardLine);
    connect(&m_pages, &PagesHost::changed, this, &CardPanel::onPagesChanged);
}

void CardPanel::attach(ReportViewWidget* view, const QRect& noteLine) {
    m_view = view;
    // A one-line note for what "Set" did, between the device list and the tab control.
    m_status = new QLabel(m_window);
    m_status->setObjectName("statusNote");
    m_status->setGeometry(noteLine);
    m_status->setTextFormat(Qt::PlainText);

    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, &CardPanel::openMenu);
    // From the keyboard: the arrows reach an unmounted card's row too (it takes the focus but not
    // the selection, which stays on the card Set writes to), and the menu key or Shift+F10 opens
    // the menu of the row with the focus.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, view, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, view] {
            if (view->currentIndex().isValid())
                openMenu(view->visualRect(view->currentIndex()).center());
        });
    }

    // The note speaks of the unmounted card whose row has the focus.
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CardPanel::showNote);
    // F5 lists the drives again and reads every card afresh, as a card arriving would; the
    // window coming back to the front reads the chosen card again (eventFilter): its card may
    // have been written meanwhile by another program or another computer.
    auto* refresh =
        new QShortcut(QKeySequence(Qt::Key_F5), m_window, nullptr, nullptr, Qt::WindowShortcut);
    connect(refresh, &QShortcut::activated, &m_drives, &DriveList::scan);
    m_window->installEventFilter(this);

    connect(m_media.get(), &MediaActions::changed, this, &CardPanel::onMediaChanged);
    // Nothing waits for the system's answer: until it comes the actions are just not offered.
    m_media->Start();
    showNote();
}

// ---- the card's line ----------------------------------------------------------------------

void CardPanel::updateCardLine() {
    if (m_status == nullptr)
        return;
    // Rescans and clicks come often; the card's file is read and its texts built only when the
    // card or the pages changed since.
    const DeviceRow* card = m_drives.state().targetRow();
    const ProfileSelections pages = m_pages.read();
    const bool sameCard = card ? m_comparedCard == *card : !m_comparedCard;
    if (!sameCard || pages != m_comparedPages) {
        m_comparedCard = card ? std::optional<DeviceRow>(*card) : std::nullopt;
        m_comparedPages = pages;
        m_card = CompareCardWithPages(card, pages);
        m_cardDetails = m_card.details.empty() ? QString() : DetailsText(m_pages, m_card);
    }
    showNote();
}

void CardPanel::showNote() {
    if (m_status == nullptr)
        return;
    QList<NoteAction> actions;
    if (m_eventNote.isEmpty()) {
        QString text = CardLine(m_card);
        actions = cardActions(text);
        m_shownNote = text;
    } else {
        m_shownNote = m_eventNote;
        actions = m_eventActions;
        if (!m_ejectOffer.empty() && m_media->CanEject()) {
            const std::string root = m_ejectOffer;
            actions << NoteAction{
                tr("Eject"), tr("Eject the card %1").arg(Q(root)),
                [this, root] {
                    const auto& rows = m_drives.state().rows();
                    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
                        if (rows[i].root == root)
                            ejectCard(i);
                    }
                },
                tr("Unmount the card %1 and power it off, so that it can be taken out")
                    .arg(Q(root))};
        }
    }
    const QString tip =
        m_eventNote.isEmpty() && !m_cardDetails.isEmpty() ? m_cardDetails : m_shownNote;
    // Where attach put it.
    if (m_noteLine.isNull())
        m_noteLine = m_status->geometry();
    showLinks(actions, m_noteLine);
    m_status->setToolTip(tip == m_status->text() ? QString() : tip);
}

QList<NoteAction> CardPanel::cardActions(QString& text) {
    QList<NoteAction> actions;
    const auto& rows = m_drives.state().rows();
    // The unmounted card in view: the row with the focus, or the only card there is.
    const DeviceRow* unmounted = nullptr;
    const int focused = m_view ? m_view->currentIndex().row() : -1;
    if (focused >= 0 && focused < static_cast<int>(rows.size()) &&
        rows[static_cast<std::size_t>(focused)].state == DriveState::Unmounted)
        unmounted = &rows[static_cast<std::size_t>(focused)];
    else if (rows.size() == 1 && rows.front().state == DriveState::Unmounted)
        unmounted = &rows.front();
    if (unmounted != nullptr) {
        text = tr("The card %1 is not mounted.").arg(Q(unmounted->root));
        if (m_media->CanMount() && !m_mediaBusy) {
            const std::string device = unmounted->root;
            actions << NoteAction{tr("Mount"), tr("Mount the card %1").arg(Q(device)),
                                  [this, device] {
                                      const auto& now = m_drives.state().rows();
                                      for (int i = 0; i < static_cast<int>(now.size()); ++i) {
                                          if (now[i].root == device)
                                              mountCard(i);
                                      }
                                  }};
        }
        return actions;
    }
    const DeviceRow* card = m_drives.state().targetRow();
    if (m_card.state == CardState::Differs && card != nullptr) {
        const QString root = Q(card->root);
        actions << NoteAction{tr("Show"), tr("Show differences of the card %1").arg(root),
                              [this] { showDifferences(); }};
        actions << NoteAction{
            tr("Load"), tr("Load the settings of the card %1").arg(root),
            [this] { loadFromCard(); },
            tr("Load the settings of the card %1 into the pages (no profile is changed)")
                .arg(root)};
    }
    return actions;
}

void CardPanel::showLinks(const QList<NoteAction>& actions, QRect textPlace) {
    m_shownActions = actions;
    const QRect line = textPlace;
    constexpr int kGap = 6;
    while (m_links.size() < actions.size()) {
        // A link in the sentence, not a button among the window's buttons. Made and styled when
        // first needed: a style sheet costs the start of every run that never offers one.
        auto* link = new QPushButton(m_window);
        link->setObjectName("noteLink");
        link->setFlat(true);
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(
            "QPushButton { border: none; padding: 0 2px; color: palette(link); "
            "text-decoration: underline; }");
        const qsizetype index = m_links.size();
        connect(link, &QPushButton::clicked, this, [this, index] {
            // The action may change the note, and so the links, while it runs.
            if (index < m_shownActions.size()) {
                const std::function<void()> run = m_shownActions[index].run;
                if (run)
                    run();
            }
        });
        // Tab reaches the links right after the device list, which they speak of.
        if (auto* dialog = qobject_cast<TemplateDialog*>(m_window))
            dialog->addTabStopAfter(kIdcDeviceList, link);
        m_links << link;
    }
    int linksWidth = 0;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QPushButton* link = m_links[i];
        link->setText(actions[i].caption);
        link->setAccessibleName(actions[i].accessibleName);
        link->setToolTip(actions[i].toolTip.isEmpty() ? actions[i].accessibleName
                                                      : actions[i].toolTip);
        linksWidth += kGap + link->sizeHint().width();
    }
    // The text gives way to the links: they stay whole, the text is elided.
    QRect text = line;
    text.setRight(line.right() - linksWidth);
    m_status->setGeometry(text);
    m_status->setText(
        m_status->fontMetrics().elidedText(m_shownNote, Qt::ElideMiddle, text.width()));
    int x = line.left() + m_status->fontMetrics().horizontalAdvance(m_status->text());
    if (!actions.isEmpty()) {
        // The links follow the text itself, and the label ends where they start.
        text.setRight(std::min(text.right(), x));
        m_status->setGeometry(text);
    }
    for (qsizetype i = 0; i < m_links.size(); ++i) {
        QPushButton* link = m_links[i];
        if (i >= actions.size()) {
            link->hide();
            continue;
        }
        const int width = link->sizeHint().width();
        link->setGeometry(x + kGap, line.top(), width, line.height());
        x += kGap + width;
        link->show();
    }
}

void CardPanel::showCardRows() {
    const auto& rows = m_drives.state().rows();
    ReportViewWidget* view = m_view;
    for (int i = 0; i < static_cast<int>(rows.size()) && i < view->rowCount(); ++i) {
        if (rows[i].state != DriveState::Unmounted)
            continue;
        // Greyed and not to be chosen: an unmounted card is no target for Set. The focus may
        // come to it, for its menu.
        const QColor grey = view->palette().color(QPalette::Disabled, QPalette::Text);
        for (int column = 0; column < view->columnCount(); ++column) {
            if (QTableWidgetItem* cell = view->item(i, column)) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setForeground(grey);
                cell->setToolTip(
                    tr("Not mounted: right-click (or press the menu key) and choose Mount"));
            }
        }
    }
    updateCardLine();
}

void CardPanel::onPagesChanged() {
    if (m_pagesCheckQueued)
        return;
    m_pagesCheckQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_pagesCheckQueued = false;
        const ProfileSelections pages = m_pages.read();
        // What was said about the last action no longer holds once the pages say otherwise; a
        // write under way still is.
        if (!m_eventNote.isEmpty() && pages != m_notePages && !m_writing()) {
            m_eventNote.clear();
            m_eventActions.clear();
            m_ejectOffer.clear();
        }
        updateCardLine();
    });
}

bool CardPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::WindowActivate) {
        const DeviceRow* card = m_drives.state().targetRow();
        const bool due = !m_sinceActivationRead.isValid() ||
                         m_sinceActivationRead.elapsed() >= kActivationReadInterval;
        if (card != nullptr && due && !m_drives.probing() && !m_writing()) {
            m_sinceActivationRead.start();
            m_drives.probeAgain(card->drive);
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---- load from card and the differences -----------------------------------------------------

void CardPanel::readCardAfresh(std::function<void(const DeviceRow&)> then) {
    const DeviceRow* card = m_drives.state().targetRow();
    // One reading at a time: a second click while the card is read asks for the same.
    if (card == nullptr || m_readingCard)
        return;
    m_readingCard = true;
    const std::string root = card->root;
    QPointer<CardPanel> self(this);
    m_drives.probeAgain(card->drive, [self, root, then = std::move(then)] {
        if (!self)
            return;
        self->m_readingCard = false;
        for (const DeviceRow& row : self->m_drives.state().rows()) {
            if (row.root == root && row.state != DriveState::Unmounted) {
                then(row);
                return;
            }
        }
        self->showError(
            tr("The card %1 is gone: it was taken out or unmounted. Nothing was read from it.")
                .arg(Q(root)));
    });
}

void CardPanel::loadFromCard() {
    readCardAfresh([this](const DeviceRow& card) { loadFrom(card); });
}

void CardPanel::showDifferences() {
    readCardAfresh([this](const DeviceRow& card) { showDifferencesOf(card); });
}

void CardPanel::loadFrom(const DeviceRow& card) {
    if (card.state == DriveState::NotAnswering || card.state == DriveState::Probing) {
        showError((card.state == DriveState::Probing
                       ? tr("The card %1 is still being read; try again in a moment.")
                       : tr("The card %1 does not answer, so what it holds is not known. Nothing "
                            "was loaded."))
                      .arg(Q(card.root)));
        return;
    }
    auto loaded = LoadCardIntoPages(card.conf, m_pages.read());
    if (!loaded) {
        showError(Q(loaded.message()));
        return;
    }
    const std::string root = card.root;
    m_pages.show(loaded->values);
    updateCardLine();
    setStatus(
        tr("Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps "
           "them.")
            .arg(Q(root)));
    if (!loaded->kept.empty()) {
        QString list;
        for (const std::string& kept : loaded->kept) list += "\n" + Q(kept);
        ShowMessage(
            m_window,
            tr("No page can show these settings of the card, so the pages keep their own:\n%1")
                .arg(list),
            "MARLIX");
    }
}

void CardPanel::showDifferencesOf(const DeviceRow& card) {
    const CardComparison comparison = CompareCardWithPages(&card, m_pages.read());
    const QString text =
        comparison.details.empty() ? CardLine(comparison) : DetailsText(m_pages, comparison);
    if (comparison.state != CardState::Differs) {
        // Nothing to choose between: what the card holds now, or why it cannot be compared.
        ShowMessage(m_window, text, "MARLIX");
        return;
    }
    enum { Load, Set, Close };
    const std::string root = card.root;
    const int chosen = AskQuestion(m_window, text, "MARLIX",
                                   {tr(kLoadFromCard), tr("&Set"), tr("Close")}, Close, Close);
    // The box may have stood open a while: the card is read again for the load, and Set writes
    // only onto the card the box spoke of.
    if (chosen == Load) {
        loadFromCard();
    } else if (chosen == Set) {
        if (m_drives.targetRoot() == root)
            emit setRequested();
        else
            showError(tr("The card %1 is no longer the chosen one: camera.conf was not written.")
                          .arg(Q(root)));
    }
}

// ---- mount and eject ----------------------------------------------------------------------

void CardPanel::onMediaChanged() {
    std::vector<UnmountedCard> cards;
    for (UnmountedCard& card : m_media->Unmounted()) {
        if (m_drives.volumes().IsRemovableDevice(card.blockDevice))
            cards.push_back(std::move(card));
    }
    m_drives.applyUnmounted(std::move(cards));
    showNote();  // the eject offer comes or goes with the service
}

void CardPanel::fillMenu(QMenu& menu, int row) {
    const auto& rows = m_drives.state().rows();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    const DeviceRow& device = rows[static_cast<std::size_t>(row)];
    if (device.state == DriveState::Unmounted) {
        if (m_media->CanMount()) {
            QAction* mount = menu.addAction(tr(kMount), this, [this, row] { mountCard(row); });
            mount->setEnabled(!m_mediaBusy);
        }
        return;
    }
    // The row's actions are the target's: a right click chooses the row first.
    const bool isTarget = row == m_drives.state().selectedRow();
    QAction* load = menu.addAction(tr(kLoadFromCard), this, &CardPanel::loadFromCard);
    load->setEnabled(isTarget && device.state == DriveState::Answered);
    if (isTarget && !m_card.details.empty())
        menu.addAction(tr(kShowDifferences), this, &CardPanel::showDifferences);
    QAction* all = menu.addAction(tr(kSetOnAllCards), this, &CardPanel::setOnAllCardsRequested);
    all->setShortcut(kSetOnAllCardsKeys);
    all->setEnabled(!m_writing());
    if (m_media->CanEject()) {
        menu.addSeparator();
        QAction* eject = menu.addAction(tr(kEject), this, [this, row] { ejectCard(row); });
        eject->setEnabled(!m_mediaBusy);
    }
}

void CardPanel::openMenu(const QPoint& position) {
    ReportViewWidget* view = m_view;
    const QModelIndex index = view->indexAt(position);
    if (!index.isValid())
        return;
    QMenu menu(m_window);
    fillMenu(menu, index.row());
    if (!menu.isEmpty())
        menu.exec(view->viewport()->mapToGlobal(position));
}

void CardPanel::chooseRoot(const std::string& root) {
    if (m_drives.chooseRoot(root))
        updateCardLine();
}

void CardPanel::mountCard(int row) {
    const auto& rows = m_drives.state().rows();
    if (m_mediaBusy || row < 0 || row >= static_cast<int>(rows.size()) ||
        rows[static_cast<std::size_t>(row)].state != DriveState::Unmounted) {
        return;
    }
    const DeviceRow& device = rows[static_cast<std::size_t>(row)];
    const UnmountedCard card{device.root, device.label, device.drive.listing.blockDevice};
    m_mediaBusy = true;
    setStatus(tr("Mounting %1...").arg(Q(card.device)));
    QPointer<CardPanel> self(this);
    m_media->Mount(card, [self, card](Result<std::string> mounted) {
        if (!self)
            return;
        self->m_mediaBusy = false;
        if (!mounted) {
            self->setStatus(QString());
            self->showError(tr("Cannot mount %1: %2").arg(Q(card.device), Q(mounted.message())));
            return;
        }
        // The card becomes a row of its own (the list hears of the mount too) and the target.
        std::string root = *mounted;
        if (!root.ends_with('/'))
            root += '/';
        self->m_drives.scan();
        self->chooseRoot(root);
        self->setStatus(tr("Mounted %1 at %2").arg(Q(card.device), Q(root)));
        self->m_noteLasts = true;
    });
}

void CardPanel::ejectCard(int row) {
    const auto& rows = m_drives.state().rows();
    if (m_mediaBusy || row < 0 || row >= static_cast<int>(rows.size()) ||
        rows[static_cast<std::size_t>(row)].state == DriveState::Unmounted) {
        return;
    }
    const DriveInfo drive = rows[static_cast<std::size_t>(row)].drive;
    m_mediaBusy = true;
    setStatus(tr("Ejecting %1...").arg(Q(drive.root)));
    QPointer<CardPanel> self(this);
    m_media->Eject(drive, [self, root = drive.root](Result<std::string> ejected) {
        if (!self)
            return;
        self->m_mediaBusy = false;
        if (!ejected) {
            self->setStatus(QString());
            self->showError(tr("Cannot eject %1: %2").arg(Q(root), Q(ejected.message())));
            return;
        }
        self->m_drives.scan();
        self->setStatus(
            ejected->empty()
                ? tr("Ejected %1: the card can be taken out.").arg(Q(root))
                : tr("Ejected %1: the card can be taken out. (%2)").arg(Q(root), Q(*ejected)));
        self->m_noteLasts = true;
    });
}

void CardPanel::setStatus(const QString& text, QList<NoteAction> actions) {
    m_noteLasts = false;
    m_eventNote = text;
    m_eventActions = text.isEmpty() ? QList<NoteAction>() : std::move(actions);
    m_notePages = m_pages.fields();
    m_ejectOffer.clear();
    showNote();
}

void CardPanel::showError(const QString& message) {
    ShowMessage(m_window, message, "MARLIX");
}

void CardPanel::cardWritten(const std::string& root, const std::string& bytes) {
    // The write was read back whole, so the card holds exactly these bytes; its probe, asked
    // again for the new free space, will say so too.
    m_drives.state().NoteWritten(root, bytes);
    if (const DeviceRow* card = m_drives.state().targetRow(); card && card->root == root)
        m_drives.probeAgain(card->drive);
    m_ejectOffer = root;
    updateCardLine();
}

}  // namespace marlix
