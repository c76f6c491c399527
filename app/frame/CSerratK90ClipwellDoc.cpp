#include "CSerratK90ClipwellDoc.h"

void CSerratK90ClipwellDoc::SetTitle(const QString& title)
{
    m_strTitle = title;
    if (m_titleChanged)
        m_titleChanged();
}
