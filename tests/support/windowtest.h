#pragma once
// What the window tests of both programs share: a small data root of the test's own in a
// temporary folder, the current folder set to its program folder, controls found by ID, and a
// fixture that starts a window with a message recorder in place of the message boxes.
#include <sys/resource.h>
#include <unistd.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>
#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/ui/formbinding.h"
#include "common/ui/messageseam.h"
#include "support/tempdir.h"

namespace fbtest {

// Windows-1251 text with CR LF from lines written with "\n" (ASCII content).
inline std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The four E cores both window tests' data roots list first.
inline const char* const kTestECores =
    "[E 20/10/6]\nAe = 32.04\nAn = 62.64\nle = 46.37\nmu = 1578\n\n"
    "[E 25/13/7]\nAe = 51.84\nAn = 95.32\nle = 57.76\nmu = 1616\n\n"
    "[E 30/15/7]\nAe = 60.05\nAn = 129\nle = 65.57\nmu = 1637\n\n"
    "[E 32/16/9]\nAe = 83.16\nAn = 161\nle = 74.32\nmu = 1657\n\n";

// N87-like losses, mW/cm³, with `loss` at 100 kHz and 50 mT: the test materials differ there.
inline std::string TestMaterial(const std::string& loss) {
    return "Bmax = 0.31\nBmmax = 0.19\nmu = 2200\n\n"
           "[Flux density]\nB1 = 50\nB2 = 100\nB3 = 200\n\n"
           "[Frequencies]\nF1 = 25\nF2 = 50\nF3 = 100\nF4 = 200\nF5 = 300\n\n"
           "[F_25]\nB_50 = 1.216\nB_100 = 7.556\nB_200 = 59.74\n\n"
           "[F_50]\nB_50 = 2.736\nB_100 = 17.66\nB_200 = 143\n\n"
           "[F_100]\nB_50 = " +
           loss +
           "\nB_100 = 53.2\nB_200 = 381.2\n\n"
           "[F_200]\nB_50 = 28.95\nB_100 = 171\nB_200 = 1152\n\n"
           "[F_300]\nB_50 = 70.91\nB_100 = 383.1\nB_200 = 2311\n";
}

// Twenty wire diameters, each insulated 0.005 mm thicker.
inline std::string TestWires() {
    const char* d[] = {"0.05",  "0.063", "0.08", "0.1", "0.125", "0.16", "0.2",  "0.25", "0.28", "0.3",
                       "0.355", "0.4",   "0.45", "0.5", "0.56",  "0.63", "0.71", "0.8",  "0.9",  "1"};
    std::string out;
    for (int i = 0; i < 20; ++i) {
        const std::string n = std::to_string(i + 1);
        out += "d" + n + " = " + d[i] + "\ndiz" + n + " = " + d[i] + "5\n";
    }
    return out;
}

// A data root with the wire table, the core base `cores`, the materials "N87 Epcos" and
// "N97 Epcos" (loss table up to 300 kHz) and the help file of the program folder `program`.
class WindowDataRoot {
public:
    WindowDataRoot(const std::string& program, const std::string& cores) : m_program(program) {
        m_dir.write("Wire.txt", Crlf(TestWires()));
        m_dir.write("Bases_Cores/FerritesCores.txt", Crlf(cores));
        m_dir.write("Ferrites_Materials/N87 Epcos.txt", Crlf(TestMaterial("7.639")));
        m_dir.write("Ferrites_Materials/N97 Epcos.txt", Crlf(TestMaterial("5.5")));
        m_dir.write(program + "/ReadMe.txt", Crlf("Help text\n"));
    }
    const TempDir& dir() const { return m_dir; }
    std::string root() const { return m_dir.path() + "/"; }
    std::string programFolder() const { return m_dir.path() + "/" + m_program + "/"; }
    void write(const std::string& rel, const std::string& text) const { m_dir.write(rel, text); }
    void remove(const std::string& rel) const { std::filesystem::remove_all(m_dir.file(rel)); }
    std::string read(const std::string& rel) const { return m_dir.read(rel); }
    bool exists(const std::string& rel) const { return m_dir.exists(rel); }

private:
    TempDir m_dir;
    std::string m_program;
};

// Files of the process stop growing at `bytes` while it lives; the signal is ignored, so a
// write past the limit fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

// Every edit of a numeric row takes numbers only, every other edit any text.
template <class Input>
void ExpectNumbersOnlyWhereNumeric(const QWidget* form, const std::vector<fb::ui::FieldDescriptor<Input>>& rows) {
    int numeric = 0;
    for (const fb::ui::FieldDescriptor<Input>& r : rows) {
        if (r.kind != fb::ui::FieldKind::Edit) continue;
        auto* edit = qobject_cast<QLineEdit*>(fb::ui::FindControl(form, r.id));
        ASSERT_TRUE(edit) << r.key;
        EXPECT_EQ(edit->validator() != nullptr, r.numeric) << r.key;
        numeric += r.numeric;
    }
    EXPECT_GE(numeric, 10);
}

// Enters a folder for the life of a scope.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) : m_previous(QDir::currentPath()) {
        std::filesystem::create_directories(folder);
        QDir::setCurrent(QString::fromStdString(folder));
    }
    ~CurrentFolder() { QDir::setCurrent(m_previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString m_previous;
};

// Finds a control by its ID; a missing one, or one of another type, fails loudly instead of
// crashing later.
template <class W>
W* Ctl(const QWidget* form, int id) {
    W* w = qobject_cast<W*>(fb::ui::FindControl(form, id));
    if (!w) throw std::runtime_error("control " + std::to_string(id) + " has another type");
    return w;
}

// The text an edit, result, label or combo box shows; nothing for other controls.
inline std::optional<QString> ShownText(const QWidget* form, int id) {
    QWidget* w = fb::ui::FindControl(form, id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return std::nullopt;
}

// A window test: data root, current folder, message recorder; start() runs the start-up.
template <class Window, class Data>
class WindowTestOf : public ::testing::Test {
protected:
    WindowTestOf() : m_folder(data.programFolder()), m_seam(&messages) {}
    bool start() {
        window = std::make_unique<Window>();
        return window->Startup();
    }
    // Types into an edit as the user does.
    void type(int id, const QString& s) {
        auto* edit = Ctl<QLineEdit>(window.get(), id);
        edit->clear();
        QTest::keyClicks(edit, s);
    }
    void click(int id) { click(id, *window); }
    void click(int id, QWidget& w) { Ctl<QAbstractButton>(&w, id)->click(); }

    // Every start-up stop that ends the window: removing the program's help file, the wire
    // table or the materials folder from a fresh data root shows its one warning, runs no
    // design and writes no settings file, not even when the stopped window is closed later.
    void ExpectEachFatalStop(const std::string& program, const std::string& settings) {
        struct Case {
            std::string remove;
            std::string message;  // "@" stands for the data root
        };
        const std::vector<Case> cases = {
            {program + "/ReadMe.txt", "В папке с программой отсутствует файл \"ReadMe.txt\".\nДо свидания!"},
            {"Wire.txt", "В папке @ отсутствует файл \"Wire.txt\".\nДо свидания!"},
            {"Ferrites_Materials", "В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.\nДо свидания!"},
        };
        for (Case c : cases) {
            Data fresh;
            if (c.message.find('@') != std::string::npos) c.message.replace(c.message.find('@'), 1, fresh.root());
            CurrentFolder folder(fresh.programFolder());
            fresh.remove(c.remove);
            messages.clear();
            Window w;
            EXPECT_FALSE(w.Startup()) << c.remove;
            ASSERT_EQ(messages.entries().size(), 1u) << c.remove;
            EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
            EXPECT_EQ(messages.entries()[0].text.toStdString(), c.message);
            EXPECT_EQ(w.calculations(), 0);
            w.reject();
            EXPECT_FALSE(fresh.exists(program + "/" + settings)) << c.remove;
        }
    }

    // A settings file that exists but cannot be read (a folder in its place; mode 000 too
    // when the tests do not run as root, whom no mode stops) is named at start-up, and
    // neither a calculation nor closing the window writes over it.
    void ExpectUnreadableSettingsLeftAlone(const std::string& program, const std::string& settings, int calculate) {
        const std::string rel = program + "/" + settings;
        const std::string said = "Не удалось прочитать файл настроек \"" + data.programFolder() + settings +
                                 "\".\nПрограмма работает с исходными данными и не будет записывать этот файл.";
        const std::string mine = Crlf("[INI_DATA]\ncore\t= E 42/21/15\n");
        std::vector<std::string> cases = {"folder"};
        if (::geteuid() != 0) cases.push_back("mode 000");
        for (const std::string& c : cases) {
            data.remove(rel);
            if (c == "folder")
                data.write(rel + "/kept.txt", mine);
            else
                data.write(rel, mine);
            if (c != "folder") std::filesystem::permissions(data.dir().file(rel), std::filesystem::perms::none);
            messages.clear();
            {
                Window w;
                ASSERT_TRUE(w.Startup()) << c;
                click(calculate, w);
                w.reject();
            }
            ASSERT_EQ(messages.entries().size(), 1u) << c;
            EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
            EXPECT_EQ(messages.entries()[0].text.toStdString(), said) << c;
            if (c != "folder") std::filesystem::permissions(data.dir().file(rel), std::filesystem::perms::owner_all);
            EXPECT_EQ(data.read(c == "folder" ? rel + "/kept.txt" : rel), mine) << c;
        }
    }

    // A start-up without a settings file: the folders found, the first design run by the core
    // selection, the default core and "N87 Epcos" shown and loaded.
    void ExpectStartedOnDefaults(int coreCombo, const QString& core, int materialCombo) {
        ASSERT_TRUE(start());
        EXPECT_EQ(window->programFolder(), data.programFolder());
        EXPECT_EQ(window->dataRoot(), data.root());
        EXPECT_EQ(window->calculations(), 1);
        EXPECT_EQ(ShownText(window.get(), coreCombo), core);
        EXPECT_EQ(ShownText(window.get(), materialCombo), QStringLiteral("N87 Epcos"));
        EXPECT_EQ(window->material().name, "N87 Epcos");
    }

    // Without the shipped catalogue the start-up only warns, creates the user core file and
    // runs no design (there is no core).
    void ExpectMissingCatalogueOnlyWarns() {
        data.remove("Bases_Cores/FerritesCores.txt");
        ASSERT_TRUE(start());
        EXPECT_EQ(messages.texts(), QStringList({"В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\""}));
        EXPECT_TRUE(data.exists("Bases_Cores/UserFerritesCores.txt"));
        EXPECT_EQ(window->calculations(), 0);
    }

    // Every input of the form's catalogue rows, written into the started window and read back,
    // comes back as written, and writing the form runs no rule and no design; the edits take
    // only numbers where the catalogue says numeric.
    template <class Input>
    void ExpectFormKeepsEveryField(const fb::InputCatalogue<Input>& catalogue) {
        ASSERT_TRUE(start());
        const std::vector<fb::ui::FieldDescriptor<Input>> rows = fb::ui::FormFieldsOf(catalogue);
        ExpectNumbersOnlyWhereNumeric(window.get(), rows);
        Input in;
        int n = 0;
        for (const auto& f : rows) {
            if (f.text && f.kind == fb::ui::FieldKind::Edit) in.*(f.text) = "1" + std::to_string(++n) + ",5";
            if (f.flag) in.*(f.flag) = (++n) % 2;
        }
        in.core = "E 32/16/9";
        in.mater = "N97 Epcos";
        fb::ui::FormBinding<Input> binding(window.get(), rows);
        binding.toForm(in);
        Input back;
        binding.toFields(back);
        for (const auto& f : rows) {
            if (f.text)
                EXPECT_EQ(back.*(f.text), in.*(f.text)) << f.key;
            else
                EXPECT_EQ(back.*(f.flag), in.*(f.flag)) << f.key;
        }
        EXPECT_EQ(window->calculations(), 1);
    }

    Data data;
    fb::ui::MessageRecorder messages;
    std::unique_ptr<Window> window;

private:
    CurrentFolder m_folder;
    fb::ui::ScopedMessageSeam m_seam;
};

}  // namespace fbtest
