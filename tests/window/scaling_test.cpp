// SPDX-License-Identifier: MIT
#include <QImage>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStringList>
#include <QtTest>
#include <cmath>
#include <memory>

#include "window_driver.h"

// The window is whole at the scale factor the test runs under
// (QT_SCALE_FACTOR): the text area fills the client area and the bottom row
// of its frame, under the text and under the scroll bar, is on screen.
class ScalingTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { driver = std::make_unique<WindowDriver>(); }
    void cleanup() { driver.reset(); }

    void textAreaKeepsItsPlaceAndSize();
    void bottomBorderIsDrawn();

  private:
    int statusBarHeight() const { return driver->window().statusBar()->height(); }

    std::unique_ptr<WindowDriver> driver;
};

void ScalingTest::textAreaKeepsItsPlaceAndSize() {
    driver->settle();
    const QPlainTextEdit* note = driver->note();
    QCOMPARE(note->geometry(), QRect(0, 0, 513, 345));
    QCOMPARE(driver->window().centralWidget()->size(), QSize(512, 345));
    // On a whole device pixel, so that rounding takes nothing off its edges.
    const qreal scale = driver->window().devicePixelRatioF();
    const qreal top = note->mapTo(&driver->window(), QPoint(0, 0)).y() * scale;
    QCOMPARE(top, std::round(top));
    // The menu bar gets there by growing to the next multiple of 4, never by
    // losing part of its height; the window keeps its layout's size.
    const QMenuBar* menu = driver->window().menuBar();
    QCOMPARE(menu->height() % 4, 0);
    QVERIFY(menu->height() >= menu->sizeHint().height());
    QVERIFY(menu->height() < menu->sizeHint().height() + 4);
    QCOMPARE(driver->window().size(), QSize(512, menu->height() + 345 + statusBarHeight()));
}

void ScalingTest::bottomBorderIsDrawn() {
    driver->settle();
    Form1& window = driver->window();
    const QImage image = window.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QPlainTextEdit* note = driver->note();
    const int bottom = note->mapTo(&window, QPoint(0, note->height())).y();
    // The device rows of the text area's last pixel, one of which holds its frame.
    const int firstRow = static_cast<int>(std::floor((bottom - 1) * scale));
    const int endRow = static_cast<int>(std::ceil(bottom * scale));
    const QColor base = note->viewport()->palette().color(QPalette::Base);
    const QColor background = window.palette().color(QPalette::Window);
    for (int x : {20, 250, 480, 505}) {
        bool framed = false;
        QStringList seen;
        for (int row = firstRow; row < endRow; ++row) {
            const QColor colour = image.pixelColor(static_cast<int>(x * scale), row);
            framed = framed || (colour != base && colour != background);
            seen << colour.name();
        }
        QVERIFY2(framed, qPrintable(QString("at scale %1, x %2, rows %3 to %4: %5, no frame")
                                        .arg(scale)
                                        .arg(x)
                                        .arg(firstRow)
                                        .arg(endRow - 1)
                                        .arg(seen.join(' '))));
    }
}

QTEST_MAIN(ScalingTest)
#include "scaling_test.moc"
