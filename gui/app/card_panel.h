// The card in view and the note under the device list: how the chosen card's camera.conf
// compares with the pages, what the last action said, the links after the note (Show and Load for
// a card that differs, Mount for an unmounted one, Eject for the card just written, and whatever
// an action offers), the device rows' menu (Load from Card, Show Differences, Mount, Eject), and
// reading the card afresh (F5, the window coming back to the front, Load and Show). The
// comparison and the loading are the core's (card_state.h); mounting and ejecting are the
// system's (MediaActions). This is the glue.
#pragma once

#include <QElapsedTimer>
#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/devices/card_state.h"
#include "core/devices/device_list.h"
#include "core/pages/page_fields.h"
#include "gui/app/note_action.h"

class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace marlix {

class DriveList;
class MediaActions;
class PagesHost;
class ReportViewWidget;

class CardPanel : public QObject {
    Q_OBJECT
public:
    // The keys of "Set on All Cards", here and in the window's own menu.
    static constexpr QKeyCombination kSetOnAllCardsKeys{Qt::CTRL | Qt::SHIFT | Qt::Key_S};

    // writing: whether Set's write is under way. window: where the note and messages appear.
    CardPanel(DriveList& drives, PagesHost& pages, std::shared_ptr<MediaActions> media,
              std::function<bool()> writing, QWidget* window);

    // Puts the note on its line and gives the device rows their menu.
    void attach(ReportViewWidget* view, const QRect& noteLine);

    // The note says what an action did (empty: the card's line shows again), followed by links
    // to the actions given (Undo...). Both go when the pages change or the drives are rescanned.
    void setStatus(const QString& text, QList<NoteAction> actions = {});
    // The links the note shows now, in order.
    const QList<NoteAction>& noteActions() const { return m_shownActions; }
    // The note in full.
    QString statusText() const { return m_shownNote; }
    // How the chosen card's camera.conf compares with the pages, as the note says it.
    const CardComparison& cardLine() const { return m_card; }
    // Set wrote these bytes onto the card: its line says so and the note offers to eject it.
    void cardWritten(const std::string& root, const std::string& bytes);

    // A device row's menu: Load from Card, Show Differences, Eject; Mount for a card that is not
    // mounted. Public so that tests can see and trigger what a right click offers.
    void fillMenu(QMenu& menu, int row);
    // Both read the chosen card's camera.conf afresh first (in the background, by the probes'
    // deadline), so that they act on what the card holds now.
    void loadFromCard();
    void showDifferences();
    void mountCard(int row);
    void ejectCard(int row);
    // A mount or an eject is under way.
    bool mediaBusy() const { return m_mediaBusy; }
    // The chosen card's camera.conf is being read afresh.
    bool readingCard() const { return m_readingCard; }

signals:
    // The differences' box asks for Set.
    void setRequested();
    // "Set on All Cards" was chosen in a row's menu.
    void setOnAllCardsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The card's line, recomputed from what its probe read and what the pages show now.
    void updateCardLine();
    // The note: the latest event, or else the card's line; elided to its place, whole on hover.
    void showNote();
    // The links the card's own line offers: Show and Load for a card that differs, Mount for the
    // unmounted card in view; the text for an unmounted card.
    QList<NoteAction> cardActions(QString& text);
    // The links after the note's text, the text elided to leave them room.
    void showLinks(const QList<NoteAction>& actions, QRect textPlace);
    // The chosen card's camera.conf read anew; then `then` gets the card's row as read.
    void readCardAfresh(std::function<void(const DeviceRow&)> then);
    void loadFrom(const DeviceRow& card);
    void showDifferencesOf(const DeviceRow& card);
    // Greys the rows of unmounted cards and brings the card's line up to date; after each fill.
    void showCardRows();
    void onPagesChanged();
    void onMediaChanged();
    void openMenu(const QPoint& position);
    void chooseRoot(const std::string& root);
    void showError(const QString& message);

    DriveList& m_drives;
    PagesHost& m_pages;
    std::shared_ptr<MediaActions> m_media;
    std::function<bool()> m_writing;
    QWidget* m_window;
    ReportViewWidget* m_view = nullptr;
    QLabel* m_status = nullptr;
    CardComparison m_card;
    QString m_cardDetails;  // the note's tooltip and Show Differences: m_card in full
    // What m_card was compared from: the chosen card's row (none without one) and the pages.
    std::optional<DeviceRow> m_comparedCard;
    ProfileSelections m_comparedPages;
    QString m_eventNote;               // what the last action said; empty: the card's line shows
    ProfileSelections m_notePages;     // the pages when it was said: a change makes it stale
    QString m_shownNote;               // the note in full
    QList<NoteAction> m_eventActions;  // the links the last action offered
    std::string m_ejectOffer;          // the card just written, offered for ejecting
    QList<NoteAction> m_shownActions;  // the links shown, one button each
    QList<QPushButton*> m_links;       // made as needed, hidden when not
    bool m_readingCard = false;
    QElapsedTimer m_sinceActivationRead;  // reading again on activation, at most so often
    QRect m_noteLine;                     // where the note goes
    bool m_noteLasts = false;  // a mount's or eject's outcome outlives the rescan it causes
    bool m_pagesCheckQueued = false;
    bool m_mediaBusy = false;
};

}  // namespace marlix
