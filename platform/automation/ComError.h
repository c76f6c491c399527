#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <string>

// The automation error exception: every failing call on a control raises it,
// carrying a result code and a text. Only callers that handle the failure
// themselves catch it; page entry points catch the rest through the handler
// guard.
class ComError : public std::exception
{
public:
    static constexpr uint32_t InvalidPointer = 0x80004003u; // call through a null or dead pointer
    static constexpr uint32_t NoInterface = 0x80004002u; // the object lacks the asked interface
    static constexpr uint32_t Failure = 0x80004005u; // a control's own failure
    static constexpr uint32_t InvalidArgument = 0x80070057u;
    static constexpr uint32_t ClassNotRegistered = 0x80040154u;

    ComError(uint32_t code, QString text);

    uint32_t code() const noexcept { return m_code; }
    const QString& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_what.c_str(); }

    // "0x80004003": the form used in log lines.
    QString codeText() const;

private:
    uint32_t m_code;
    QString m_text;
    std::string m_what;
};
