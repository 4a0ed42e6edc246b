// The Boostcoil window's captions and size, its menu windows (schematic, help, about) and the
// reference circuit drawing.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>

#include "boostcoil/ui/hints.h"
#include "boostcoil/ui/pictures.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

class WindowsTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        messages.clear();
    }
    QAction* menu(int id) const { return window->menuBar()->findChild<QAction*>(fb::ui::ControlName(id)); }
    bool hasLabel(const QString& caption) const {
        for (QLabel* l : window->findChildren<QLabel*>())
            if (l->text() == caption) return true;
        return false;
    }
};

TEST_F(WindowsTest, CaptionsAreWrittenExactly) {
    EXPECT_EQ(window->windowTitle(), "Boostcoil - Расчет дросселя для корректора коэффициента мощности (Версия 2.0)");
    QStringList groups;
    for (QGroupBox* g : window->findChildren<QGroupBox*>()) groups << g->title();
    for (const char* title : {"Исходные данные", "Сердечник", "Дроссель", "Напряжение питания"})
        EXPECT_TRUE(groups.contains(QString::fromUtf8(title))) << title;
    EXPECT_EQ(groups.count("Сердечник"), 2);  // the core results and the core choice
    for (const char* caption : {"Напряжение питания (мин.,  макс.), В", "Размах пульсации тока в дросселе, %",
                                "Выходные характеристики:", "Диаметр провода (желаемый), мм",
                                "Дополнительная информация:", " мин.        макс.", "Амплитуда индукции", "(не более ",
                                "Т)", "Коэф. заполнения импульса", "Действующий ток (RMS) в выходной емкости (макс.)",
                                "Емкость выходного конденсатора, не менее"})
        EXPECT_TRUE(hasLabel(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(Ctl<QRadioButton>(window.get(), 1136)->text(), "Величина немагнитного зазора, мм");
    EXPECT_EQ(Ctl<QRadioButton>(window.get(), 1139)->text(), "Индуктивность сердечника (AL), нГн/виток^2");
    const std::pair<int, const char*> buttons[] = {
        {5, "Сохранить"}, {6, "Загрузить"}, {1, "Рассчитать"}, {2, "Выход"}, {8, "Добавить сердечник в базу"}};
    for (const auto& [id, caption] : buttons)
        EXPECT_EQ(Ctl<QPushButton>(window.get(), id)->text(), QString::fromUtf8(caption)) << id;
    EXPECT_TRUE(Ctl<QPushButton>(window.get(), 1)->isDefault());
    EXPECT_EQ(menu(32772)->text(), "Типовая схема корректора коэффициента мощности");
    EXPECT_EQ(menu(57670)->text(), "Помощь");
    EXPECT_EQ(menu(57664)->text(), "О программе...");
    EXPECT_TRUE(Ctl<QPlainTextEdit>(window.get(), 1051)->isReadOnly());
}

TEST_F(WindowsTest, FitsASmallLaptopScreen) {
    window->show();
    QApplication::processEvents();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    EXPECT_LE(size.width(), 1366);
    EXPECT_LE(size.height(), 768 - 40);  // a task bar below it
    // The information field shows its seven lines without scrolling.
    auto* info = Ctl<QPlainTextEdit>(window.get(), 1051);
    EXPECT_FALSE(info->verticalScrollBar()->isVisible());
    window->hide();
}

TEST_F(WindowsTest, SchematicWindowFromTheMenu) {
    QString title, ok;
    QSize picture;
    OnNextModal([&](QDialog* d) {
        title = d->windowTitle();
        if (auto* hints = qobject_cast<fb::CHints*>(d)) picture = hints->picture()->pixmap().size();
        auto* button = Ctl<QPushButton>(d, 1);
        ok = button->text();
        button->click();
    });
    menu(32772)->trigger();
    EXPECT_EQ(title, "Типовая схема корректора коэффициента мощности");
    EXPECT_EQ(picture, QSize(516, 224));
    EXPECT_EQ(ok, "ОК");  // Cyrillic letters
}

TEST(Schematic, DrawingCarriesEveryLabelOfTheCircuit) {
    QFile svg(fb::SchematicPicturePath());
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString drawing = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(drawing.contains("width=\"516\" height=\"224\""));
    QStringList labels;
    const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (auto it = text.globalMatch(drawing); it.hasNext();) labels << it.next().captured(1);
    for (const char* label : {"Uin", "VDS1", "Cin", "L", "VT", "Контроллер", "VD2", "VD1", "+Cout", "Uout", "COM"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(label))) << label;
    // The drawing renders to a picture that is not blank.
    fb::CHints hints;
    const QImage image = hints.picture()->pixmap().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    EXPECT_GT(dark, 500);
}

TEST_F(WindowsTest, HelpShowsTheFileOrThisProgramsMessage) {
    data.write("Boostcoil/ReadMe.txt", Crlf("Boostcoil help\nline 2\n"));
    QString shown;
    OnNextModal([&](QDialog* d) {
        shown = Ctl<QPlainTextEdit>(d, 1007)->toPlainText();
        d->accept();
    });
    menu(57670)->trigger();
    EXPECT_EQ(shown, "Boostcoil help\nline 2\n");

    data.remove("Boostcoil/ReadMe.txt");
    menu(57670)->trigger();
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].caption, "Ошибка!");
    EXPECT_EQ(messages.texts()[0], "В папке с программой отсутствует файл \"ReadMe.txt\".\nПомощь не загружена");
}

TEST_F(WindowsTest, AboutBoxShowsThisProgram) {
    QStringList texts;
    OnNextModal([&](QDialog* d) {
        texts << d->windowTitle();
        for (const char* name : {"description", "version", "date"})
            texts << d->findChild<QLabel*>(QString::fromLatin1(name))->text();
        d->accept();
    });
    menu(57664)->trigger();
    EXPECT_EQ(texts, QStringList({"О программе", "Boostcoil - Расчет дросселя для корректора коэффициента мощности",
                                  "Версия 2.0", "19.04.2015"}));
}

}  // namespace
}  // namespace bctest
