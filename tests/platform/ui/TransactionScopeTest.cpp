#include "SwTest.h"

#include "controls/SpinEditBox.h"
#include "ui/FormPage.h"
#include "ui/QtTimerService.h"
#include "ui/TransactionScope.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace
{
// A window that notes each paint and whether a transaction was in progress.
class PaintProbe : public QWidget
{
public:
    PaintProbe()
    {
        resize(120, 80);
        show();
        QCoreApplication::processEvents(); // the first paint, before the test
        paintedInside.clear();
    }
    std::vector<bool> paintedInside;

protected:
    void paintEvent(QPaintEvent*) override { paintedInside.push_back(TransactionScope::inProgress()); }
};

class TransactionScopeTest : public SwTest
{
protected:
    struct Tick {
        std::string name;
        bool inside;
    };
    std::vector<Tick> ticks;
    const int ownerA = 0;
    const int ownerB = 0;
    const int ownerC = 0;

    TimerService::Callback note(const std::string& name)
    {
        return [this, name] { ticks.push_back({ name, TransactionScope::inProgress() }); };
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const Tick& tick : ticks)
            out.push_back(tick.name);
        return out;
    }
    bool anyInside() const
    {
        for (const Tick& tick : ticks)
            if (tick.inside)
                return true;
        return false;
    }
};
}

TEST_F(TransactionScopeTest, WaitingTransactionRepaintsTheWindowButRunsNoTimer)
{
    // The program's timers and a widget's own (a plain QTimer) alike: neither
    // may run while the transaction waits; both run once it is over.
    QtTimerService real;
    struct Case {
        const char* service;
        TimerService& timers;
        int periodMs;
        qint64 waitMs;
        std::function<void()> afterwards;
    };
    const Case cases[] = {
        { "test clock", clock(), 100, 250, [this] { clock().advance(0); } },
        { "real timers", real, 0, 0, [] { QCoreApplication::processEvents(); } },
    };
    for (const Case& c : cases) {
        ticks.clear();
        PaintProbe window;
        window.update();
        c.timers.arm(&ownerA, 1, c.periodMs, [this, &c] {
            ticks.push_back({ "program timer", TransactionScope::inProgress() });
            c.timers.kill(&ownerA, 1);
        });
        QTimer widgetTimer;
        widgetTimer.setSingleShot(true);
        QObject::connect(&widgetTimer, &QTimer::timeout, note("widget timer"));
        widgetTimer.start(0);

        c.timers.waitInTransaction(c.waitMs);
        EXPECT_FALSE(window.paintedInside.empty()) << c.service << ": the asked-for paint is served while it waits";
        for (bool inside : window.paintedInside)
            EXPECT_TRUE(inside) << c.service;
        EXPECT_TRUE(ticks.empty()) << c.service;

        c.afterwards();
        QCoreApplication::processEvents();
        EXPECT_EQ(ticks.size(), 2u) << c.service;
        EXPECT_FALSE(anyInside()) << c.service;
    }
}

TEST_F(TransactionScopeTest, TimersFallingDueInsideATransactionTickOnceAfterItInOrder)
{
    // An event loop that does deliver timer events inside the transaction:
    // the service holds each tick, once however often the timer falls due.
    QtTimerService real;
    real.arm(&ownerA, 1, 0, note("a"));
    real.arm(&ownerB, 1, 0, note("b"));
    real.arm(&ownerC, 1, 0, note("killed inside"));
    real.arm(&ownerC, 2, 0, note("armed anew inside"));
    {
        TransactionScope transaction;
        for (int turn = 0; turn < 3; ++turn)
            QCoreApplication::processEvents();
        real.kill(&ownerC, 1);
        real.arm(&ownerC, 2, 60000, note("armed anew inside"));
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(ticks.empty());
    // The held ticks come back through the event loop, before any timer can
    // fall due again.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(names(), (std::vector<std::string> { "a", "b" }));
    EXPECT_FALSE(anyInside());
    real.killAll(&ownerA);
    real.killAll(&ownerB);
    real.killAll(&ownerC);
}

TEST_F(TransactionScopeTest, HeldWorkRunsInTheOrderItCameAndNotForAGoneContext)
{
    std::vector<std::string> ran;
    auto gone = std::make_unique<QObject>();
    QObject kept;
    {
        TransactionScope outer;
        TransactionScope::runOutside(&kept, [&] { ran.push_back("first"); });
        {
            TransactionScope inner;
            TransactionScope::runOutside(gone.get(), [&] { ran.push_back("gone"); });
        }
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(ran.empty()) << "the inner scope's end is not the end of the transaction";
        TransactionScope::runOutside(&kept, [&] { ran.push_back("second"); });
    }
    gone.reset();
    // Work asked for after the transaction but before the held work ran waits its turn.
    TransactionScope::runOutside(&kept, [&] { ran.push_back("after"); });
    EXPECT_TRUE(ran.empty());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ran, (std::vector<std::string> { "first", "second", "after" }));
    TransactionScope::runOutside(&kept, [&] { ran.push_back("at once"); });
    EXPECT_EQ(ran.back(), "at once");
}

TEST_F(TransactionScopeTest, FocusLeavingAnEditWhileATransactionWaitsReachesThePageAfterIt)
{
    // Another window becomes active while the transaction waits: the page's
    // edit loses the focus then, but its handler runs after the transaction.
    FormPage page(QStringLiteral("CSamplePage"), 281);
    auto* edit = new QLineEdit(&page);
    page.addControl(402, edit);
    std::vector<bool> handlerInside;
    page.onKillFocus(402, "OnLimitEditKillFocus", [&] { handlerInside.push_back(TransactionScope::inProgress()); });
    PaintProbe other;
    page.show();
    QApplication::setActiveWindow(&page);
    edit->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(edit->hasFocus());
    ASSERT_TRUE(handlerInside.empty());
    other.activateWindow();
    ASSERT_TRUE(edit->hasFocus()) << "the window system hands the activation over later";

    clock().waitInTransaction(300);
    EXPECT_FALSE(edit->hasFocus()) << "the activation was served while the transaction waited";
    EXPECT_TRUE(handlerInside.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(handlerInside, std::vector<bool> { false });
}

TEST_F(TransactionScopeTest, ControlEventThatAFocusChangeRaisesWhileATransactionWaitsRunsAfterIt)
{
    // A spin that takes typed values commits them when its field loses the
    // focus: its value change must reach the page after the transaction too.
    FormPage page(QStringLiteral("CSamplePage"), 281);
    auto* spin = new SpinEditBox(&page);
    spin->setAllowKeyEdit(true);
    page.addControl(1302, spin);
    std::vector<bool> handlerInside;
    QObject::connect(spin, &SpinEditBox::valueChanged, &page,
        [&] { page.handle("OnLimitSpinChanged", [&] { handlerInside.push_back(TransactionScope::inProgress()); }); });
    auto* field = spin->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    PaintProbe other;
    page.show();
    QApplication::setActiveWindow(&page);
    field->setFocus();
    QCoreApplication::processEvents();
    field->selectAll();
    for (const char* key : { "4", "2" }) {
        QKeyEvent press(
            QEvent::KeyPress, key[0] == '4' ? Qt::Key_4 : Qt::Key_2, Qt::NoModifier, QString::fromLatin1(key));
        QCoreApplication::sendEvent(field, &press);
    }
    ASSERT_EQ(field->text(), QStringLiteral("42"));
    ASSERT_TRUE(handlerInside.empty());
    other.activateWindow();

    clock().waitInTransaction(300);
    EXPECT_TRUE(handlerInside.empty()) << "the value change reached the page inside the transaction";
    QCoreApplication::processEvents();
    EXPECT_EQ(handlerInside, std::vector<bool> { false });
}
