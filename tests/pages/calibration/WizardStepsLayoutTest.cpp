// The analog input wizard walked through by its own buttons on both models,
// each step checked as it is shown, with the points accepted and the run
// finished: every text whole and apart.
#include "AnalogInputWizardTest.h"
#include "PageLayoutCheck.h"

namespace
{
using Start = CCalibrationAnalogIn;
using Step1 = CCalibrationAnalogIn1;
using Step2 = CCalibrationAnalogIn2;
using Step3 = CCalibrationAnalogIn3;
using Step4 = CCalibrationAnalogIn4;
using Step5 = CCalibrationAnalogIn5;
} // namespace

class WizardStepsLayoutTest : public AnalogInputWizardTest
{
protected:
    void check(const char* path, const char* state)
    {
        FormPage* shown = shownPage();
        ASSERT_NE(shown, nullptr) << state;
        for (const QString& fault : PageLayoutCheck::faults(*shown))
            m_faults << QStringLiteral("%1 %2 (%3): %4")
                            .arg(QLatin1String(path), shown->className(), QLatin1String(state), fault);
    }
    QStringList m_faults;
};

TEST_F(WizardStepsLayoutTest, EveryStepOfTheAnalogInputWizardShowsItsTextsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        select(AnalogInputCode);
        check(path, "start");
        click(step(0), Start::NextButton);
        check(path, "step 1");
        click(step(1), Step1::NextButton);
        check(path, "step 2");
        device(path).setLoopCurrent(4);
        click(step(2), Step2::AcceptButton);
        check(path, "step 2 accepted");
        click(step(2), Step2::NextButton);
        device(path).setLoopCurrent(20);
        click(step(3), Step3::AcceptButton);
        check(path, "step 3 accepted");
        click(step(3), Step3::NextButton);
        device(path).setLoopCurrent(4);
        click(step(4), Step4::AcceptButton);
        check(path, "step 4 accepted");
        click(step(4), Step4::NextButton);
        check(path, "step 5");
        step(5).setWindowText(Step5::InitialsEdit, QStringLiteral("KLM"));
        click(step(5), Step5::FinishButton);
        check(path, "finished");
        m_app.reset();
    }
    EXPECT_TRUE(m_faults.isEmpty()) << m_faults.join(QLatin1Char('\n')).toStdString();
}
