#pragma once
// The "Проверка" list of a main window: the checks of the last calculation, errors first, each
// with a mark in the colour of its severity; the full text shows as the item's tooltip, since
// the list is kept a few rows high to leave the form within a small laptop screen.
#include <QColor>
#include <QTreeWidget>

#include "common/analysis/designchecks.h"

namespace fb::ui {

class CChecksPanel : public QTreeWidget {
    Q_OBJECT
public:
    explicit CChecksPanel(QWidget* parent = nullptr, int rows = 4);

    // Replaces the list; an empty list shows one line saying there is nothing to note.
    void SetChecks(const Checks& checks);

    static QColor SeverityColor(Severity s);
    static QString SeverityCaption(Severity s);  // "Ошибка", "Предупреждение", "Примечание"
};

constexpr const char* kNoFindings = "Замечаний нет";

}  // namespace fb::ui
