#include "CMyCCommandLineInfo.h"

void CMyCCommandLineInfo::ParseParam(const QString& param)
{
    if (param.startsWith(QLatin1Char('d')))
        m_strDevicePath = param.mid(1);
    else if (param.startsWith(QLatin1Char('s')))
        m_strServerMachine = param.mid(1);
}

bool CMyCCommandLineInfo::ParseCommandLine(const QStringList& arguments, QString* badParameter)
{
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-'))) {
            ParseParam(argument.mid(1));
            continue;
        }
        if (badParameter)
            *badParameter = argument;
        return false;
    }
    return true;
}

QString CMyCCommandLineInfo::usage()
{
    return QStringLiteral("usage: strokewise [/d<device item path>] [/s<server machine>]");
}
