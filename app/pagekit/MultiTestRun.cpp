#include "MultiTestRun.h"

#include <algorithm>
#include <iterator>

void TestStatusList::AddString(const QString& line)
{
    m_lines << line;
    if (m_changed)
        m_changed();
}

void TestStatusList::ResetContent()
{
    m_lines.clear();
    if (m_changed)
        m_changed();
}

bool& MultiTestRun::done(MultiTest test)
{
    bool* const flags[] = { &m_bRampDone, &m_bStepDone, &m_bPSTDone, &m_bHDRLDone };
    const auto index = static_cast<size_t>(test);
    Q_ASSERT(index < std::size(flags));
    return *flags[std::min(index, std::size(flags) - 1)];
}

void MultiTestRun::holdSettings(MultiTest test, const QStringList& texts)
{
    const auto index = static_cast<size_t>(test);
    if (index < m_held.size())
        m_held[index] = texts;
}

const QStringList& MultiTestRun::heldSettings(MultiTest test) const
{
    static const QStringList none;
    const auto index = static_cast<size_t>(test);
    return index < m_held.size() ? m_held[index] : none;
}

void MultiTestRun::clearHeldSettings()
{
    for (QStringList& texts : m_held)
        texts.clear();
}

void MultiTestRun::StopByUser()
{
    m_bShowStoppedRun = true;
    if (StopMultiTest)
        StopMultiTest();
    else
        m_bMultiTestRunning = false;
}

void MultiTestRun::registerPage(MultiTest test, MultiTestPage page)
{
    const auto index = static_cast<size_t>(test);
    if (index >= m_pages.size())
        return;
    m_pages[index] = std::move(page);
    m_registered[index] = true;
}

const MultiTestPage* MultiTestRun::page(MultiTest test) const
{
    const auto index = static_cast<size_t>(test);
    return index < m_pages.size() && m_registered[index] ? &m_pages[index] : nullptr;
}
