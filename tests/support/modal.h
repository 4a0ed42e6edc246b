#pragma once
// The one way the window tests act on a modal dialog a window opens with exec(): the action
// runs from the dialog's own event loop once it is the active modal widget (looked for every
// 5 ms). A dialog still open five seconds after the action is closed with code 99, so a dialog
// that fails to close fails its test instead of hanging it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace fbtest {

enum class Modal {
    MustOpen,  // no dialog within five seconds is a failure of the test
    MayOpen,   // the test's own checks tell whether one should have opened
};

// `context` bounds the timers' life (the test's window): nothing fires into a later test.
inline void WhenModal(QObject* context, std::function<void(QDialog&)> act, Modal expect = Modal::MustOpen) {
    auto* poll = new QTimer(context);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, ticks, act, expect] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*ticks <= 1000) return;
            poll->deleteLater();
            if (expect == Modal::MustOpen) ADD_FAILURE() << "no modal dialog is open";
            return;
        }
        poll->stop();
        poll->deleteLater();
        QPointer<QDialog> open(dialog);
        QTimer::singleShot(5000, dialog, [open] {
            if (open && open->isVisible()) open->done(99);
        });
        act(*dialog);
    });
    poll->start(5);
}

}  // namespace fbtest
