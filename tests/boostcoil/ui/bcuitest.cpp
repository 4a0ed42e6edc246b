#include "tests/boostcoil/ui/bcuitest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>

namespace bctest {

std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

namespace {

const char* const kCores =
    "[E 20/10/6]\nAe = 32.04\nAn = 62.64\nle = 46.37\nmu = 1578\n\n"
    "[E 25/13/7]\nAe = 51.84\nAn = 95.32\nle = 57.76\nmu = 1616\n\n"
    "[E 30/15/7]\nAe = 60.05\nAn = 129\nle = 65.57\nmu = 1637\n\n"
    "[E 32/16/9]\nAe = 83.16\nAn = 161\nle = 74.32\nmu = 1657\n\n"
    "[E 36/18/11]\nAe = 116.9\nAn = 192,5\nle = 81.38\nmu = 1671\n\n"
    "[EI 25]\nAe = 40.99\nAn = 79.04\nle = 46.85\nmu = 1580\n\n"
    "[EI 30]\nAe = 111\nAn = 75.56\nle = 58.1\nmu = 1617\nk1 = 160\nk2 = -0.7\n\n"
    "[ER 28]\nAe = 81.01\nAn = 113.3\nle = 62.63\nmu = 1629\n\n";

std::string Material(const std::string& value) {
    // N87-like losses, mW/cm³; the two test materials differ in one loss value.
    return "Bmax = 0.31\nBmmax = 0.19\nmu = 2200\n\n"
           "[Flux density]\nB1 = 50\nB2 = 100\nB3 = 200\n\n"
           "[Frequencies]\nF1 = 25\nF2 = 50\nF3 = 100\nF4 = 200\nF5 = 300\n\n"
           "[F_25]\nB_50 = 1.216\nB_100 = 7.556\nB_200 = 59.74\n\n"
           "[F_50]\nB_50 = 2.736\nB_100 = 17.66\nB_200 = 143\n\n"
           "[F_100]\nB_50 = " + value + "\nB_100 = 53.2\nB_200 = 381.2\n\n"
           "[F_200]\nB_50 = 28.95\nB_100 = 171\nB_200 = 1152\n\n"
           "[F_300]\nB_50 = 70.91\nB_100 = 383.1\nB_200 = 2311\n";
}

std::string Wires() {
    const char* d[] = {"0.05", "0.063", "0.08", "0.1", "0.125", "0.16", "0.2", "0.25", "0.28", "0.3",
                       "0.355", "0.4", "0.45", "0.5", "0.56", "0.63", "0.71", "0.8", "0.9", "1"};
    std::string out;
    for (int i = 0; i < 20; ++i) {
        const std::string n = std::to_string(i + 1);
        out += "d" + n + " = " + d[i] + "\ndiz" + n + " = " + d[i] + "5\n";
    }
    return out;
}

}  // namespace

std::string MaterialWithoutTable() {
    return Crlf("Bmax = 0.3\nBmmax = 0.2\nmu = 2000\n[Flux density]\nB1 = 50\nB2 = 100\n"
                "[Frequencies]\nF1 = 100\n[F_100]\nB_50 = 10\nB_100 = 60\n");
}

DataRoot::DataRoot() {
    m_dir.write("Wire.txt", Crlf(Wires()));
    m_dir.write("Bases_Cores/FerritesCores.txt", Crlf(kCores));
    m_dir.write("Ferrites_Materials/N87 Epcos.txt", Crlf(Material("7.639")));
    m_dir.write("Ferrites_Materials/N97 Epcos.txt", Crlf(Material("5.5")));
    m_dir.write("Boostcoil/ReadMe.txt", Crlf("Help text\n"));
}

void DataRoot::remove(const std::string& rel) const { std::filesystem::remove_all(m_dir.file(rel)); }

CurrentFolder::CurrentFolder(const std::string& folder) : m_previous(QDir::currentPath()) {
    std::filesystem::create_directories(folder);
    QDir::setCurrent(QString::fromStdString(folder));
}

CurrentFolder::~CurrentFolder() { QDir::setCurrent(m_previous); }

void OnNextModal(std::function<void(QDialog*)> act) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*ticks > 1000) timer->deleteLater();  // no dialog came: the test's checks tell
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    timer->start(5);
}

QString WindowTest::text(int id) const {
    QWidget* w = fb::ui::FindControl(window.get(), id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return window->controlText(id);
}

void WindowTest::type(int id, const QString& s) {
    auto* edit = Ctl<QLineEdit>(window.get(), id);
    edit->clear();
    QTest::keyClicks(edit, s);
}

void WindowTest::click(int id) { Ctl<QAbstractButton>(window.get(), id)->click(); }

}  // namespace bctest
