// The four friction limits reach the device in the order low alarm < low
// warning < high warning < high alarm from both friction pages on both
// models. A limit typed as something it can be goes out exactly as typed, the
// others pushed around it; one it cannot be (below its floor, above its top)
// is marked with what it can take and nothing is written. A dragged limit
// stops at its floor or top and pushes the others. The pointers always stand
// where the edits say, on the gauge's scale.
#include "HealthPageTest.h"

#include "automation/NumberText.h"
#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <optional>
#include <vector>

namespace
{
using namespace FrictionRules;

// What each limit's mark says it can take.
const char* const Tips[4]
    = { "Please enter whole numbers between 0 and 9997", "Please enter whole numbers between 1 and 9998",
          "Please enter whole numbers between 2 and 9999", "Please enter whole numbers between 3 and 10000" };

enum class By { Typing, Dragging };

// One limit moved away from the device's own limits, and the limits Apply
// writes then (low alarm, low warning, high warning, high alarm), or none:
// the limit is marked and nothing is written.
struct Move {
    const char* what;
    int pointer;
    By by;
    const char* value;
    std::optional<Limits> written;
};

struct Model {
    const char* argument;
    const char* path;
    Limits device;
    std::vector<Move> moves;
};

const std::vector<Model>& models()
{
    static const std::vector<Model> all = {
        { "/dSim/K90/PV-101", "Sim/K90/PV-101", { 50, 100, 400, 500 },
            {
                { "low alarm typed 0", LowAlarm, By::Typing, "0", Limits { 0, 100, 400, 500 } },
                { "low alarm dragged to 0", LowAlarm, By::Dragging, "0", Limits { 0, 100, 400, 500 } },
                { "low alarm typed between the high limits", LowAlarm, By::Typing, "450",
                    Limits { 450, 451, 452, 500 } },
                { "low alarm dragged between the high limits", LowAlarm, By::Dragging, "450",
                    Limits { 450, 451, 452, 500 } },
                { "low alarm typed above its top", LowAlarm, By::Typing, "9998", std::nullopt },
                { "low alarm dragged above its top", LowAlarm, By::Dragging, "10000",
                    Limits { 9997, 9998, 9999, 10000 } },
                { "low warning typed 0", LowWarning, By::Typing, "0", std::nullopt },
                { "low warning dragged to 0", LowWarning, By::Dragging, "0", Limits { 0, 1, 400, 500 } },
                { "low warning typed at its floor", LowWarning, By::Typing, "1", Limits { 0, 1, 400, 500 } },
                { "low warning typed between the high limits", LowWarning, By::Typing, "499",
                    Limits { 50, 499, 500, 501 } },
                { "low warning dragged between the high limits", LowWarning, By::Dragging, "499",
                    Limits { 50, 499, 500, 501 } },
                { "low warning typed above its top", LowWarning, By::Typing, "9999", std::nullopt },
                { "low warning dragged above its top", LowWarning, By::Dragging, "10000",
                    Limits { 50, 9998, 9999, 10000 } },
                { "high warning typed 0", HighWarning, By::Typing, "0", std::nullopt },
                { "high warning dragged to 0", HighWarning, By::Dragging, "0", Limits { 0, 1, 2, 500 } },
                { "high warning typed at its floor", HighWarning, By::Typing, "2", Limits { 0, 1, 2, 500 } },
                { "high warning typed between the low limits", HighWarning, By::Typing, "51",
                    Limits { 49, 50, 51, 500 } },
                { "high warning dragged between the low limits", HighWarning, By::Dragging, "51",
                    Limits { 49, 50, 51, 500 } },
                { "high warning typed above its top", HighWarning, By::Typing, "10000", std::nullopt },
                { "high warning dragged above its top", HighWarning, By::Dragging, "10000",
                    Limits { 50, 100, 9999, 10000 } },
                { "high alarm typed 0", HighAlarm, By::Typing, "0", std::nullopt },
                { "high alarm dragged to 0", HighAlarm, By::Dragging, "0", Limits { 0, 1, 2, 3 } },
                { "high alarm typed at its floor", HighAlarm, By::Typing, "3", Limits { 0, 1, 2, 3 } },
                { "high alarm typed between the low limits", HighAlarm, By::Typing, "75", Limits { 50, 73, 74, 75 } },
                { "high alarm dragged between the low limits", HighAlarm, By::Dragging, "75",
                    Limits { 50, 73, 74, 75 } },
                { "high alarm typed above its top", HighAlarm, By::Typing, "10001", std::nullopt },
                { "high alarm dragged above its top", HighAlarm, By::Dragging, "12000",
                    Limits { 50, 100, 400, 10000 } },
            } },
        { "/dSim/K40/PV-102", "Sim/K40/PV-102", { 15, 30, 120, 150 },
            {
                { "low alarm typed 0", LowAlarm, By::Typing, "0", Limits { 0, 30, 120, 150 } },
                { "low alarm typed between the high limits", LowAlarm, By::Typing, "130",
                    Limits { 130, 131, 132, 150 } },
                { "low alarm dragged above its top", LowAlarm, By::Dragging, "10000",
                    Limits { 9997, 9998, 9999, 10000 } },
                { "low warning typed 0", LowWarning, By::Typing, "0", std::nullopt },
                { "low warning dragged to 0", LowWarning, By::Dragging, "0", Limits { 0, 1, 120, 150 } },
                { "low warning typed at its floor", LowWarning, By::Typing, "1", Limits { 0, 1, 120, 150 } },
                { "low warning typed between the high limits", LowWarning, By::Typing, "149",
                    Limits { 15, 149, 150, 151 } },
                { "high warning typed 0", HighWarning, By::Typing, "0", std::nullopt },
                { "high warning dragged to 0", HighWarning, By::Dragging, "0", Limits { 0, 1, 2, 150 } },
                { "high warning typed between the low limits", HighWarning, By::Typing, "16",
                    Limits { 14, 15, 16, 150 } },
                { "high warning dragged between the low limits", HighWarning, By::Dragging, "16",
                    Limits { 14, 15, 16, 150 } },
                { "high alarm typed 0", HighAlarm, By::Typing, "0", std::nullopt },
                { "high alarm dragged to 0", HighAlarm, By::Dragging, "0", Limits { 0, 1, 2, 3 } },
                { "high alarm typed at its floor", HighAlarm, By::Typing, "3", Limits { 0, 1, 2, 3 } },
                { "high alarm typed between the low limits", HighAlarm, By::Typing, "20", Limits { 15, 18, 19, 20 } },
                { "high alarm typed above its top", HighAlarm, By::Typing, "10001", std::nullopt },
            } },
    };
    return all;
}

// The two friction pages seen the same way.
template <class P> struct FrictionPage;
template <> struct FrictionPage<CValveHealth> {
    static constexpr int code = 31;
    static const ILinearGaugePtr& gauge(CValveHealth& page) { return page.frictionGauge(); }
    static int edit(int pointer) { return CValveHealth::FrictionLimits[pointer - 1].edit; }
    static int mark(int pointer) { return CValveHealth::FrictionLimits[pointer - 1].mark; }
    static int spin(int pointer) { return CValveHealth::FrictionLimits[pointer - 1].spin; }
};
template <> struct FrictionPage<CValveHealthToleranceSettings> {
    static constexpr int code = 311;
    static const ILinearGaugePtr& gauge(CValveHealthToleranceSettings& page) { return page.gauge(); }
    static int edit(int pointer) { return CValveHealthToleranceSettings::Limits[pointer - 1].edit; }
    static int mark(int pointer) { return CValveHealthToleranceSettings::Limits[pointer - 1].mark; }
    static int spin(int pointer) { return CValveHealthToleranceSettings::Limits[pointer - 1].spin; }
};

// Write_Friction_Settings as the device receives it: high warning, high
// alarm, low warning, low alarm.
QByteArray request(const Limits& limits)
{
    QByteArray out("\xc6\x08", 2);
    for (double limit : { limits[2], limits[3], limits[1], limits[0] })
        out.append(char(uint16_t(limit) >> 8)).append(char(uint16_t(limit) & 0xFF));
    return out;
}

QStringList texts(const Limits& limits)
{
    QStringList out;
    for (double limit : limits)
        out << QString::number(limit);
    return out;
}
}

class FrictionLimitOrderTest : public HealthPageTest
{
protected:
    template <class P> void showOn(const Model& model)
    {
        start({ QString::fromLatin1(model.argument) });
        clock().advance(2000);
        select(FrictionPage<P>::code);
        clock().advance(1000);
    }
    // The device's own limits shown again, an empty record.
    template <class P> void retrieve(const Model& model)
    {
        respondWithFrictionLimits(model.device, model.path);
        page<P>().template controlAs<QAbstractButton>(P::RetrieveButton)->click();
        device(model.path).clearRequests();
    }
    // The user types the text over the limit's edit and moves on to Apply.
    template <class P> void typeAndLeave(int pointer, const char* text)
    {
        P& shown = page<P>();
        QApplication::setActiveWindow(shown.window());
        shown.control(FrictionPage<P>::edit(pointer))->setFocus();
        shown.setWindowText(FrictionPage<P>::edit(pointer), QString::fromLatin1(text));
        shown.control(P::ApplyButton)->setFocus();
    }
    template <class P> void move(const Move& m)
    {
        if (m.by == By::Typing)
            typeAndLeave<P>(m.pointer, m.value);
        else
            FrictionPage<P>::gauge(page<P>())->setPointerPosition(m.pointer, QByteArray(m.value).toDouble());
    }
    template <class P> void apply() { page<P>().template controlAs<QAbstractButton>(P::ApplyButton)->click(); }
    template <class P> QStringList edits()
    {
        QStringList out;
        for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
            out << page<P>().windowText(FrictionPage<P>::edit(pointer));
        return out;
    }
    template <class P> Limits pointers()
    {
        Limits out {};
        for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
            at(out, pointer) = FrictionPage<P>::gauge(page<P>())->pointerPosition(pointer);
        return out;
    }
    template <class P> bool marked(int pointer)
    {
        return page<P>().template controlAs<QLabel>(FrictionPage<P>::mark(pointer))->pixmap().toImage()
            == Pictures::load(138).toImage();
    }
    template <class P> QString tip(int pointer) { return page<P>().control(FrictionPage<P>::mark(pointer))->toolTip(); }

    template <class P> void expectEveryMoveWrittenInOrder()
    {
        for (const Model& model : models()) {
            showOn<P>(model);
            for (const Move& m : model.moves) {
                SCOPED_TRACE(std::string(model.path) + ": " + m.what);
                retrieve<P>(model);
                ASSERT_EQ(pointers<P>(), model.device);
                move<P>(m);
                apply<P>();
                if (!m.written) {
                    EXPECT_TRUE(marked<P>(m.pointer));
                    EXPECT_EQ(tip<P>(m.pointer), QString::fromLatin1(Tips[m.pointer - 1]));
                    EXPECT_TRUE(device(model.path).requestsFor(198).empty()) << "nothing written";
                    QStringList shown = texts(model.device);
                    shown[m.pointer - 1] = QString::fromLatin1(m.value);
                    EXPECT_EQ(edits<P>(), shown) << "kept as typed, the others as they were";
                    EXPECT_EQ(pointers<P>(), model.device) << "nothing moved";
                    continue;
                }
                EXPECT_EQ(lastRequest(198, model.path).toHex(' '), request(*m.written).toHex(' '));
                EXPECT_EQ(edits<P>(), texts(*m.written));
                EXPECT_EQ(pointers<P>(), *m.written);
                EXPECT_LE(at(*m.written, HighAlarm), FrictionPage<P>::gauge(page<P>())->scaleMax())
                    << "every pointer on the scale";
                for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer)
                    EXPECT_FALSE(marked<P>(pointer)) << pointer;
            }
            m_app.reset();
            SimTestHooks::reset();
        }
    }

    // A limit marked for what it holds keeps the whole set from the device,
    // whatever the user moves after it.
    template <class P> void expectAMarkedLimitToHoldBackTheWrite()
    {
        const Model& model = models().front();
        showOn<P>(model);
        retrieve<P>(model);
        typeAndLeave<P>(HighAlarm, "0");
        FrictionPage<P>::gauge(page<P>())->setPointerPosition(LowWarning, 150);
        typeAndLeave<P>(LowAlarm, "20");
        apply<P>();
        EXPECT_TRUE(device(model.path).requestsFor(198).empty());
        EXPECT_EQ(edits<P>(), (QStringList { "20", "150", "400", "0" }));
        EXPECT_TRUE(marked<P>(HighAlarm));
        EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Friction_Settings not sent: the friction high alarm is "
                                                       "not one of the whole numbers between 3 and 10000")));
        // Typed again as something it can be, it goes out with the others as shown.
        typeAndLeave<P>(HighAlarm, "160");
        apply<P>();
        EXPECT_EQ(lastRequest(198, model.path).toHex(' '), request({ 20, 150, 159, 160 }).toHex(' '));
    }

    // A spin's arrow past a limit's floor or top moves nothing: the limits
    // are written as they stood, in order, and every edit shows them so.
    template <class P> void expectArrowsToStopAtFloorsAndTops()
    {
        const struct {
            const char* what;
            Limits device;
            int step;
            bool written[4]; // whether Apply writes, by the limit stepped
        } cases[] = {
            { "down at the floors", { 0, 1, 2, 3 }, -1, { false, true, true, true } },
            { "up at the tops", { 9997, 9998, 9999, 10000 }, 1, { false, false, false, false } },
        };
        Model model = models().front();
        showOn<P>(model);
        for (const auto& c : cases) {
            model.device = c.device;
            for (int pointer = LowAlarm; pointer <= HighAlarm; ++pointer) {
                SCOPED_TRACE(std::string(c.what) + ", limit " + std::to_string(pointer));
                retrieve<P>(model);
                ASSERT_EQ(pointers<P>(), c.device);
                ISpinEditBoxPtr::fromObject(page<P>().control(FrictionPage<P>::spin(pointer)))->stepBy(c.step);
                EXPECT_EQ(edits<P>(), texts(c.device));
                EXPECT_EQ(pointers<P>(), c.device);
                apply<P>();
                // A spin stepped below a floor counts as a change of the
                // limits: Apply writes them as they stood. One stepped at its
                // top took no step at all.
                if (c.written[pointer - 1]) {
                    ASSERT_EQ(device(model.path).requestsFor(198).size(), 1u);
                    EXPECT_EQ(lastRequest(198, model.path).toHex(' '), request(c.device).toHex(' '));
                } else {
                    EXPECT_TRUE(device(model.path).requestsFor(198).empty());
                }
                for (int each = LowAlarm; each <= HighAlarm; ++each)
                    EXPECT_FALSE(marked<P>(each)) << each;
            }
        }
    }
};

TEST_F(FrictionLimitOrderTest, AnArrowPastAFloorOrTopMovesNoLimitOnBothPages)
{
    expectArrowsToStopAtFloorsAndTops<CValveHealth>();
    m_app.reset();
    SimTestHooks::reset();
    expectArrowsToStopAtFloorsAndTops<CValveHealthToleranceSettings>();
}

TEST_F(FrictionLimitOrderTest, ValveHealthWritesEveryTypedOrDraggedLimitInOrder)
{
    expectEveryMoveWrittenInOrder<CValveHealth>();
}

TEST_F(FrictionLimitOrderTest, FrictionToleranceSettingsWritesEveryTypedOrDraggedLimitInOrder)
{
    expectEveryMoveWrittenInOrder<CValveHealthToleranceSettings>();
}

TEST_F(FrictionLimitOrderTest, AMarkedLimitHoldsBackTheWriteOnBothPages)
{
    expectAMarkedLimitToHoldBackTheWrite<CValveHealth>();
    m_app.reset();
    SimTestHooks::reset();
    expectAMarkedLimitToHoldBackTheWrite<CValveHealthToleranceSettings>();
}
