#include "tests/boostcoil/ui/bcuitest.h"

#include <QApplication>

#include "tests/support/modal.h"

namespace bctest {
namespace {

const std::string kCores = std::string(fbtest::kTestECores) +
                           "[E 36/18/11]\nAe = 116.9\nAn = 192,5\nle = 81.38\nmu = 1671\n\n"
                           "[EI 25]\nAe = 40.99\nAn = 79.04\nle = 46.85\nmu = 1580\n\n"
                           "[EI 30]\nAe = 111\nAn = 75.56\nle = 58.1\nmu = 1617\nk1 = 160\nk2 = -0.7\n\n"
                           "[ER 28]\nAe = 81.01\nAn = 113.3\nle = 62.63\nmu = 1629\n\n";

}  // namespace

std::string MaterialWithoutTable() {
    return Crlf(
        "Bmax = 0.3\nBmmax = 0.2\nmu = 2000\n[Flux density]\nB1 = 50\nB2 = 100\n"
        "[Frequencies]\nF1 = 100\n[F_100]\nB_50 = 10\nB_100 = 60\n");
}

DataRoot::DataRoot() : WindowDataRoot("Boostcoil", kCores) {}

void OnNextModal(std::function<void(QDialog*)> act) {
    fbtest::WhenModal(
        qApp,
        [act](QDialog& dialog) {
            act(&dialog);
            if (dialog.isVisible()) dialog.reject();
        },
        fbtest::Modal::MayOpen);
}

QString WindowTest::text(int id) const {
    if (std::optional<QString> shown = fbtest::ShownText(window.get(), id)) return *shown;
    return window->controlText(id);  // the information field, which is no edit or label
}

}  // namespace bctest
