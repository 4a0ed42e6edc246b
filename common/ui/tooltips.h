#pragma once
// The tooltip control of a main window: one set of delays, width and colour for every tip,
// and the plain texts of the tools so a calculation can replace them and a test read them.
#include <QColor>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <cstddef>
#include <vector>

#include "common/files/fieldcatalogue.h"

class QFont;
class QWidget;

namespace fb::ui {

struct TooltipSettings {
    int shownMs = 30000;  // how long a tip stays shown
    int initialMs = 100;  // delay before a tip shows
    int reshowMs = 100;   // delay when moving from one tool to the next
    int maxWidth = 350;   // pixels; longer lines wrap, "\n" starts a new line
    QColor background = QColor(255, 240, 160);
};

class TooltipControl : public QObject {
    Q_OBJECT
public:
    // Applies the delays and the colour to the application (tips are drawn by Qt's one
    // tooltip window, so these settings cannot be per window).
    explicit TooltipControl(QObject* parent, const TooltipSettings& settings = {});

    // Registers a tool or replaces its text.
    void setTip(QWidget* tool, const QString& text);
    QString tip(const QWidget* tool) const;
    // While a tool is marked not finite it shows the one not-finite message instead of its
    // text (which it keeps, and shows again when the mark goes).
    void setNotFinite(QWidget* tool, bool notFinite);
    const TooltipSettings& settings() const { return m_settings; }

    // The text as the tooltip window gets it: plain when it fits the width, otherwise a
    // block of the maximum width in which the lines wrap.
    static QString Layout(const QString& text, int maxWidth, const QFont& font);

private:
    void show(QWidget* tool);

    TooltipSettings m_settings;
    QHash<const QWidget*, QString> m_texts;
    QSet<const QWidget*> m_notFinite;
};

// The one way every window shows a result: `text` as the design formatted it, and while the
// result is not valid (ResultValid: it reads "inf", "nan") the text in kNotFiniteColour with the
// one not-finite message as its tooltip. The widget's property "notFinite" says which.
inline const QColor kNotFiniteColour = QColor(192, 0, 0);
void MarkResult(QWidget* result, const std::string& text, TooltipControl* tips);

// A window's fixed tip on one of its controls, by the control's ID.
using ControlTip = fb::ControlTip;

// Registers each tip on the control of `window` with its ID; a missing control throws.
void SetControlTips(TooltipControl& tips, const QWidget* window, const ControlTip* first, std::size_t count);
template <std::size_t N>
void SetControlTips(TooltipControl& tips, const QWidget* window, const ControlTip (&list)[N]) {
    SetControlTips(tips, window, list, N);
}
inline void SetControlTips(TooltipControl& tips, const QWidget* window, const std::vector<ControlTip>& list) {
    SetControlTips(tips, window, list.data(), list.size());
}

}  // namespace fb::ui
