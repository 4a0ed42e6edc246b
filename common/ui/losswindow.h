#pragma once
// "Намотка и потери": the winding build-up, copper and total loss and temperature of the main
// window's last design, with the analysis options and a drawing of the winding window. It is
// not modal and follows every new analysis of its main window; an option changed here is
// written to the program's options file and analyses the design again (the method does not run).
#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace fb::ui {

class CWindingDrawing;
class DesignWindow;

class CLossWindow : public QDialog {
    Q_OBJECT
public:
    // `windingOrder`: the program has windings that can be interleaved (flyback).
    CLossWindow(DesignWindow* owner, bool windingOrder);

    // The options shown into the widgets and the owner's last analysis into the table,
    // figures and drawing.
    void Refresh();

private:
    QWidget* BuildOptions(bool windingOrder);
    QWidget* BuildFigures();
    void ShowOptions();
    void ShowTable();
    void ShowFigures();
    void OnOptionChanged();

    DesignWindow* m_owner;
    QDoubleSpinBox* m_ambient = nullptr;
    QComboBox* m_order = nullptr;
    QDoubleSpinBox* m_tape = nullptr;
    QSpinBox* m_tapeLayers = nullptr;
    QDoubleSpinBox* m_margin = nullptr;
    QDoubleSpinBox* m_riseLimit = nullptr;
    QTableWidget* m_table = nullptr;
    CWindingDrawing* m_drawing = nullptr;
    QLabel* m_notes = nullptr;
    QLabel* m_status = nullptr;  // what the options file could not take or could not keep
    bool m_showing = false;      // options being shown: their signals change nothing
};

}  // namespace fb::ui
