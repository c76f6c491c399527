#include "HealthPageTest.h"

#include "ui/TransactionScope.h"

#include <QEvent>

#include <string>
#include <utility>

namespace
{
// Notes each paint of the main window's widgets: whether a transaction was
// waiting, and how many requests the device had heard by then.
class PaintLog : public QObject
{
public:
    PaintLog(QWidget& window, std::function<size_t()> requestsSoFar)
        : m_window(window)
        , m_requestsSoFar(std::move(requestsSoFar))
    {
        qApp->installEventFilter(this);
    }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    std::vector<size_t> insideAtRequest;
    int outside = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == &m_window) {
            if (TransactionScope::inProgress())
                insideAtRequest.push_back(m_requestsSoFar());
            else
                ++outside;
        }
        return false;
    }

private:
    QWidget& m_window;
    std::function<size_t()> m_requestsSoFar;
};
}

// At the pace of a real HART link the dashboard's first refresh keeps the
// program waiting for seconds: thirteen and more transactions in a row.
class DashboardAtHartPaceTest : public HealthPageTest
{
protected:
    // What selecting the dashboard sends, from the actuator health page;
    // `atSelection` runs just before the user's click.
    QStringList selectDashboard(const char* path, const std::function<void()>& atSelection = {})
    {
        clock().advance(2000);
        select(ActuatorHealthCode);
        clock().advance(3000);
        device(path).clearRequests();
        if (atSelection)
            atSelection();
        select(DashboardCode);
        return sent(path);
    }
};

TEST_F(DashboardAtHartPaceTest, SelectedDashboardIsDrawnWhileItsFirstRefreshRunsAndSendsWhatItSendsUnpaced)
{
    startK90();
    const QStringList unpaced = selectDashboard(K90Path);
    m_app.reset();
    SimTestHooks::reset();

    const char* pacedPath = "Sim/K90/PV-111";
    startAtHartPace({ QStringLiteral("/dSim/K90/PV-111") });
    std::vector<std::pair<std::string, bool>> ticks; // which timer, and whether inside a transaction
    qint64 selectedAt = 0;
    std::unique_ptr<PaintLog> paints;
    const QStringList paced = selectDashboard(pacedPath, [&] {
        // Timers that fall due many times over while the refresh runs, the
        // later one armed first.
        clock().arm(this, 1, 300, [&] { ticks.emplace_back("300 ms", TransactionScope::inProgress()); });
        clock().arm(this, 2, 100, [&] { ticks.emplace_back("100 ms", TransactionScope::inProgress()); });
        selectedAt = clock().elapsedMs();
        paints = std::make_unique<PaintLog>(frame(), [this, pacedPath] { return device(pacedPath).requests().size(); });
    });
    const std::vector<size_t> paintedAt = paints->insideAtRequest;
    paints.reset();

    EXPECT_EQ(joined(paced), joined(unpaced)) << "the same requests in the same order";
    ASSERT_GE(paced.size(), 13);
    EXPECT_GE(clock().elapsedMs() - selectedAt, 4000) << "each transaction took its time on the wire";
    ASSERT_FALSE(paintedAt.empty()) << "the window repaints while the refresh waits for the device";
    EXPECT_LE(paintedAt.front(), 1u) << "the page is drawn while its first request is answered";
    EXPECT_TRUE(ticks.empty()) << "no timer handler runs inside the refresh";

    clock().advance(0);
    const std::vector<std::pair<std::string, bool>> after { { "100 ms", false }, { "300 ms", false } };
    EXPECT_EQ(ticks, after) << "each timer that fell due meanwhile ticks once after it, in the order it fell due";
    clock().killAll(this);
}
