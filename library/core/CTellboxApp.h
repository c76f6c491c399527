#pragma once

// The library's application object: exactly one instance, made when the
// library is loaded and destroyed when it is unloaded. It has no members of its
// own; its initialisation only prepares what the library's controls need and
// reports success.
class CTellboxApp
{
public:
    CTellboxApp();
    CTellboxApp(const CTellboxApp&) = delete;
    CTellboxApp& operator=(const CTellboxApp&) = delete;
    ~CTellboxApp();

    bool InitInstance();

    // The one instance; initialised by the time any export can be called.
    static CTellboxApp& instance();
    bool initialised() const noexcept { return m_initialised; }

private:
    bool m_initialised = false;
};
