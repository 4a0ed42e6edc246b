#include "common/ui/tooltips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QProxyStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

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
    if (!dynamic_cast<TipDelayStyle*>(QApplication::style())) QApplication::setStyle(new TipDelayStyle(settings.initialMs));
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, settings.background);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Window, settings.background);
    palette.setColor(QPalette::WindowText, Qt::black);
    QToolTip::setPalette(palette);
}

void TooltipControl::setTip(QWidget* tool, const QString& text) {
    m_texts[tool] = text;  // the Russian text, as the program set it
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

void SetControlTips(TooltipControl& tips, const QWidget* window, const ControlTip* first, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        tips.setTip(FindControl(window, first[i].id), QString::fromUtf8(first[i].text));
}

}  // namespace fb::ui
