#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "DrawnPlotTexts.h"
#include "PageLayoutCheck.h"
#include "PageRegistry.h"
#include "StripPage.h"
#include "controls/SpinEditBox.h"

#include "diagnostics/CPartialStrokeTest.h"
#include "health/CValveHealthToleranceSettings.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

// Every page as a user sees it: no text cut by its control's rectangle, no
// two texts over one another. The pages of the registry on both models as
// they are first shown, then the states that show more.
class PageLayoutTest : public AppFrameTest
{
protected:
    void startModel(const char* path)
    {
        m_app.reset();
        SimTestHooks::reset();
        start({ QStringLiteral("/d") + QLatin1String(path) });
        // The smaller model offers its optional pages with this flag.
        device(path).setMiscByte(0x28, 0x20);
        tree().OnInitialUpdate();
        clock().advance(2000);
    }
    QString model() { return app().deviceData().DeviceType == 6 ? QStringLiteral("K40") : QStringLiteral("K90"); }

    FormPage* show(const PageRow& row)
    {
        if (row.flags & Pane)
            return app().pageTable()[row.slot];
        if (row.treeCode != 0) {
            tree().SelectItem(tree().itemForCode(row.treeCode));
        } else if (FormPage* step = app().ReplaceView(row.pageClass)) {
            // Shown as the page before it in its wizard shows it.
            step->ActivatePage();
        }
        processEvents();
        // The page as the user sees it once its first readings have landed.
        clock().advance(3000);
        return app().shownPage();
    }
    FormPage* show(int treeCode) { return show(*PageRegistry::rowForCode(treeCode)); }

    // The faults of a page as it stands, each line naming the model, the page
    // and the state.
    void check(const FormPage* page, const QString& state, unsigned kinds = PageLayoutCheck::AllKinds)
    {
        ASSERT_NE(page, nullptr) << state.toStdString();
        for (const QString& fault : PageLayoutCheck::faults(*page, kinds))
            m_faults << QStringLiteral("%1 %2 (%3): %4").arg(model(), page->className(), state, fault);
    }
    void expectNoFaults()
    {
        EXPECT_TRUE(m_faults.isEmpty()) << m_faults.join(QLatin1Char('\n')).toStdString();
        m_faults.clear();
    }

    QStringList m_faults;
};

TEST_F(PageLayoutTest, EveryPageOnBothModelsShowsItsTextsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        for (const PageRow& row : PageRegistry::rows()) {
            FormPage* shown = show(row);
            if (!shown || shown->className() != QLatin1String(row.pageClass))
                m_faults << QStringLiteral("%1 %2 not shown").arg(model(), QLatin1String(row.pageClass));
            check(shown, QStringLiteral("shown"), PageLayoutCheck::Cut | PageLayoutCheck::Overlap);
        }
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, EveryInstrumentOnEveryPageDrawsItsLabelsApart)
{
    // Scale labels of gauges, axis labels of plots: each must read as itself;
    // a plot draws each trace on an axis shown and tells its entries apart.
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        DrawnPlotTexts drawn;
        for (const PageRow& row : PageRegistry::rows())
            check(show(row), QStringLiteral("shown"), PageLayoutCheck::RunTogether);
        for (const QString& fault : drawn.faults())
            m_faults << model() + QLatin1Char(' ') + fault;
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, NoControlOnEveryPageOfBothModelsLiesUnderAnother)
{
    // A control created over a hidden placeholder draws nothing, yet takes
    // the clicks on the part of a button it lies over.
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        for (const PageRow& row : PageRegistry::rows())
            check(show(row), QStringLiteral("shown"), PageLayoutCheck::Covered);
    }
    expectNoFaults();
}

namespace
{
// The part of `widget` a user can see, in the window's pixels: its rectangle
// cut by every widget it lies in, up to the window.
QRect seenPart(const QWidget& widget)
{
    QRect part = widget.rect();
    const QWidget* at = &widget;
    while (!at->isWindow()) {
        part.translate(at->pos());
        at = at->parentWidget();
        part &= at->rect();
    }
    return part;
}

// Where the page pane scrolls the page: the scroll area the page lies in, or
// none.
QAbstractScrollArea* scrollerOf(const QWidget& page)
{
    for (QWidget* at = page.parentWidget(); at; at = at->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(at))
            return area;
    }
    return nullptr;
}
} // namespace

TEST_F(PageLayoutTest, EveryEnabledControlOfEveryPageIsReachedByScrollingInASmallWindow)
{
    // Each control scrolled to as far as the pane lets it, then seen whole,
    // or as much of it as the pane shows at once.
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        frame().showNormal();
        frame().resize(800, 600);
        processEvents();
        for (const PageRow& row : PageRegistry::rows()) {
            if (row.flags & Pane)
                continue;
            FormPage* shown = show(row);
            ASSERT_NE(shown, nullptr) << row.pageClass;
            processEvents();
            QAbstractScrollArea* area = scrollerOf(*shown);
            for (QWidget* control : shown->findChildren<QWidget*>()) {
                if (FormPage::idOf(control) <= 0 || !control->isVisibleTo(shown) || !control->isEnabled()
                    || control->size().isEmpty())
                    continue;
                QSize whole = control->size();
                if (area) {
                    const QPoint at = control->mapTo(shown, QPoint(0, 0)) + shown->pos();
                    area->horizontalScrollBar()->setValue(at.x());
                    area->verticalScrollBar()->setValue(at.y());
                    whole = whole.boundedTo(area->viewport()->size());
                }
                const QSize seen = seenPart(*control).size();
                if (seen.width() < whole.width() || seen.height() < whole.height())
                    m_faults << QStringLiteral("%1 %2: control %3 (%4) shows %5 x %6 of %7 x %8")
                                    .arg(model(), shown->className())
                                    .arg(FormPage::idOf(control))
                                    .arg(QLatin1String(control->metaObject()->className()))
                                    .arg(seen.width())
                                    .arg(seen.height())
                                    .arg(control->width())
                                    .arg(control->height());
            }
        }
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, TheContinuousStrokeQuestionShowsWhole)
{
    // The only confirmation before the configuration is written.
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        auto* pst = qobject_cast<CPartialStrokeTest*>(show(46));
        ASSERT_NE(pst, nullptr);
        for (int radio : { CPartialStrokeTest::EnableRadio, CPartialStrokeTest::DisableRadio }) {
            pst->OnContinuousRadio(radio);
            check(pst, pst->windowText(CPartialStrokeTest::QuestionText));
        }
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, TheFrictionPresetsShowTheirScaleAndHelpApart)
{
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        auto* tolerance = qobject_cast<CValveHealthToleranceSettings*>(show(311));
        ASSERT_NE(tolerance, nullptr);
        for (int button : { CValveHealthToleranceSettings::TightButton, CValveHealthToleranceSettings::NormalButton,
                 CValveHealthToleranceSettings::LooseButton, CValveHealthToleranceSettings::NoLimitsButton }) {
            tolerance->controlAs<QAbstractButton>(button)->click();
            check(tolerance, tolerance->controlAs<QAbstractButton>(button)->text());
        }
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, TheStatusStripShowsEveryStatusTextWhole)
{
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        auto* shown = qobject_cast<StripPage*>(show(21));
        ASSERT_NE(shown, nullptr);
        app().deviceData().Connected = 1;
        for (int status = 0; status < 80; ++status) {
            for (int controlMode : { 0, 64 }) {
                app().deviceData().ActiveStatus = uint8_t(status);
                app().deviceData().ControlMode = uint8_t(controlMode);
                shown->EvaluateStrip();
                check(shown, QStringLiteral("status %1, mode %2").arg(status).arg(controlMode));
            }
        }
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, TheCheckFindsCutAndOverlappingTextsButNotAGroupAroundItsControls)
{
    QWidget page;
    page.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    page.resize(400, 300);
    const auto place = [&](QWidget* widget, int id, const QRect& rect) {
        widget->setObjectName(QString::number(id));
        widget->setProperty("controlId", id);
        widget->setGeometry(rect);
    };
    auto* group = new QGroupBox(QStringLiteral("Settings"), &page);
    place(group, 1, QRect(5, 5, 200, 100));
    auto* inside = new QPushButton(QStringLiteral("Apply"), &page);
    place(inside, 2, QRect(20, 30, 75, 23)); // framed by the group: no fault
    auto* question = new QLabel(QStringLiteral("Do you want to Disable?"), &page);
    question->setWordWrap(true);
    question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(question, 3, QRect(20, 120, 80, 13)); // wraps to a second line it has no room for
    auto* wide = new QPushButton(QStringLiteral("Retrieve Signature"), &page);
    place(wide, 4, QRect(220, 10, 40, 23)); // text wider than the button
    auto* first = new QLabel(QStringLiteral("Stroke Length:"), &page);
    place(first, 5, QRect(220, 60, 120, 13));
    auto* second = new QLabel(QStringLiteral("1.50"), &page);
    place(second, 6, QRect(250, 62, 60, 13)); // over the first label's text
    auto* box = new QCheckBox(QStringLiteral("Pilot Relay Position"), &page);
    place(box, 7, QRect(220, 200, 150, 20)); // fits
    page.show();

    const QStringList found = PageLayoutCheck::faults(page);
    const auto names = [&](const char* what) {
        QStringList out;
        for (const QString& fault : found) {
            if (fault.contains(QLatin1String(what)))
                out << fault.section(QLatin1Char(' '), 0, 0);
        }
        return out;
    };
    EXPECT_EQ(names(" cut: "), (QStringList { "3", "4" })) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(names(" overlap"), (QStringList { "5" })) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(found.size(), 3) << found.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PageLayoutTest, TheCheckFindsAWidgetOverAButtonButNotOneBesideItOrOverADisabledOne)
{
    QWidget page;
    page.resize(400, 300);
    const auto place = [&](QWidget* widget, int id, const QRect& rect) {
        widget->setObjectName(QString::number(id));
        widget->setProperty("controlId", id);
        widget->setGeometry(rect);
    };
    auto* print = new QPushButton(QStringLiteral("Print Report"), &page);
    place(print, 1, QRect(300, 250, 75, 23));
    auto* save = new QPushButton(QStringLiteral("Save to Disk"), &page);
    place(save, 2, QRect(220, 250, 75, 23));
    auto* idle = new QPushButton(QStringLiteral("Clear Log"), &page);
    place(idle, 3, QRect(140, 250, 75, 23));
    idle->setEnabled(false);
    place(new QWidget(&page), 4, QRect(336, 252, 13, 15)); // in the middle of Print Report
    place(new QWidget(&page), 5, QRect(215, 252, 4, 15)); // between Clear Log and Save to Disk
    place(new QWidget(&page), 6, QRect(170, 252, 13, 15)); // over the disabled Clear Log
    auto* hidden = new QWidget(&page);
    place(hidden, 7, QRect(230, 252, 13, 15)); // hidden: no clicks
    hidden->hide();
    page.show();

    const QStringList found = PageLayoutCheck::faults(page, PageLayoutCheck::Covered);
    ASSERT_EQ(found.size(), 1) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(
        found.front(), QStringLiteral("4 QWidget \"\" lies over 1 QPushButton \"Print Report\" at (336,252 13x15)"));
}

TEST_F(PageLayoutTest, TheCheckFindsATextOnePixelTooWideOrOnePixelOverItsNeighbour)
{
    QWidget page;
    const QFont font(QStringLiteral("DejaVu Sans"), 8);
    page.setFont(font);
    page.resize(500, 300);
    const auto place = [&](QWidget* widget, int id, const QRect& rect) {
        widget->setObjectName(QString::number(id));
        widget->setProperty("controlId", id);
        widget->setGeometry(rect);
    };
    const QFontMetricsF metrics(font);
    const QString caption = QStringLiteral("Stroke Length:");
    const int needed = int(std::ceil(metrics.horizontalAdvance(caption)));
    const int tall = int(std::ceil(metrics.height()));

    auto* exact = new QLabel(caption, &page);
    place(exact, 1, QRect(10, 10, needed, tall)); // just wide enough: no fault
    auto* narrow = new QLabel(caption, &page);
    place(narrow, 2, QRect(10, 40, needed - 1, tall)); // one pixel short
    auto* centred = new QLabel(caption, &page);
    centred->setAlignment(Qt::AlignCenter);
    place(centred, 3, QRect(10, 70, needed - 2, tall)); // a pixel short at each end

    // A button reaching one pixel into the text of the label before it.
    auto* before = new QLabel(caption, &page);
    place(before, 4, QRect(200, 10, needed + 20, tall));
    auto* button = new QPushButton(QStringLiteral("Apply"), &page);
    place(button, 5, QRect(200 + needed - 1, 8, 60, tall + 6));

    // A label running one pixel into a spin edit, whose value sits in a child field.
    auto* spin = new SpinEditBox(&page);
    place(spin, 6, QRect(300, 100, 60, 20));
    spin->setValue(15);
    auto* over = new QLabel(caption, &page);
    place(over, 7, QRect(300 - needed + 1, 102, needed, tall));

    // A button just as wide as its text: the text runs onto the button's frame.
    const QString command = QStringLiteral("Command (%)");
    auto* tight = new QPushButton(command, &page);
    place(tight, 8, QRect(10, 200, int(std::ceil(metrics.horizontalAdvance(command))), tall + 10));

    page.show();

    const QStringList found = PageLayoutCheck::faults(page);
    const auto names = [&](const char* what) {
        QStringList out;
        for (const QString& fault : found) {
            if (fault.contains(QLatin1String(what)))
                out << fault.section(QLatin1Char(' '), 0, 0);
        }
        return out;
    };
    const std::string all = found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(names(" cut: "), (QStringList { "2", "3", "8" })) << all;
    EXPECT_EQ(names(" overlap"), (QStringList { "4", "6" })) << all;
    EXPECT_EQ(found.size(), 5) << all;
}

namespace
{
// An instrument that paints its own texts: two scale labels side by side
// with no gap, and a label with its unit below, whose boxes meet where the
// unit's small letters leave room.
class PaintedScale : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetricsF metrics(font());
        const double baseline = metrics.ascent();
        painter.drawText(QPointF(0, baseline), QStringLiteral("100000000"));
        painter.drawText(
            QPointF(metrics.horizontalAdvance(QStringLiteral("100000000")), baseline), QStringLiteral("200000000"));
        const double unitBaseline = baseline + metrics.height() - 2;
        painter.drawText(QPointF(10, unitBaseline + metrics.height()), QStringLiteral("60"));
        painter.drawText(
            QPointF(10 + metrics.horizontalAdvance(QStringLiteral("60")), unitBaseline + 2 * metrics.height() - 2),
            QStringLiteral("psi"));
    }
};
} // namespace

TEST_F(PageLayoutTest, TheCheckFindsAnInstrumentsLabelsRunTogetherButNotAUnitStandingBelowThem)
{
    QWidget page;
    page.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    page.resize(400, 300);
    auto* scale = new PaintedScale(&page);
    scale->setProperty("controlId", 5064);
    scale->setGeometry(10, 10, 300, 100);
    page.show();

    const QStringList found = PageLayoutCheck::faults(page, PageLayoutCheck::RunTogether);
    ASSERT_EQ(found.size(), 1) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(found.front().contains(QLatin1String("\"100000000\""))) << found.front().toStdString();
    EXPECT_TRUE(found.front().contains(QLatin1String("\"200000000\""))) << found.front().toStdString();
}
