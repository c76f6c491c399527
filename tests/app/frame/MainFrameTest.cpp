#include "AppFrameTest.h"

#include "CForm2.h"
#include "CIdentificationArea.h"
#include "CMainFrame.h"
#include "CMySplitterWnd.h"
#include "CNavigationView.h"
#include "PageRegistry.h"

#include "ui/FormPage.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcut>
#include <QSplitterHandle>
#include <QTest>

namespace
{
struct SlotRow {
    int index;
    const char* className;
    int dialog;
};

const SlotRow PageRows[] = {
    { 1, "CForm1", 101 },
    { 2, "CForm2", 308 },
    { 3, "CAdvDashboard", 307 },
    { 4, "CAlarmsView", 285 },
    { 5, "CAlarmStatus", 316 },
    { 6, "CAlarmAnnunciator", 286 },
    { 7, "CAlarmConfig", 317 },
    { 9, "CPressureDisablePage", 1078 },
    { 10, "CCalibrationMain", 251 },
    { 11, "CCalibrationActuatorIntro", 313 },
    { 12, "CCalib_Actuator", 258 },
    { 13, "CCalibrationStroke", 1080 },
    { 14, "CCalibrationAnalogIn", 261 },
    { 15, "CCalibrationAnalogIn1", 275 },
    { 16, "CCalibrationAnalogIn2", 276 },
    { 17, "CCalibrationAnalogIn3", 277 },
    { 18, "CCalibrationAnalogIn4", 278 },
    { 19, "CCalibrationAnalogIn5", 279 },
    { 20, "CDiagnosticsMain", 203 },
    { 21, "CStepTest", 266 },
    { 22, "CStepCompareView", 364 },
    { 23, "CHDRLTest", 270 },
    { 24, "CHDRLCompareView", 1075 },
    { 25, "CDataLogger", 254 },
    { 26, "CTrends", 273 },
    { 28, "CHealthMain", 280 },
    { 29, "CValveHealth", 282 },
    { 30, "CValveHealthToleranceSettings", 309 },
    { 31, "CPositionerHealth", 283 },
    { 32, "CActuatorHealth", 281 },
    { 33, "CControlHealth", 284 },
    { 34, "CPartialStrokeTest", 274 },
    { 35, "CPSTCompare", 368 },
    { 36, "CRampTestCompare", 361 },
    { 37, "CRampTest", 268 },
    { 38, "CConfigMain", 1082 },
    { 39, "CCustCharacterization_Info", 178 },
    { 40, "CCustCharacterization", 1077 },
    { 41, "CCalibrationZeroSupply", 408 },
};

// Presses the handle, drags it by `distance` pixels and lets go.
void drag(QSplitterHandle* handle, int distance)
{
    const bool vertical = handle->orientation() == Qt::Vertical;
    const QPoint from = handle->rect().center();
    const QPoint to = from + (vertical ? QPoint(0, distance) : QPoint(distance, 0));
    auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}
}

TEST_F(AppFrameTest, PageTableHoldsEveryPageOfItsClassCreatedHidden)
{
    startK90();
    int pages = 0;
    for (const SlotRow& row : PageRows) {
        FormPage* page = app().pageTable()[row.index];
        ASSERT_NE(page, nullptr) << row.index;
        EXPECT_EQ(page->className(), QLatin1String(row.className)) << row.index;
        EXPECT_EQ(page->templateId(), row.dialog) << row.index;
        EXPECT_EQ(page->parentWidget(), frame().innerSplitter()->pagePane()) << row.index;
        if (row.index != 3) {
            EXPECT_FALSE(page->isVisible()) << row.className;
        }
        ++pages;
    }
    EXPECT_EQ(pages + 2, 41) << "39 page objects in the table, two panes beside them";
    for (int empty : { 0, 8, 27 })
        EXPECT_EQ(app().pageTable()[empty], nullptr) << empty;
    // The placeholder pane of the start gave up the pane to the dashboard.
    EXPECT_EQ(frame().innerSplitter()->currentPageIndex(), 3);
    EXPECT_TRUE(page("CAdvDashboard").isVisible());
}

TEST_F(AppFrameTest, RowsKeepTheirHeightsAndOnlyTheTreeColumnCanBeDragged)
{
    startK90();
    CMySplitterWnd& columns = *frame().innerSplitter();
    EXPECT_NEAR(columns.sizes().at(0), columns.width() / 4, columns.handleWidth() + 1) << "a quarter of the width";
    const int treeWidth = columns.sizes().at(0);
    frame().showNormal();
    frame().resize(1200, 900);
    frame().OnSize(1200, 900);
    QApplication::processEvents();
    CMySplitterWnd& rows = *frame().outerSplitter();
    ASSERT_EQ(rows.height(), 900);
    EXPECT_EQ(rows.sizes().at(0), 120);
    EXPECT_EQ(rows.sizes().at(1), 680);

    drag(rows.handle(1), 60);
    drag(rows.handle(2), -60);
    EXPECT_EQ(rows.sizes().at(0), 120) << "the row bars are locked";
    EXPECT_EQ(rows.sizes().at(1), 680);
    EXPECT_EQ(rows.handle(1)->cursor().shape(), Qt::ArrowCursor);

    EXPECT_EQ(columns.sizes().at(0), treeWidth) << "a resize leaves the tree column as it is";
    drag(columns.handle(1), 80);
    EXPECT_EQ(columns.sizes().at(0), treeWidth + 80) << "the tree column can be dragged";
    EXPECT_EQ(columns.handle(1)->cursor().shape(), Qt::SplitHCursor);

    frame().resize(1200, 700);
    QApplication::processEvents();
    EXPECT_EQ(rows.sizes().at(0), 120);
    EXPECT_EQ(rows.sizes().at(1), 480);
    EXPECT_EQ(columns.sizes().at(0), treeWidth + 80);
}

TEST_F(AppFrameTest, ReplaceViewSwapsChildIdsAndVisibility)
{
    startK90();
    CMySplitterWnd& pane = *frame().innerSplitter();
    const int paneId = CMySplitterWnd::IdFromRowCol(0, 1);
    FormPage* dashboard = &page("CAdvDashboard");
    FormPage* health = &page("CHealthMain");
    const int healthSlot = PageRegistry::rowForClass("CHealthMain")->slot;
    EXPECT_EQ(CMySplitterWnd::childId(dashboard), paneId);

    EXPECT_EQ(pane.ReplaceView(0, 1, healthSlot), health);
    EXPECT_EQ(CMySplitterWnd::childId(health), paneId);
    EXPECT_EQ(CMySplitterWnd::childId(dashboard), healthSlot);
    EXPECT_FALSE(dashboard->isVisible());
    EXPECT_TRUE(health->isVisible());
    EXPECT_EQ(frame().activeView(), health);
    EXPECT_EQ(health->pos(), QPoint(0, 0)) << "the page fills the pane";
    EXPECT_GE(health->width(), pane.pagePane()->width());
    EXPECT_GE(health->height(), pane.pagePane()->height());

    // The same page again changes nothing.
    EXPECT_EQ(pane.ReplaceView(0, 1, healthSlot), health);
    EXPECT_EQ(CMySplitterWnd::childId(health), paneId);
    EXPECT_EQ(CMySplitterWnd::childId(dashboard), healthSlot);
}

TEST_F(AppFrameTest, MessageBoxWithoutACaptionShowsTheApplicationTitle)
{
    startK90();
    prompts().answerMessage(Prompts::IdOk);
    Prompts::show(QStringLiteral("Saved."));
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("Serrat XD HART Clipwell"));
    EXPECT_TRUE(frame().windowTitle().endsWith(QStringLiteral(" - Serrat XD HART Clipwell")));
}

TEST_F(AppFrameTest, F6AndShiftF6MoveTheFocusFromPaneToPane)
{
    startK90();
    frame().show();
    frame().activateWindow();
    QApplication::setActiveWindow(&frame());
    // The keys as a user presses them, to whatever has the focus.
    const auto press = [](Qt::KeyboardModifiers modifiers) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, Qt::Key_F6, modifiers);
    };
    const auto paneOfFocus = [this]() -> QString {
        QWidget* focus = QApplication::focusWidget();
        const std::pair<QWidget*, const char*> panes[]
            = { { frame().identityStrip(), "identity" }, { frame().navigationView(), "tree" },
                  { app().shownPage(), "page" }, { frame().connectionPane(), "connection" } };
        for (const auto& [pane, name] : panes) {
            if (focus && (focus == pane || pane->isAncestorOf(focus)))
                return QString::fromLatin1(name);
        }
        return QStringLiteral("none");
    };

    frame().navigationView()->setFocus();
    ASSERT_EQ(paneOfFocus(), QStringLiteral("tree"));
    // The dashboard's read-only edits take the focus; the connection pane has
    // nothing that can, so the next pane after the page is the identity strip.
    const QStringList forward = { "page", "identity", "tree" };
    for (const QString& pane : forward) {
        press(Qt::NoModifier);
        EXPECT_EQ(paneOfFocus(), pane);
    }
    const QStringList backward = { "identity", "page", "tree" };
    for (const QString& pane : backward) {
        press(Qt::ShiftModifier);
        EXPECT_EQ(paneOfFocus(), pane);
    }
}
