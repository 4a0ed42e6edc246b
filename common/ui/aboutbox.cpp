#include "common/ui/aboutbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/dialogunits.h"

namespace fb::ui {

CAboutDlg::CAboutDlg(const AboutConfig& config, QWidget* parent) : QDialog(parent) {
    setWindowTitle(config.title);
    auto* icon = new QLabel(this);
    icon->setPixmap(config.icon.pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* description = new QLabel(config.description, this);
    description->setWordWrap(true);
    description->setObjectName(QStringLiteral("description"));
    auto* version = new QLabel(config.version, this);
    version->setObjectName(QStringLiteral("version"));
    auto* date = new QLabel(config.date, this);
    date->setObjectName(QStringLiteral("date"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);  // Latin letters
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(description);
    texts->addWidget(version);
    texts->addWidget(date);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    setFixedSize(DialogUnitsToPixels(this, config.widthDu, config.heightDu).expandedTo(minimumSizeHint()));
}

void ShowAbout(QWidget* parent, const AboutConfig& config) {
    CAboutDlg dialog(config, parent);
    dialog.exec();
}

}  // namespace fb::ui
