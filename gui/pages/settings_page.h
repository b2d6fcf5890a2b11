// What the five settings pages share: a template, the page's field struct, and the binding
// between the two. A page's fields exist before its window does (the profile store and the
// export read them); showFields and readFields do nothing until the window is built.
#pragma once

#include "core/pages/page_fields.h"
#include "gui/layout/setting_binding.h"
#include "gui/layout/template_dialog.h"

namespace marlix {

template <class Fields>
class SettingsPage : public TemplateDialog, public Fields {
public:
    using FieldsType = Fields;
    using TemplateDialog::TemplateDialog;

    // The fields into the widgets; false before the window is built.
    bool showFields() {
        if (!isBuilt())
            return false;
        ShowSettings(*this, static_cast<const Fields&>(*this));
        return true;
    }
    // The widgets into the fields; false before the window is built.
    bool readFields() {
        if (!isBuilt())
            return false;
        ReadSettings(*this, static_cast<Fields&>(*this));
        return true;
    }

protected:
    bool initialize() override {
        showFields();
        return true;
    }
};

}  // namespace marlix
