#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// A custom characterization curve: the device tag that names its file.
class CStrokeCharacterizationReport
{
public:
    CStrokeCharacterizationReport();
    CStrokeCharacterizationReport(const CStrokeCharacterizationReport& other);
    CStrokeCharacterizationReport& operator=(const CStrokeCharacterizationReport& other);
    ~CStrokeCharacterizationReport();

    AutoString m_strTag { "" }; // device tag
};
