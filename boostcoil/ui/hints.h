#pragma once
// The schematic window: the reference circuit of the corrector stage and an "ОК" button.
#include <QDialog>

class QLabel;

namespace fb {

class CHints : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 516;
    static constexpr int kPictureHeight = 224;

    explicit CHints(QWidget* parent = nullptr);
    QLabel* picture() const { return m_picture; }

private:
    QLabel* m_picture;
};

}  // namespace fb
