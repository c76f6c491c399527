#include "core/SettingsComparison.h"

#include "core/ModuleStateGuard.h"

bool SameSettings(AutoString s1, AutoString s2, AutoString s3, AutoString s4, AutoString s5, AutoString s6,
    AutoString s7, AutoString s8)
{
    ModuleStateGuard moduleState;
    return s1 == s2 && s3 == s4 && s5 == s6 && s7 == s8;
}

bool SameSettings(AutoString s1, AutoString s2, AutoString s3, AutoString s4, AutoString s5, AutoString s6, uint8_t b1,
    uint8_t b2, uint8_t b3, uint8_t b4, AutoString s7, AutoString s8)
{
    ModuleStateGuard moduleState;
    return s1 == s2 && s3 == s4 && s5 == s6 && b1 == b2 && b3 == b4 && s7 == s8;
}
