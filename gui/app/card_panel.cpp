#include "gui/app/card_panel.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "gui/app/drive_list.h"
#include "gui/app/pages_host.h"
#include "gui/app/qt_text.h"
#include "gui/devices/media_actions.h"
#include "gui/layout/message_box.h"
#include "gui/layout/report_view.h"

namespace marlix {

namespace {

constexpr const char* kLoadFromCard = "&Load from Card";
constexpr const char* kShowDifferences = "Show &Differences...";
constexpr const char* kMount = "&Mount";
constexpr const char* kEject = "&Eject";

// The card line with what lies behind it: each difference, or the file's first problems and how
// many more there are.
QString DetailsText(const CardComparison& card) {
    QString text = Q(card.summary) + "\n";
    if (card.state == CardState::Differs)
        text += "\nOn the card -> on the pages:";
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

    // "Eject" at the end of the note after Set, for the card just written.
    m_ejectButton = new QPushButton("Eject the card", m_window);
    m_ejectButton->setObjectName("ejectOffer");
    m_ejectButton->setFlat(true);
    m_ejectButton->setCursor(Qt::PointingHandCursor);
    m_ejectButton->setToolTip("Unmount the card and power it off, so that it can be taken out");
    m_ejectButton->hide();
    connect(m_ejectButton, &QPushButton::clicked, this, [this] {
        const auto& rows = m_drives.state().rows();
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            if (rows[i].root == m_ejectOffer)
                ejectCard(i);
        }
    });

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
        m_cardDetails = m_card.details.empty() ? QString() : DetailsText(m_card);
    }
    showNote();
}

void CardPanel::showNote() {
    if (m_status == nullptr)
        return;
    m_shownNote = m_eventNote.isEmpty() ? Q(m_card.summary) : m_eventNote;
    const QString tip =
        m_eventNote.isEmpty() && !m_cardDetails.isEmpty() ? m_cardDetails : m_shownNote;
    // The eject offer follows the note's text on its line while it stands.
    const bool offer = !m_ejectOffer.empty() && m_media->CanEject() && m_ejectButton != nullptr;
    // Where attach put it.
    if (m_noteLine.isNull())
        m_noteLine = m_status->geometry();
    const QRect line = m_noteLine;
    QRect text = line;
    if (offer && m_ejectButton->styleSheet().isEmpty()) {
        // A link in the sentence, not a button among the window's buttons. Styled when first
        // offered: a style sheet costs the start of every run that never offers it.
        m_ejectButton->setStyleSheet(
            "QPushButton { border: none; padding: 0 2px; color: palette(link); "
            "text-decoration: underline; }");
    }
    const int offerWidth = offer ? m_ejectButton->sizeHint().width() : 0;
    if (offer)
        text.setRight(line.right() - offerWidth - 6);
    m_status->setGeometry(text);
    m_status->setText(
        m_status->fontMetrics().elidedText(m_shownNote, Qt::ElideMiddle, text.width()));
    if (offer) {
        const int after = line.left() + m_status->fontMetrics().horizontalAdvance(m_status->text());
        m_ejectButton->setGeometry(after + 6, line.top(), offerWidth, line.height());
    }
    if (m_ejectButton)
        m_ejectButton->setVisible(offer);
    m_status->setToolTip(tip == m_status->text() ? QString() : tip);
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
                    "Not mounted: right-click (or press the menu key) and choose Mount");
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
            m_ejectOffer.clear();
        }
        updateCardLine();
    });
}

// ---- load from card -----------------------------------------------------------------------

void CardPanel::loadFromCard() {
    const DeviceRow* card = m_drives.state().targetRow();
    if (card == nullptr)
        return;
    if (card->state == DriveState::NotAnswering || card->state == DriveState::Probing) {
        showError("The card " + card->root +
                  (card->state == DriveState::Probing ? " is still being read; try again in a "
                                                        "moment."
                                                      : " does not answer, so what it holds is "
                                                        "not known. Nothing was loaded."));
        return;
    }
    auto loaded = LoadCardIntoPages(card->conf, m_pages.read());
    if (!loaded) {
        showError(loaded.message());
        return;
    }
    const std::string root = card->root;
    m_pages.show(loaded->values);
    updateCardLine();
    setStatus(Q("Loaded the settings of the card " + root +
                " into the pages; New Profile or Save Profile keeps them."));
    if (!loaded->kept.empty()) {
        QString list;
        for (const std::string& kept : loaded->kept) list += "\n" + Q(kept);
        ShowMessage(
            m_window,
            "No page can show these settings of the card, so the pages keep their own:\n" + list,
            "MARLIX");
    }
}

void CardPanel::showDifferences() {
    if (m_cardDetails.isEmpty())
        return;
    ShowMessage(m_window, m_cardDetails, "MARLIX");
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
            QAction* mount = menu.addAction(kMount, this, [this, row] { mountCard(row); });
            mount->setEnabled(!m_mediaBusy);
        }
        return;
    }
    // The row's actions are the target's: a right click chooses the row first.
    const bool isTarget = row == m_drives.state().selectedRow();
    QAction* load = menu.addAction(kLoadFromCard, this, &CardPanel::loadFromCard);
    load->setEnabled(isTarget && device.state == DriveState::Answered);
    if (isTarget && !m_card.details.empty())
        menu.addAction(kShowDifferences, this, &CardPanel::showDifferences);
    if (m_media->CanEject()) {
        menu.addSeparator();
        QAction* eject = menu.addAction(kEject, this, [this, row] { ejectCard(row); });
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
    setStatus(Q("Mounting " + card.device + "..."));
    QPointer<CardPanel> self(this);
    m_media->Mount(card, [self, card](Result<std::string> mounted) {
        if (!self)
            return;
        self->m_mediaBusy = false;
        if (!mounted) {
            self->setStatus(QString());
            self->showError("Cannot mount " + card.device + ": " + mounted.message());
            return;
        }
        // The card becomes a row of its own (the list hears of the mount too) and the target.
        std::string root = *mounted;
        if (!root.ends_with('/'))
            root += '/';
        self->m_drives.scan();
        self->chooseRoot(root);
        self->setStatus(Q("Mounted " + card.device + " at " + root));
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
    setStatus(Q("Ejecting " + drive.root + "..."));
    QPointer<CardPanel> self(this);
    m_media->Eject(drive, [self, root = drive.root](Result<std::string> ejected) {
        if (!self)
            return;
        self->m_mediaBusy = false;
        if (!ejected) {
            self->setStatus(QString());
            self->showError("Cannot eject " + root + ": " + ejected.message());
            return;
        }
        self->m_drives.scan();
        std::string note = "Ejected " + root + ": the card can be taken out.";
        if (!ejected->empty())
            note += " (" + *ejected + ")";
        self->setStatus(Q(note));
        self->m_noteLasts = true;
    });
}

void CardPanel::setStatus(const QString& text) {
    m_noteLasts = false;
    m_eventNote = text;
    m_notePages = m_pages.fields();
    m_ejectOffer.clear();
    showNote();
}

void CardPanel::showError(const std::string& message) {
    ShowMessage(m_window, Q(message), "MARLIX");
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
