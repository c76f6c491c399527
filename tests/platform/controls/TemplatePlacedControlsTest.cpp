#include "SwTest.h"

#include "controls/CaptionLabel.h"
#include "controls/NumEdit.h"
#include "controls/SpinEditBox.h"
#include "ui/FormPage.h"

namespace
{
// A page whose template places the controls the way the health and
// calibration pages do: spins beside their edits, indicator boxes, a caption.
class TemplatePage : public FormPage
{
public:
    TemplatePage()
        : FormPage(QStringLiteral("CTemplatePage"), 284)
    {
        buildTemplate(300, 200,
            {
                ControlSpec::vendor(1307, QStringLiteral("TSpinEditBox"), 208, 86, 12, 13,
                    { { QStringLiteral("Increment"), 0.01 }, { QStringLiteral("Max"), 100 },
                        { QStringLiteral("Decimals"), 2 }, { QStringLiteral("IntegersOnly"), false },
                        { QStringLiteral("PageSize"), 10 }, { QStringLiteral("Left"), 0 },
                        { QStringLiteral("Width"), 18 }, { QStringLiteral("Height"), 23 } }),
                ControlSpec::vendor(696, QStringLiteral("TiEdit"), 10, 10, 80, 12,
                    { { QStringLiteral("ErrorText"), QStringLiteral("Spool Cycles Limit") },
                        { QStringLiteral("ErrorBackGroundColor"), 0x00FFFFu }, { QStringLiteral("Color"), 0xD3D3D3u },
                        { QStringLiteral("ErrorActive"), false } },
                    ControlSpec::Disabled),
                ControlSpec::vendor(220, QStringLiteral("TiLabel"), 10, 30, 40, 10,
                    { { QStringLiteral("Caption"), QStringLiteral("psi") } }),
            });
    }
};
} // namespace

using TemplatePlacedControlsTest = SwTest;

TEST_F(TemplatePlacedControlsTest, PersistedPropertiesReachTheControls)
{
    TemplatePage page;

    auto* spin = page.controlAs<SpinEditBox>(1307);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->increment(), 0.01);
    EXPECT_EQ(spin->max(), 100.0);
    EXPECT_EQ(spin->decimals(), 2);
    EXPECT_FALSE(spin->integersOnly());
    EXPECT_EQ(spin->pageSize(), 10.0);
    EXPECT_EQ(spin->size(), page.controlRect(1307).size()) << "the template's rectangle sizes the spin";

    auto* box = page.controlAs<NumEdit>(696);
    ASSERT_NE(box, nullptr);
    box->setErrorActive(true);
    EXPECT_EQ(box->shownText(), QStringLiteral("Spool Cycles Limit"));
    EXPECT_EQ(box->color(), 0xD3D3D3u);

    auto* caption = page.controlAs<CaptionLabel>(220);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("psi"));
}
