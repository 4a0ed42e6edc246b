#pragma once
// A main window over its program's inputs: the form bound to them both ways by the rows of the
// program's field catalogue that have a control.
#include <string>

#include "common/files/fieldcatalogue.h"
#include "common/ui/designwindow.h"
#include "common/ui/formbinding.h"

namespace fb::ui {

template <class Input>
class DesignWindowOf : public DesignWindow {
public:
    const Input& input() const { return m_in; }
    void FormToFields() override { m_binding.toFields(m_in); }
    void FieldsToForm() override { m_binding.toForm(m_in); }

protected:
    using DesignWindow::DesignWindow;
    // Once the form is built: its controls bound to the catalogue's rows.
    void BindForm(const InputCatalogue<Input>& catalogue) {
        m_binding = FormBinding<Input>(this, FormFieldsOf(catalogue));
    }
    std::string& InputMaterial() override { return m_in.mater; }

    Input m_in;
    FormBinding<Input> m_binding;
};

}  // namespace fb::ui
