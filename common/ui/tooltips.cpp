#include "common/ui/tooltips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QProxyStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

#include "common/data/message.h"
#include "common/ui/formbinding.h"
#include "common/ui/language.h"

namespace fb::ui {
namespace {

// Qt takes the tooltip delays from style hints. With the fall-asleep time at zero Qt waits
// the wake-up delay again for every new tool, so the initial and the reshow delay are the
// same setting here.
class TipDelayStyle : public QProxyStyle {
public:
    explicit TipDelayStyle(int wakeUpMs) : m_wakeUpMs(wakeUpMs) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return m_wakeUpMs;
        if (hint == SH_ToolTip_FallAsleepDelay) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    int m_wakeUpMs;
};

}  // namespace

TooltipControl::TooltipControl(QObject* parent, const TooltipSettings& settings)
    : QObject(parent), m_settings(settings) {
    if (!dynamic_cast<TipDelayStyle*>(QApplication::style()))
        QApplication::setStyle(new TipDelayStyle(settings.initialMs));
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, settings.background);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Window, settings.background);
    palette.setColor(QPalette::WindowText, Qt::black);
    QToolTip::setPalette(palette);
}

void TooltipControl::setTip(QWidget* tool, const QString& text) {
    m_texts[tool] = text;  // the Russian text, as the program set it
    show(tool);
}

void TooltipControl::setNotFinite(QWidget* tool, bool notFinite) {
    if (notFinite == m_notFinite.contains(tool)) return;
    if (notFinite)
        m_notFinite.insert(tool);
    else
        m_notFinite.remove(tool);
    if (notFinite || m_texts.contains(tool))
        show(tool);
    else
        tool->setToolTip(QString());
}

void TooltipControl::show(QWidget* tool) {
    const QString text =
        m_notFinite.contains(tool) ? QString::fromStdString(NotFiniteWarning().text) : m_texts.value(tool);
    tool->setToolTip(Layout(Translated(text), m_settings.maxWidth, QToolTip::font()));
    tool->setToolTipDuration(m_settings.shownMs);
}

QString TooltipControl::tip(const QWidget* tool) const { return m_texts.value(tool); }

QString TooltipControl::Layout(const QString& text, int maxWidth, const QFont& font) {
    const QFontMetrics fm(font);
    const int padding = 8;  // the tooltip window's frame and margins
    bool fits = true;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (fm.horizontalAdvance(line) + padding > maxWidth) fits = false;
    if (fits && !Qt::mightBeRichText(text)) return text;
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    const int width = fits ? -1 : maxWidth - padding;
    if (width < 0) return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(html);
    return QStringLiteral("<table width=%1 cellspacing=0 cellpadding=0><tr><td>%2</td></tr></table>")
        .arg(width)
        .arg(html);
}

void MarkResult(QWidget* result, const std::string& text, TooltipControl* tips) {
    const bool notFinite = !ResultValid(text);
    if (tips) tips->setNotFinite(result, notFinite);
    if (notFinite == result->property("notFinite").toBool()) return;
    result->setProperty("notFinite", notFinite);
    if (!notFinite) {
        result->setPalette(QPalette());  // inherits its parent's again
        return;
    }
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, kNotFiniteColour);  // labels
    palette.setColor(QPalette::Text, kNotFiniteColour);        // text fields
    result->setPalette(palette);
}

void SetControlTips(TooltipControl& tips, const QWidget* window, const ControlTip* first, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        tips.setTip(FindControl(window, first[i].id), QString::fromUtf8(first[i].text));
}

}  // namespace fb::ui
