#include "gui/layout/setting_binding.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QSignalBlocker>

namespace marlix {

namespace {

template <class Widget>
Widget* BoundControl(const TemplateDialog& dialog, const ControlTemplate& control) {
    auto* widget = dialog.control<Widget>(control.id);
    if (widget == nullptr)
        DialogFault(dialog.templateId(), "cannot show a setting on control", control.id);
    return widget;
}

QButtonGroup* BoundGroup(const TemplateDialog& dialog, const ControlTemplate& control) {
    QButtonGroup* group = dialog.radioGroup(control.id);
    if (group == nullptr)
        DialogFault(dialog.templateId(), "shows a setting on a radio button that starts no group",
                    control.id);
    return group;
}

}  // namespace

int ShownValue(const TemplateDialog& dialog, const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::RadioButton:
            return BoundGroup(dialog, control)->checkedId();
        case ControlKind::CheckBox:
            return BoundControl<QAbstractButton>(dialog, control)->isChecked() ? 1 : 0;
        case ControlKind::Slider:
            return BoundControl<QAbstractSlider>(dialog, control)->value();
        default:
            DialogFault(dialog.templateId(), "cannot show a setting on control", control.id);
    }
}

void ShowValue(const TemplateDialog& dialog, const ControlTemplate& control, int value) {
    switch (control.kind) {
        case ControlKind::RadioButton: {
            QButtonGroup* group = BoundGroup(dialog, control);
            const QSignalBlocker quiet(group);
            // An exclusive group refuses to uncheck its last checked button, so exclusivity is
            // lifted while the group is written; that lets a value without a button clear it.
            group->setExclusive(false);
            for (QAbstractButton* button : group->buttons())
                button->setChecked(group->id(button) == value);
            group->setExclusive(true);
            break;
        }
        case ControlKind::CheckBox:
            BoundControl<QAbstractButton>(dialog, control)->setChecked(value != 0);
            break;
        case ControlKind::Slider:
            BoundControl<QAbstractSlider>(dialog, control)->setValue(value);
            break;
        default:
            DialogFault(dialog.templateId(), "cannot show a setting on control", control.id);
    }
}

}  // namespace marlix
