// Maximising and restoring the main window, and sizes that the window
// manager may hand it otherwise, seen through the window's state.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include <vector>

namespace {

const QSize kClientSize(625, 770);
const QRect kControlArea(QPoint(0, 0), kClientSize);

std::vector<QRect> placesOfAllControls() {
    std::vector<QRect> places;
    for (int number = gadget::kResultText; number <= gadget::kLastTickBox; ++number)
        places.push_back(widgetOf(number)->geometry());
    return places;
}

class WindowTest : public MainWindowTest {
  protected:
    QWidget* window() { return ui::windowWidget(gadget::kMainWindow); }
};

TEST_F(WindowTest, MaximisingKeepsEveryControlAndRestoringGivesBackTheSize) {
    ui::setHidden(gadget::tickBox(0, 1), 0);
    ui::setText(gadget::kCountLabel, u"Words: 3");
    ui::setText(gadget::kResultText, u"CRANE   SLATE   TRACE   ");
    const std::vector<QRect> places = placesOfAllControls();
    const QImage controls = window()->grab(kControlArea).toImage();
    // Nothing in the way of the maximise box: a maximum size equal to the
    // minimum makes the window manager grey it out.
    EXPECT_TRUE(window()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_GT(window()->maximumSize().width(), kClientSize.width());
    EXPECT_GT(window()->maximumSize().height(), kClientSize.height());

    window()->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window()->size() != kClientSize; }));
    EXPECT_TRUE(window()->isMaximized());
    EXPECT_GT(window()->width(), kClientSize.width());
    EXPECT_GE(window()->height(), kClientSize.height());
    EXPECT_EQ(placesOfAllControls(), places);
    EXPECT_TRUE(window()->grab(kControlArea).toImage() == controls);

    window()->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window()->isMaximized(); }));
    QApplication::processEvents();
    EXPECT_EQ(window()->size(), kClientSize);
    EXPECT_EQ(placesOfAllControls(), places);
}

// A drag on the border that the window manager draws for a window that can
// be maximised reaches the window as a new size; it is taken back.
TEST_F(WindowTest, AnyOtherSizeIsTakenBackUnlessMaximised) {
    for (const QSize size : {QSize(800, 900), QSize(700, 770), QSize(625, 800)}) {
        window()->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window()->size() == kClientSize; }))
            << size.width() << "x" << size.height();
    }
    window()->resize(500, 500);
    EXPECT_EQ(window()->size(), kClientSize); // never smaller than the client area
}

} // namespace
