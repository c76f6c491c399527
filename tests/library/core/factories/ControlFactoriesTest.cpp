#include "SwTest.h"

#include "core/ControlFactories.h"
#include "core/ModuleStateGuard.h"
#include "core/TellboxOrdinals.h"
#include "ui/ControlRegistry.h"
#include "ui/FormPage.h"

#include <QLabel>

#include <functional>

namespace
{

using Factory = std::function<QWidget*(QWidget*, QPointer<QWidget>&, const QRect&, int)>;

// Every factory, reduced to the widget it returns.
template <class Ptr> Factory widgetOf(Ptr (*create)(QWidget*, QPointer<QWidget>&, const QRect&, int))
{
    return [create](QWidget* parent, QPointer<QWidget>& window, const QRect& rect, int id) -> QWidget* {
        return create(parent, window, rect, id).get();
    };
}

struct FactoryCase {
    const char* name;
    const char* progId;
    const char* className;
    Factory create;
};

const FactoryCase factories[] = {
    { "CreateLedRoundControl", "DigitalLib.LedRound", "LedRound", widgetOf(&CreateLedRoundControl) },
    { "CreateEditXControl", "AnalogLib.NumEdit", "NumEdit", widgetOf(&CreateEditXControl) },
    { "CreatePlotControl", "PlotLib.Plot", "Plot", widgetOf(&CreatePlotControl) },
    { "CreateRampPlotControl", "PlotLib.XYPlot", "XYPlot", widgetOf(&CreateRampPlotControl) },
    { "CreateReportControl", "ReportLib.Report.1", "ReportControl", widgetOf(&CreateReportControl) },
    { "CreatePrintControl", "ReportLib.Printer.1", "PrinterControl", widgetOf(&CreatePrintControl) },
    { "CreateSwitchToggle", "DigitalLib.SwitchToggle", "SwitchToggle", widgetOf(&CreateSwitchToggle) },
};

// A page that sits away from the screen's origin, inside a frame that does too.
class ControlFactoriesTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        m_frame.move(100, 50);
        m_page = new FormPage(QStringLiteral("CTestPage"), 0, &m_frame);
        m_page->move(20, 10);
        m_page->resize(400, 300);
        m_frame.resize(500, 400);
        m_frame.show();
    }

    FormPage* page() const { return m_page; }
    // 120 x 80 pixels at (40, 30) of the page, in screen coordinates.
    QRect screenRect() const { return QRect(m_page->mapToGlobal(QPoint(40, 30)), QSize(120, 80)); }

private:
    QWidget m_frame;
    FormPage* m_page = nullptr;
};

TEST_F(ControlFactoriesTest, EachFactoryPutsItsControlAtTheScreenRectangleOnThePage)
{
    ASSERT_NE(page()->mapToGlobal(QPoint(0, 0)), QPoint(0, 0));
    int id = 2000;
    for (const FactoryCase& factory : factories) {
        SCOPED_TRACE(factory.name);
        QPointer<QWidget> window;
        QWidget* control = factory.create(page(), window, screenRect(), ++id);
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->metaObject()->className(), factory.className);
        EXPECT_EQ(window.data(), control);
        EXPECT_EQ(control->parentWidget(), page());
        EXPECT_EQ(page()->control(id), control);
        EXPECT_TRUE(control->isVisible());
        EXPECT_EQ(control->geometry(), QRect(40, 30, 120, 80));
        EXPECT_EQ(control->mapToGlobal(QPoint(0, 0)), screenRect().topLeft());
        EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
    }
}

TEST_F(ControlFactoriesTest, AnUnregisteredControlGivesNullAndOnlyTheSwitchSaysSo)
{
    for (const FactoryCase& factory : factories) {
        SCOPED_TRACE(factory.name);
        const QString progId = QString::fromLatin1(factory.progId);
        ASSERT_TRUE(ControlRegistry::instance().remove(progId));
        const bool tellsUser = progId == QLatin1String("DigitalLib.SwitchToggle");
        if (tellsUser)
            prompts().answerMessage(Prompts::IdOk,
                QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator"));

        const int childrenBefore = static_cast<int>(page()->children().size());
        QPointer<QWidget> window;
        EXPECT_EQ(factory.create(page(), window, screenRect(), 3000), nullptr);
        EXPECT_EQ(window.data(), nullptr);
        EXPECT_EQ(static_cast<int>(page()->children().size()), childrenBefore);

        const auto messages = prompts().messages();
        ASSERT_EQ(messages.size(), tellsUser ? 1u : 0u);
        if (tellsUser) {
            EXPECT_EQ(messages[0].caption, QString());
            EXPECT_EQ(messages[0].buttons, Prompts::Buttons::Ok);
            EXPECT_EQ(messages[0].owner, nullptr);
        }
        prompts().clearRecords();
        ControlRegistry::instance().restore(progId);
    }
}

TEST_F(ControlFactoriesTest, TheLedStartsGreenDomedUnlitAtTheRectanglesSize)
{
    QPointer<QWidget> window;
    const ILedRoundPtr led = CreateLedRoundControl(page(), window, screenRect(), 1001);
    ASSERT_TRUE(led);
    EXPECT_EQ(led->size(), QSize(120, 80));
    EXPECT_EQ(led->litColor(), 0x00FF00u);
    EXPECT_TRUE(led->active());
    EXPECT_TRUE(led->reflection());
    EXPECT_FALSE(led->lit());
    EXPECT_EQ(led->borderStyle(), 0);
}

TEST_F(ControlFactoriesTest, TheEditDisplayIsSilverCentredInBoldElevenPointSans)
{
    QPointer<QWidget> window;
    const INumEditPtr edit = CreateEditXControl(page(), window, screenRect(), 1002);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->color(), 12632256u);
    EXPECT_EQ(edit->alignment(), NumEdit::Centre);
    EXPECT_EQ(edit->font().families().value(0), QStringLiteral("Microsoft Sans Serif"));
    EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), 11.0);
    EXPECT_TRUE(edit->font().bold());
}

TEST_F(ControlFactoriesTest, TheSwitchStartsActiveOffAndAtTheRectanglesSize)
{
    QPointer<QWidget> window;
    const ISwitchTogglePtr toggle = CreateSwitchToggle(page(), window, screenRect(), 1003);
    ASSERT_TRUE(toggle);
    EXPECT_EQ(toggle->size(), QSize(120, 80));
    EXPECT_TRUE(toggle->active());
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_FALSE(toggle->value());
    EXPECT_EQ(toggle->focusPolicy(), Qt::StrongFocus);
}

// A ProgID whose control lacks the factory's interface, or that makes no
// window at all: the plot factory gives null, the LED factory cannot set its
// properties and raises the error to the caller, whose module state is back.
// Neither tells the user anything.
TEST_F(ControlFactoriesTest, AControlOfAnotherKindOrNoWindowGivesNullOrRaisesWhenPropertiesFollow)
{
    struct Case {
        const char* what;
        ControlRegistry::Factory make;
    } cases[] = {
        { "another kind", [](QWidget* parent) -> QWidget* { return new QLabel(parent); } },
        { "no window", [](QWidget*) -> QWidget* { return nullptr; } },
    };
    auto& registry = ControlRegistry::instance();
    int id = 1004;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        registry.add(QStringLiteral("PlotLib.Plot"), c.make);
        registry.add(QStringLiteral("DigitalLib.LedRound"), c.make);

        QPointer<QWidget> window;
        EXPECT_EQ(CreatePlotControl(page(), window, screenRect(), ++id), nullptr);
        try {
            CreateLedRoundControl(page(), window, screenRect(), ++id);
            ADD_FAILURE() << "no error raised";
        } catch (const ComError& error) {
            EXPECT_EQ(error.code(), ComError::InvalidPointer);
        }
        EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
        EXPECT_TRUE(prompts().messages().empty());
    }
    // The next test finds the real controls again.
    registry.add(QStringLiteral("PlotLib.Plot"), [](QWidget* parent) -> QWidget* { return new Plot(parent); });
    registry.add(
        QStringLiteral("DigitalLib.LedRound"), [](QWidget* parent) -> QWidget* { return new LedRound(parent); });
}

TEST_F(ControlFactoriesTest, TheProgramCreatesItsPlotThroughTheOrdinal)
{
    using CreatePlot = IPlotPtr(QWidget*, QPointer<QWidget>&, const QRect&, int);
    CreatePlot* create = BindTellboxOrdinal<CreatePlot>(3);
    ASSERT_NE(create, nullptr);
    QPointer<QWidget> window;
    const IPlotPtr plot = create(page(), window, screenRect(), 1006);
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->geometry(), QRect(40, 30, 120, 80));
}

} // namespace
