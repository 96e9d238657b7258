#pragma once
// Helpers for tests that drive real windows on the offscreen platform.

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "toolkit/win_control.h"

// Everything painted, every posted event handled.
inline void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The client area of a windowed control as the screen shows it.
inline QImage Grab(const TWinControl& control) {
    return control.ClientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline TColor PixelAt(const QImage& image, int x, int y) {
    QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Moves the mouse within a windowed control, as a user would (no button).
inline void MoveMouse(TWinControl& control, int x, int y) {
    QTest::mouseMove(control.ClientWidget(), QPoint(x, y));
    Settle();
}

inline void ClickAt(TWinControl& control, int x, int y) {
    QTest::mouseClick(control.ClientWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    Settle();
}

// Parks the cursor far from every window.
inline void ParkCursor() { QCursor::setPos(1270, 1010); }
