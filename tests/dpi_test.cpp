// Run on a 120-DPI screen: the window and its gadgets keep the same pixel
// positions and sizes as on a 96-DPI screen. The toolkit itself starts Qt
// here, as the program does.
#include "app/gadget_numbers.h"
#include "app/main_window.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

TEST(HighDpiScreen, GeometryIsInUnscaledPixels) {
    ui::initToolkit();
    ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 120);
    ASSERT_NE(openMainWindow(), 0);
    createMainWindowControls();
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    EXPECT_EQ(window->devicePixelRatioF(), 1.0);
    EXPECT_EQ(window->size(), QSize(625, 770));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(20, 20));
    EXPECT_EQ(ui::gadgetWidget(gadget::letterList(25))->geometry(), QRect(40, 725, 150, 21));
    EXPECT_EQ(ui::gadgetWidget(gadget::tickBox(25, 5))->geometry(), QRect(300, 725, 25, 21));
    EXPECT_EQ(ui::gadgetWidget(gadget::kResultText)->geometry(), QRect(325, 50, 280, 700));
    ui::closeToolkit();
}
