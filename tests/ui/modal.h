#pragma once
// Acting on a modal dialog a window opens with exec(): the action runs from the dialog's own
// event loop once it is the active modal widget. A dialog still open after five seconds is
// closed with code 99, so a dialog that fails to close fails its test instead of hanging it.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace fbtest {

// `context` bounds the timers' life (the test's window): nothing fires into a later test.
inline void WhenModal(QObject* context, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, context, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no modal dialog is open";
        act(*dialog);
    });
    QTimer::singleShot(5000, context, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(99);
    });
}

}  // namespace fbtest
