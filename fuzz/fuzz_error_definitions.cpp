// The error-definition file comes from beside the program and may be edited
// by hand: any bytes must parse without crashing, keep at most the lines
// there are priorities for, and keep every mask class in 0..255; telling
// what is damaged in them must not crash either.
#include "ErrorDefinitions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ErrorDefinitions definitions
        = ErrorDefinitions::parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (definitions.lines().size() > size_t(ErrorDefinitions::MaxLines))
        std::abort();
    for (const ErrorDefinitionLine& line : definitions.lines()) {
        if (line.maskClass < 0 || line.maskClass > 255)
            std::abort();
    }
    definitions.priority(-1);
    definitions.priority(1000);
    // What the log says of a damaged file comes from the same bytes.
    for (int statusCount : { 0, 80, 200 })
        (void)definitions.damage(QStringLiteral("fuzz.dlm"), statusCount);
    return 0;
}
