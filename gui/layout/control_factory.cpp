#include "gui/layout/control_factory.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "gui/layout/captions.h"
#include "gui/layout/controls.h"

namespace marlix {

namespace {

QPixmap PictureOf(const ControlTemplate& control, const ImageLoader& loadImage) {
    return loadImage ? loadImage(control.resource) : QPixmap();
}

// Kinds that show no caption: the template's caption is what a screen reader calls them.
bool ShowsNoCaption(ControlKind kind) {
    switch (kind) {
        case ControlKind::EtchedHorz:
        case ControlKind::StaticIcon:
        case ControlKind::StaticBitmap:
        case ControlKind::Edit:
        case ControlKind::ListBox:
        case ControlKind::ListView:
        case ControlKind::TabControl:
        case ControlKind::Slider:
            return true;
        default:
            return false;
    }
}

// A bitmap that has a variant for dark windows: drawn again when the palette changes (the
// desktop switched between light and dark).
class PictureLabel final : public QLabel {
public:
    PictureLabel(std::function<QPixmap()> load, QWidget* parent)
        : QLabel(parent), m_load(std::move(load)) {}

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange) {
            const QPixmap picture = m_load();
            if (!picture.isNull())
                setPixmap(picture);
        }
    }

private:
    std::function<QPixmap()> m_load;
};

bool IsStatic(ControlKind kind) {
    return kind == ControlKind::StaticText || kind == ControlKind::EtchedHorz ||
           kind == ControlKind::StaticIcon || kind == ControlKind::StaticBitmap;
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, const DialogBaseUnits& units,
                       const ImageLoader& loadImage, QWidget* parent,
                       const char* translationContext) {
    const QString caption = TranslatedCaption(translationContext, control.caption);
    QRect geometry = DluToPixels(control.rect, units);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(true);
            button->setDefault(control.kind == ControlKind::DefPushButton);
            widget = button;
            break;
        }
        case ControlKind::RadioButton:
            // Groups come from the template: the dialog puts each button into its group's
            // exclusive QButtonGroup, which takes over from the parent-based exclusivity. The
            // button stays auto-exclusive so that it is still announced as a radio button.
            widget = new RadioButtonWidget(caption, parent);
            break;
        case ControlKind::CheckBox:
            widget = new CheckBoxWidget(caption, parent);
            break;
        case ControlKind::StaticText: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            label->setMargin(0);
            label->setIndent(0);
            label->setText((control.style & kNoPrefix) != 0 ? caption : StripMnemonics(caption));
            widget = label;
            break;
        }
        case ControlKind::EtchedHorz: {
            auto* line = new QFrame(parent);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            geometry.setHeight(std::max(geometry.height(), 2));
            widget = line;
            break;
        }
        case ControlKind::StaticIcon: {
            auto* label = new QLabel(parent);
            const QPixmap picture = PictureOf(control, loadImage);
            // An icon control takes the size of a standard icon, whatever the template says.
            geometry.setSize(QSize(32, 32));
            if (!picture.isNull()) {
                label->setPixmap(
                    picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            }
            widget = label;
            break;
        }
        case ControlKind::StaticBitmap: {
            auto* label = new PictureLabel(
                [control, loadImage] { return PictureOf(control, loadImage); }, parent);
            const QPixmap picture = PictureOf(control, loadImage);
            if (!picture.isNull()) {
                label->setPixmap(picture);
                // Sized to the bitmap, in layout pixels (a high-density picture is not larger).
                geometry.setSize(picture.deviceIndependentSize().toSize());
            }
            widget = label;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(parent);
            edit->setFrame(true);
            widget = edit;
            break;
        }
        case ControlKind::ListBox:
            widget = new ChoiceListWidget(parent);
            break;
        case ControlKind::ListView:
            widget = new ReportViewWidget(parent);
            break;
        case ControlKind::TabControl:
            widget = new TabControlWidget(parent);
            break;
        case ControlKind::Slider:
            widget = new SliderWidget(parent);
            break;
    }
    if (IsStatic(control.kind)) {
        widget->setFocusPolicy(Qt::NoFocus);
        // Static controls never take the mouse: a click goes to whatever lies below them, such
        // as a tab under the banner or a slider's end under its label.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    } else {
        widget->setFocusPolicy(Qt::StrongFocus);
    }
    if (ShowsNoCaption(control.kind) && !caption.isEmpty()) {
        widget->setAccessibleName(StripMnemonics(caption));
    }
    widget->setGeometry(geometry);
    widget->setEnabled((control.style & kDisabled) == 0);
    widget->setVisible((control.style & kVisible) != 0);
    return widget;
}

}  // namespace marlix
